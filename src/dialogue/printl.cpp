#include "../common/texts.h"
#include "dialogue.h"

int Printl(std::FILE* out, const char* str) {
  for (const char* p = str; *p != '\0'; ++p) {
    std::putc(*p, out);
  }
  std::fputs(CAPTION, out);
  return 0;
}
