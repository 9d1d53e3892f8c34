#include <cstring>

#include "dialogue.h"

namespace {

// Each entry given as an argument is read as a line: its text, then this.
constexpr char LINE_END = '\n';

bool SledZapis(Vhod& in) {
  if (in.end != nullptr && in.end != &LINE_END + 1) {
    in.pos = &LINE_END;
  } else if (*in.args != nullptr) {
    in.pos = *in.args++;
  } else {
    return false;
  }
  in.end = in.pos == &LINE_END ? in.pos + 1 : in.pos + std::strlen(in.pos);
  return in.pos != in.end || SledZapis(in);
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
