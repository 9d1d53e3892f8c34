#include <algorithm>
#include <cerrno>
#include <cstring>

#include "../arithmetic/arithmetic.h"
#include "../common/texts.h"
#include "dialogue.h"

namespace {

// The longest answer: the echo of 80 kept characters, every text, twelve
// numbers in fields of at most 15 characters (%g writes at most 13), the
// combination code and the longest label four times.
constexpr std::size_t OTVET_MAX = [] {
  constexpr std::size_t NUMBER = 15;
  std::size_t label = 0;
  for (std::string_view m : mnoj) {
    label = std::max(label, m.size());
  }
  std::size_t n = RULE.size() + (LLL - 1) + CAPTION.size() + 1 + PARSED.size() +
                  RULE.size() + HEADING.size() + PLAIN.size() +
                  UNDERLINE.size() + CLOSING.size();
  for (std::string_view line : SCALED) {
    n += line.size() + label;
  }
  return n + 12 * NUMBER + 1;
}();
static_assert(OTVET_MAX <= sizeof(Tekst::bytes));

// Says on standard error what failed and why, in the program's own words
// where it has them; status 1.
int Failed(std::string_view what, int error) {
  const auto* own =
      std::find_if(PRICHINY.begin(), PRICHINY.end(),
                   [error](const Prichina& p) { return p.error == error; });
  const std::string_view reason =
      own != PRICHINY.end() ? own->text : std::strerror(error);
  std::fwrite(what.data(), 1, what.size(), stderr);
  std::fwrite(reason.data(), 1, reason.size(), stderr);
  std::fputc('\n', stderr);
  return 1;
}

// Echoes the line, parses it and answers it: the parsed values and the
// report, or the invalid-data message. Then the pause. False for invalid data.
bool Otvet(const Terminal& t, const char* str) {
  Tekst tx;
  Dobavit(tx, RULE);
  Printl(tx, str);
  Dobavit(tx, "\n");
  float L = 0;
  float C = 0;
  float F = 0;
  float R = 0;
  const int tip = Obrabotka(str, &L, &C, &F, &R);
  if (tip == 0) {
    Dobavit(tx, INVALID);
  } else {
    Pechat(tx, PARSED, {F, C, L, R, tip});
    Otchet(tx, &L, &C, &F, &R, tip);
  }
  std::fwrite(tx.bytes.data(), 1, tx.n, t.out);
  Pause(t);
  return tip != 0;
}

// Answers the lines of `in` until q or the end of the input: in the
// dialogue with the menu before every line; entries given as arguments
// without it, and an invalid one makes the status 1.
int Cikl(const Terminal& t, Vhod& in, bool zapisi) {
  char str[LLL];
  bool invalid = false;
  const auto status = [&](int io) {
    return std::max(io, zapisi && invalid ? 1 : 0);
  };
  for (;;) {
    if (!zapisi) {
      std::fwrite(MENU.data(), 1, MENU.size(), t.out);
    }
    if (std::ferror(t.out) != 0) {
      return status(WriteFailed());
    }
    const int tip = Vvod(in, str);
    if (tip == 101) {
      // At end of input the shell's prompt belongs on a line of its own.
      if (t.interactive && in.konec) {
        std::fputc('\n', t.out);
      }
      if (std::fflush(t.out) != 0 || std::ferror(t.out) != 0) {
        return status(WriteFailed());
      }
      return status(in.oshibka != 0 ? Failed(READ_FAILED, in.oshibka) : 0);
    }
    invalid = (tip == 0 && !Otvet(t, str)) || invalid;
    Clear(t);
  }
}

}  // namespace

// A reader that went away wanted no more output; any other write failure
// lost results, and the exit status says so.
int WriteFailed() {
  const int error = errno;
  return ReaderGone() ? 0 : Failed(WRITE_FAILED, error);
}

int Dialog(const Terminal& t, Vhod& in) { return Cikl(t, in, false); }

int Zapisi(const Terminal& t, Vhod& in) { return Cikl(t, in, true); }
