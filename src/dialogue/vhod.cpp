#include <algorithm>
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

// The first character other than a space, a tab or a line end.
const char* Nepustoi(const char* from, const char* to) {
  return std::find_if(from, to, [](char ch) {
    return ch != ' ' && ch != '\t' && ch != '\r' && ch != '\n';
  });
}

bool EstTekst(const char* from, const char* to) {
  return Nepustoi(from, to) != to;
}

// An argument's line ends, if any, are passed over: the rest of it is the
// rest of its line.
Ostatok OstalosArgumentov(const Vhod& in) {
  Ostatok o;
  o.v_stroke = EstTekst(in.pos, in.pos + std::strlen(in.pos));
  o.dalshe = o.v_stroke;
  for (char* const* a = in.args; *a != nullptr && !o.dalshe; ++a) {
    o.dalshe = EstTekst(*a, *a + std::strlen(*a));
  }
  return o;
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

Ostatok Ostalos(Vhod& in) {
  if (in.args != nullptr) {
    return OstalosArgumentov(in);
  }
  bool line_ended = false;
  for (;;) {
    const char* next = Nepustoi(in.pos, in.end);
    line_ended = line_ended || std::find(in.pos, next, '\n') != next;
    if (next != in.end) {
      return {!line_ended, true};
    }
    if (in.terminal == nullptr ||
        !TerminalReadOn(*in.terminal, &in.pos, &in.end)) {
      return {};
    }
  }
}
