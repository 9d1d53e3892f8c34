#include "../common/texts.h"
#include "dialogue.h"

int Printl(Tekst& t, const char* str) {
  Dobavit(t, str);
  Dobavit(t, CAPTION);
  return 0;
}
