#include "../common/texts.h"
#include "dialogue.h"

int Printl(Tekst& t, const char* str) {
  for (const char* p = str; *p != '\0'; ++p) {
    Dobavit(t, {p, 1});
  }
  Dobavit(t, CAPTION);
  return 0;
}
