#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "dialogue.h"

namespace {

// The characters the reader keeps, as the menu lists them.
constexpr std::string_view sim = "qw0123456789.,GMKmunpLCFRlcfr";
static_assert(sim.size() == 29 && MENU.find(sim) != std::string_view::npos);

// What the reader makes of each byte value: the character it stores, folded
// (l c f r to capitals, the comma to a point), or 0 for one it drops; NUL,
// the carriage return and bytes above 0x7F among them.
constexpr std::array<char, 256> PRIEM = [] {
  std::array<char, 256> t{};
  for (const char ch : sim) {
    t[static_cast<unsigned char>(ch)] = ch;
  }
  t[','] = '.';
  t['l'] = 'L';
  t['c'] = 'C';
  t['f'] = 'F';
  t['r'] = 'R';
  return t;
}();
static_assert(PRIEM.size() == 256);
static_assert(std::count_if(PRIEM.begin(), PRIEM.end(),
                            [](char ch) { return ch != 0; }) ==
                  static_cast<std::ptrdiff_t>(sim.size()),
              "the table keeps exactly the characters of the menu");
static_assert(std::all_of(sim.begin(), sim.end(), [](char ch) {
  return PRIEM[static_cast<unsigned char>(ch)] != 0;
}));

// The kept characters that are no command.
constexpr std::array<bool, 256> OBYCHNYE = [] {
  std::array<bool, 256> t{};
  for (std::size_t i = 0; i < t.size(); ++i) {
    t[i] = PRIEM[i] != 0 && PRIEM[i] != 'w' && PRIEM[i] != 'q';
  }
  return t;
}();
static_assert(!OBYCHNYE['\n'] && !OBYCHNYE['w'] && OBYCHNYE[',']);

// A byte-order mark at the very start of the input says only that the text
// is UTF-8.
constexpr std::string_view BOM = "\xEF\xBB\xBF";

// The next character, or EOF at the end of the input. An end of input is
// final wherever it came: nothing is read after it.
int Sled(Vhod& in) {
  if (in.pos == in.end && (in.konec || !Dalshe(in))) {
    return EOF;
  }
  const int ch = static_cast<unsigned char>(*in.pos++);
  in.stroki += ch == '\n' ? 1 : 0;
  return ch;
}

// Gives back the character Sled gave last, to be read again.
void Vernut(Vhod& in, int ch) {
  if (ch != EOF) {
    --in.pos;
    in.stroki -= ch == '\n' ? 1 : 0;
  }
}

// What separates, and is never worth a warning.
bool Probel(int ch) { return ch == ' ' || ch == '\t' || ch == '\r'; }

// Notes a dropped byte and how many characters the line took before it,
// kept or past the 80th, while there is room.
void Otbrosit(Vhod& in, int ch, std::size_t j) {
  Zametki& z = in.zametki;
  if (z.n == z.otbros.size()) {
    z.bolshe = true;
    return;
  }
  z.otbros[z.n] = static_cast<char>(ch);
  z.pered[z.n++] = static_cast<std::uint8_t>(j + z.n_sverh);
}

// Notes a character past the 80th, while there is room.
void Sverh(Vhod& in, int ch) {
  Zametki& z = in.zametki;
  if (z.n_sverh == z.sverh.size()) {
    z.bolshe_sverh = true;
    return;
  }
  z.sverh[z.n_sverh++] = static_cast<char>(ch);
}

// Passes over a byte-order mark at the start of the input, wherever the
// reads of it end; returns how many bytes of one the input starts with.
// The first byte that differs stays to be read.
std::size_t Metka(Vhod& in) {
  std::size_t k = 0;
  for (; k < BOM.size(); ++k) {
    const int ch = Sled(in);
    if (ch != static_cast<unsigned char>(BOM[k])) {
      Vernut(in, ch);
      break;
    }
  }
  return k;
}

// A q ended the input: whether it stood among other characters of its line
// and more input was at hand after it. The input after its line is left.
bool Prervano(const Vhod& in, bool drugie) {
  const Ostatok o = Ostalos(in);
  Ostavit(in, o);
  return (drugie || o.v_stroke) && o.dalshe;
}

// Takes the next character if it is `ch`; any other stays to be read.
void Vzyat(Vhod& in, int ch) {
  const int next = Sled(in);
  if (next != ch) {
    Vernut(in, next);
  }
}

}  // namespace

int Vvod(Vhod& in, char (&str)[LLL]) {
  // End of input stays ended: the reader never waits at a closed console.
  if (in.konec) {
    return 101;
  }
  // The bytes noted are those before n: nothing else needs clearing.
  Zametki& z = in.zametki;
  z.n = 0;
  z.n_sverh = 0;
  z.bolshe = false;
  z.bolshe_sverh = false;
  z.prervano = false;
  z.stroka = in.stroki + 1;
  int j = 0;
  bool typed = false;
  // Characters other than spaces and tabs stood on the line.
  bool drugie = false;
  if (in.nachalo) {
    in.nachalo = false;
    const std::size_t k = in.args == nullptr ? Metka(in) : 0;
    // A mark cut short is none: the bytes of it that came are dropped.
    for (std::size_t i = 0; k < BOM.size() && i < k; ++i) {
      Otbrosit(in, static_cast<unsigned char>(BOM[i]), 0);
      typed = drugie = true;
    }
  }
  for (;;) {
    // The characters most of a line is: kept, no command, within the 80,
    // and in hand. They are taken in a run, as the loop below would take
    // them one by one.
    const char* run = in.pos;
    while (in.pos != in.end && j < LLL - 1 &&
           OBYCHNYE[static_cast<unsigned char>(*in.pos)]) {
      str[j++] = *in.pos++;
    }
    typed = typed || in.pos != run;
    drugie = drugie || in.pos != run;
    const int ch = Sled(in);
    if (ch == '\n' || (ch == EOF && typed)) {
      str[j] = '\0';
      std::transform(str, str + j, str, [](char kept) {
        return PRIEM[static_cast<unsigned char>(kept)];
      });
      return 0;
    }
    if (ch == EOF) {
      return 101;
    }
    typed = true;
    const char kept = PRIEM[static_cast<std::size_t>(ch)];
    if (kept == 0) {
      if (!Probel(ch)) {
        Otbrosit(in, ch, static_cast<std::size_t>(j));
        drugie = true;
      }
      continue;
    }
    if (kept == 'w') {
      // What the line kept goes with it, as typed, and so does the character
      // after the command, normally the line end; a CR LF is one line end.
      str[j] = '\0';
      const int after = Sled(in);
      if (after == '\r') {
        Vzyat(in, '\n');
      } else if (after != '\n' && after != EOF && !Probel(after)) {
        Otbrosit(in, after, static_cast<std::size_t>(j));
      }
      return 100;
    }
    if (kept == 'q') {
      z.prervano = Prervano(in, drugie);
      return 101;
    }
    drugie = true;
    if (j < LLL - 1) {
      str[j++] = static_cast<char>(ch);
    } else {
      Sverh(in, ch);
    }
  }
}
