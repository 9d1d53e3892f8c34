#include <algorithm>
#include <array>
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

// A space, a tab or a line end.
bool Pustoi(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

// The first character other than those.
const char* Nepustoi(const char* from, const char* to) {
  return std::find_if(from, to, [](char ch) { return !Pustoi(ch); });
}

bool EstTekst(const char* from, const char* to) {
  return Nepustoi(from, to) != to;
}

// What is seen of the input after a q, looked through a piece at a time.
struct Prosmotr {
  Ostatok o;
  bool line_ended = false;
  // Bytes looked through.
  std::size_t seen = 0;
};

// Looks through the next piece; true once it is known what follows on the
// line and after it, and where the line ends.
bool Prosmotret(Prosmotr& p, const char* from, const char* to) {
  for (const char* c = from; c != to; ++c) {
    ++p.seen;
    if (*c == '\n' && !p.line_ended) {
      p.line_ended = true;
      p.o.do_konca = static_cast<std::ptrdiff_t>(p.seen);
    } else if (!p.o.dalshe && !Pustoi(*c)) {
      p.o.dalshe = true;
      p.o.v_stroke = !p.line_ended;
    }
    if (p.o.dalshe && p.line_ended) {
      return true;
    }
  }
  return false;
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

Ostatok Ostalos(const Vhod& in) {
  if (in.args != nullptr) {
    return OstalosArgumentov(in);
  }
  Prosmotr p;
  if (!Prosmotret(p, in.pos, in.end) && in.terminal != nullptr) {
    const auto hand = static_cast<std::size_t>(in.end - in.pos);
    std::array<char, 4096> look;
    std::size_t k = 0;
    do {
      k = TerminalPeek(*in.terminal, p.seen - hand, look.data(), look.size());
    } while (k > 0 && !Prosmotret(p, look.data(), look.data() + k));
    p.o.dalshe = p.o.dalshe || TerminalWaiting(*in.terminal);
  }
  if (!p.line_ended) {
    p.o.do_konca = static_cast<std::ptrdiff_t>(p.seen);
  }
  return p.o;
}

void Ostavit(const Vhod& in, const Ostatok& o) {
  if (in.terminal != nullptr) {
    TerminalLeave(*in.terminal, o.do_konca - (in.end - in.pos));
  }
}
