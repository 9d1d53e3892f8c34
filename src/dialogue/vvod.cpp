#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "dialogue.h"

namespace {

// The characters the reader keeps; every other byte value, NUL, the carriage
// return and bytes above 0x7F among them, is dropped.
constexpr std::string_view sim = "qw0123456789.,GMKmunpLCFRrlcf";
static_assert(sim.size() == 29);

// The same by byte value: each character of the input costs one look.
constexpr std::array<bool, 256> PRINYAT = [] {
  std::array<bool, 256> t{};
  for (char ch : sim) {
    t[static_cast<unsigned char>(ch)] = true;
  }
  return t;
}();
static_assert(std::count(PRINYAT.begin(), PRINYAT.end(), true) == sim.size());

bool Prinyat(int ch) { return PRINYAT[static_cast<unsigned char>(ch)]; }

char Fold(char ch) {
  switch (ch) {
    case 'c':
      return 'C';
    case 'f':
      return 'F';
    case 'l':
      return 'L';
    case 'r':
      return 'R';
    case ',':
      return '.';
    default:
      return static_cast<char>(ch);
  }
}

// The next character, or EOF at the end of the input.
int Sled(Vhod& in) {
  if (in.pos == in.end && !Dalshe(in)) {
    return EOF;
  }
  const int ch = static_cast<unsigned char>(*in.pos++);
  in.stroki += ch == '\n' ? 1 : 0;
  return ch;
}

// What separates, and is never worth a warning.
bool Probel(int ch) { return ch == ' ' || ch == '\t' || ch == '\r'; }

// Notes a dropped byte; the first bytes of a long run, each character whole.
void Otbrosit(Vhod& in, int ch) {
  Zametki& z = in.zametki;
  constexpr std::size_t CHARACTER = 4;
  const bool continues = (static_cast<unsigned>(ch) & 0xC0U) == 0x80U;
  if (z.n == z.otbros.size() ||
      (!continues && z.n + CHARACTER > z.otbros.size())) {
    z.bolshe = true;
    return;
  }
  z.otbros[z.n++] = static_cast<char>(ch);
}

// A q ended the input: whether it stood among other characters of its line
// and more input was at hand after it.
bool Prervano(Vhod& in, bool drugie) {
  const Ostatok o = Ostalos(in);
  return (drugie || o.v_stroke) && o.dalshe;
}

// Takes the next character if it is `ch`; any other stays to be read.
void Vzyat(Vhod& in, int ch) {
  if (Sled(in) != ch && !in.konec) {
    --in.pos;
  }
}

}  // namespace

int Vvod(Vhod& in, char (&str)[LLL]) {
  // End of input stays ended: the reader never waits at a closed console.
  if (in.konec) {
    return 101;
  }
  // The bytes noted are those before n: nothing else needs clearing.
  in.zametki.n = 0;
  in.zametki.bolshe = false;
  in.zametki.prervano = false;
  in.zametki.stroka = in.stroki + 1;
  int j = 0;
  bool typed = false;
  // Characters other than spaces and tabs stood on the line.
  bool drugie = false;
  for (;;) {
    const int ch = Sled(in);
    if (ch == '\n' || (ch == EOF && typed)) {
      str[j] = '\0';
      std::transform(str, str + j, str, Fold);
      return 0;
    }
    if (ch == EOF) {
      return 101;
    }
    typed = true;
    if (!Prinyat(ch)) {
      if (!Probel(ch)) {
        Otbrosit(in, ch);
        drugie = true;
      }
      continue;
    }
    if (ch == 'w') {
      // What the line kept goes with it, and so does the character after
      // the command, normally the line end; a CR LF is one line end.
      std::for_each(str, str + j, [&in](char kept) { Otbrosit(in, kept); });
      const int after = Sled(in);
      if (after == '\r') {
        Vzyat(in, '\n');
      } else if (after != '\n' && after != EOF && !Probel(after)) {
        Otbrosit(in, after);
      }
      return 100;
    }
    if (ch == 'q') {
      in.zametki.prervano = Prervano(in, drugie);
      return 101;
    }
    drugie = true;
    if (j < LLL - 1) {
      str[j++] = static_cast<char>(ch);
    } else {
      Otbrosit(in, ch);
    }
  }
}
