#include "dialogue/dialogue.h"

int main(int argc, char** argv) {
  const Parametry p = Razbor(argc, argv);
  Terminal t = TerminalOpen(p.deistvie == Deistvie::Dialog ? Input::Dialogue
                                                           : Input::None);
  const int status = Zapusk(t, p);
  TerminalClose(t);
  return status;
}
