#include <cstdio>
#include <string_view>

#include "dialogue.h"

namespace {

// The characters the reader keeps; every other byte value, NUL, the carriage
// return and bytes above 0x7F among them, is dropped.
constexpr std::string_view sim = "qw0123456789.,GMKmunpLCFRrlcf";
static_assert(sim.size() == 29);

bool Prinyat(int ch) {
  return sim.find(static_cast<char>(ch)) != std::string_view::npos;
}

char Fold(int ch) {
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
  return static_cast<unsigned char>(*in.pos++);
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
  int j = 0;
  bool typed = false;
  for (;;) {
    const int ch = Sled(in);
    if (ch == '\n' || (ch == EOF && typed)) {
      str[j] = '\0';
      return 0;
    }
    if (ch == EOF) {
      return 101;
    }
    typed = true;
    if (!Prinyat(ch)) {
      continue;
    }
    if (ch == 'w') {
      // The character after the command, normally the line end, goes too;
      // a CR LF is one line end.
      if (Sled(in) == '\r') {
        Vzyat(in, '\n');
      }
      return 100;
    }
    if (ch == 'q') {
      return 101;
    }
    if (j < LLL - 1) {
      str[j++] = Fold(ch);
    }
  }
}
