#include <algorithm>

#include "../arithmetic/arithmetic.h"
#include "../common/texts.h"
#include "dialogue.h"

namespace {

// The longest label, and the longest number in a field: %g writes at most
// 13 characters, a deviation in percent fewer.
constexpr std::size_t LABEL = [] {
  std::size_t n = 0;
  for (std::string_view m : mnoj) {
    n = std::max(n, m.size());
  }
  return n;
}();
constexpr std::size_t NUMBER = 15;

// The longest answer: the echo of 80 kept characters, every text, twelve
// numbers, the combination code and the longest label four times; then the
// standard parts of two computed parts, each two neighbours.
constexpr std::size_t OTVET_MAX = [] {
  std::size_t n = RULE.size() + (LLL - 1) + CAPTION.size() + 1 + PARSED.size() +
                  RULE.size() + HEADING.size() + PLAIN.size() +
                  UNDERLINE.size() + CLOSING.size() + 12 * NUMBER + 1;
  for (std::string_view line : SCALED) {
    n += line.size() + LABEL;
  }
  const std::size_t neighbour = std::max(PART_C.size(), PART_L.size()) +
                                IN_SERIES.size() + WITH_PART.size() +
                                2 * (LABEL + NUMBER);
  return n + SERIES.size() + 8 + 4 * neighbour + 1;
}();
static_assert(OTVET_MAX <= sizeof(Tekst::bytes));

// One quantity scaled to its prefix: the shown value and its label.
struct Masshtab {
  float dan;
  std::string_view label;
};
Masshtab Masshtabirovat(float x) {
  const int raz = Preobr(&x);
  return {x, mnoj[static_cast<std::size_t>(raz)]};
}

// A standard part, `slovo` saying where it stands, and the frequency the
// circuit has with it, against the answer's frequency `f`.
void Detal(Tekst& t, std::string_view line, const Sosed& s,
           std::string_view slovo, float f) {
  if (!s.est) {
    return;
  }
  const Masshtab c = Masshtabirovat(s.chast);
  const Masshtab g = Masshtabirovat(s.f);
  const double deviation =
      (static_cast<double>(s.f) - f) / static_cast<double>(f) * 100;
  Pechat(t, line, {c.dan, c.label, slovo});
  Pechat(t, WITH_PART, {g.dan, g.label, deviation});
}

// The neighbours of one computed part that exist; a standard value once.
void Sosedstvo(Tekst& t, std::string_view line, const Podbor& p, float f) {
  if (p.nizhe.est && p.vyshe.est && p.nizhe.chast == p.vyshe.chast) {
    Detal(t, line, p.nizhe, IN_SERIES, f);
    return;
  }
  Detal(t, line, p.nizhe, BELOW, f);
  Detal(t, line, p.vyshe, ABOVE, f);
}

// The complete set unscaled, then each quantity scaled to its prefix, then,
// with a series, the standard parts.
void Otchet(Tekst& t, const Otvet& o) {
  Dobavit(t, RULE);
  Dobavit(t, HEADING);
  Pechat(t, PLAIN, {o.F, o.C, o.L, o.R});
  Dobavit(t, UNDERLINE);
  const float order[] = {o.F, o.C, o.L, o.R};
  for (std::size_t i = 0; i < SCALED.size(); ++i) {
    const Masshtab m = Masshtabirovat(order[i]);
    Pechat(t, SCALED[i], {m.dan, m.label});
  }
  // A part with neighbours has one below it.
  if (o.podbor_C.nizhe.est || o.podbor_L.nizhe.est) {
    Pechat(t, SERIES, {o.ryad->imya});
    Sosedstvo(t, PART_C, o.podbor_C, o.F);
    Sosedstvo(t, PART_L, o.podbor_L, o.F);
    Dobavit(t, "\n");
  }
  Dobavit(t, CLOSING);
}

}  // namespace

void ZapisatTekst(Tekst& t, const Otvet& o) {
  Dobavit(t, RULE);
  Printl(t, o.str);
  Dobavit(t, "\n");
  if (o.tip == 0) {
    Dobavit(t, INVALID);
    return;
  }
  // The parsed values: what the entry gave, and 0 for the rest.
  const auto dano = [&o](char marker, float x) {
    return Vychislyaetsya(o.tip, marker) ? 0.0F : x;
  };
  Pechat(
      t, PARSED,
      {dano('F', o.F), dano('C', o.C), dano('L', o.L), dano('R', o.R), o.tip});
  Otchet(t, o);
}
