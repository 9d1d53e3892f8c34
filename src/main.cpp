#include "dialogue/dialogue.h"

int main() {
  const Terminal t = TerminalOpen(stdin, stdout);
  const int status = Dialog(t);
  TerminalClose(t);
  return status;
}
