#include <cerrno>

#include "../arithmetic/arithmetic.h"
#include "../common/texts.h"
#include "dialogue.h"

namespace {

// Puts everything written so far on the screen before the program waits.
// False once the output can take nothing more.
bool Flushed(std::FILE* out) {
  return std::fflush(out) == 0 && std::ferror(out) == 0;
}

// A reader that went away (a broken pipe) wanted no more output; any other
// write failure lost results, and the exit status says so.
int WriteFailed() {
  if (errno == EPIPE) {
    return 0;
  }
  std::fputs(WRITE_FAILED, stderr);
  return 1;
}

// Echoes the line, parses it and answers it: the parsed values and the
// report, or the invalid-data message. Then the pause.
void Otvet(const Terminal& t, const char* str) {
  float L = 0;
  float C = 0;
  float F = 0;
  float R = 0;
  std::fputs(RULE.data(), t.out);
  Printl(t.out, str);
  std::fputc('\n', t.out);
  const int tip = Obrabotka(str, &L, &C, &F, &R);
  if (tip == 0) {
    std::fputs(INVALID, t.out);
  } else {
    Pechat(t.out, PARSED.data(), {F, C, L, R, tip});
    Otchet(t.out, &L, &C, &F, &R, tip);
  }
  Pause(t);
}

}  // namespace

int Dialog(const Terminal& t) {
  char str[LLL];
  for (;;) {
    std::fputs(MENU, t.out);
    if (!Flushed(t.out)) {
      return WriteFailed();
    }
    const int tip = Vvod(t.in, str);
    if (tip == 101) {
      // At end of input the shell's prompt belongs on a line of its own.
      if (t.interactive && std::feof(t.in) != 0) {
        std::fputc('\n', t.out);
      }
      return Flushed(t.out) ? 0 : WriteFailed();
    }
    if (tip == 0) {
      Otvet(t, str);
    }
    Clear(t);
  }
}
