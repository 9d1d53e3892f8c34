#include "dialogue/dialogue.h"

int main(int argc, char** argv) {
  const Parametry p = Razbor(argc, argv);
  Terminal t = TerminalOpen(Istochnik(p));
  const int status = Zapusk(t, p);
  TerminalClose(t);
  return status;
}
