#include <cstring>

#include "dialogue.h"

namespace {

// Each entry given as an argument is read as one typed line: its text, then
// this. A line end inside it ends no line: it is passed over, as the reader
// passes over every other character it does not keep.
constexpr char LINE_END[] = "\n";

// The next piece of text up to a line end; empty pieces are passed over,
// however many line ends an argument holds in a row.
bool SledZapis(Vhod& in) {
  do {
    const bool inside = in.end != nullptr && in.end != LINE_END + 1;
    if (inside && *in.end == '\n') {
      in.pos = in.end + 1;
    } else if (inside) {
      in.pos = LINE_END;
    } else if (*in.args != nullptr) {
      in.pos = *in.args++;
    } else {
      return false;
    }
    in.end =
        in.pos == LINE_END ? in.pos + 1 : in.pos + std::strcspn(in.pos, "\n");
  } while (in.pos == in.end);
  return true;
}

}  // namespace

bool Dalshe(Vhod& in) {
  bool more = false;
  if (in.terminal != nullptr) {
    more = TerminalRead(*in.terminal, &in.pos, &in.end);
    in.oshibka = in.terminal->error;
  } else if (in.args != nullptr) {
    more = SledZapis(in);
  }
  in.konec = !more;
  return more;
}
