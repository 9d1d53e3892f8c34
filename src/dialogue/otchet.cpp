#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

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
// What pads a column of the pairs.
constexpr std::string_view SPACES = "         ";
static_assert(SPACES.size() == PAIR_DEVIATION_WIDTH);

// The longest answer: the echo of 80 kept characters, every text, twelve
// numbers, the combination code and the longest label four times; the
// circuit as built, every line of it; then the standard parts of two
// computed parts, each two neighbours.
constexpr std::size_t OTVET_MAX = [] {
  std::size_t n = RULE.size() + (LLL - 1) + CAPTION.size() + 1 + PARSED.size() +
                  RULE.size() + HEADING.size() + PLAIN.size() +
                  UNDERLINE.size() + CLOSING.size() + 12 * NUMBER + 1;
  for (std::string_view line : SCALED) {
    n += line.size() + LABEL;
  }
  const std::size_t band =
      std::max(BAND.size(), PAIR_BAND.size()) + LABEL + 2 * NUMBER + KRATKO;
  const std::size_t neighbour = std::max(PART_C.size(), PART_L.size()) +
                                IN_SERIES.size() + WITH_PART.size() +
                                2 * (LABEL + NUMBER) + band;
  const std::size_t pairs =
      PAIRS.size() + 8 +
      PAR * (PAIR.size() + PAIR_DEVIATION_WIDTH + PAIR_R.size() + 6 * NUMBER);
  const std::size_t kontur = STRAY.size() + CIRCUIT_C.size() + NO_PART.size() +
                             QUALITY.size() + BANDWIDTH.size() + EDGES.size() +
                             DYNAMIC.size() + LOSSLESS.size() + 6 * LABEL +
                             8 * NUMBER;
  return n + kontur + SERIES.size() + 8 + 4 * neighbour + 1 + pairs + band + 1;
}();
static_assert(OTVET_MAX <= sizeof(Tekst::bytes));

// The quantity set as %g writes it, each quantity converted once: the
// parsed values, the complete set and a quantity its prefix leaves as it is
// show the same text. In the order of the report's lines: F, C, L, R.
struct Nabor {
  std::array<float, 4> x;
  Tekst zapis;
  std::array<std::string_view, 4> tekst;
};
void Zapisat(Nabor& n) {
  for (std::size_t i = 0; i < n.x.size(); ++i) {
    const std::size_t start = n.zapis.n;
    ChisloG(n.zapis, n.x[i]);
    n.tekst[i] = {n.zapis.bytes.data() + start, n.zapis.n - start};
  }
}

// One quantity scaled to its prefix: the shown value and its label; a
// float of the calculator, or a double of the design arithmetic.
template <typename T>
struct Masshtab {
  T dan;
  std::string_view label;
};
template <typename T>
Masshtab<T> Masshtabirovat(T x) {
  const int raz = Preobr(&x);
  return {x, mnoj[static_cast<std::size_t>(raz)]};
}

// A line of one scaled quantity.
template <typename T>
void Stroka(Tekst& t, std::string_view line, T x) {
  const Masshtab<T> m = Masshtabirovat(x);
  Pechat(t, line, {m.dan, m.label});
}

// The circuit as built: the stray and the circuit's capacitance, or the
// stray's excess over it; then what the coil's losses give, where there is
// a circuit.
void KakPostroen(Tekst& t, const Otvet& o) {
  if (o.est_parazit) {
    Stroka(t, STRAY, o.parazit);
    Stroka(t, CIRCUIT_C, o.C_kontura);
  }
  if (o.bez_detali) {
    Stroka(t, NO_PART, o.izbytok);
    return;
  }
  if (!o.est_poteri) {
    return;
  }
  const Poteri& q = o.poteri;
  Pechat(t, QUALITY, {q.Q});
  if (std::isinf(q.Q) && q.Q > 0) {
    Dobavit(t, LOSSLESS);
    return;
  }
  Stroka(t, BANDWIDTH, q.polosa);
  double nizhe = q.nizhe;
  double vyshe = q.vyshe;
  PreobrKak(static_cast<double>(o.F), &nizhe);
  const int raz = PreobrKak(static_cast<double>(o.F), &vyshe);
  Pechat(t, EDGES, {nizhe, vyshe, mnoj[static_cast<std::size_t>(raz)]});
  Stroka(t, DYNAMIC, q.R_dinamicheskoe);
}

// A band of frequencies, both ends scaled to the prefix of `f`, and the
// tolerance that gives it.
void Polosu(Tekst& t, std::string_view line, Polosa p, float f, double dopusk) {
  PreobrKak(f, &p.nachalo);
  const int raz = PreobrKak(f, &p.konec);
  Pechat(t, line,
         {p.nachalo, p.konec, mnoj[static_cast<std::size_t>(raz)], dopusk});
}

// A standard part, `slovo` saying where it stands, the frequency the circuit
// has with it against the answer's frequency `f`, and its band.
void Detal(Tekst& t, std::string_view line, const Sosed& s,
           std::string_view slovo, const Otvet& o) {
  if (!s.est) {
    return;
  }
  const auto c = Masshtabirovat(s.chast);
  const auto g = Masshtabirovat(s.f);
  Pechat(t, line, {c.dan, c.label, slovo});
  Pechat(t, WITH_PART, {g.dan, g.label, Otklonenie(s.f, o.F) * 100});
  Polosu(t, BAND, s.polosa, s.f, o.dopusk);
}

// The neighbours of one computed part that exist; a standard value once.
void Sosedstvo(Tekst& t, std::string_view line, const Podbor& p,
               const Otvet& o) {
  if (VRyadu(p)) {
    Detal(t, line, p.nizhe, IN_SERIES, o);
    return;
  }
  Detal(t, line, p.nizhe, BELOW, o);
  Detal(t, line, p.vyshe, ABOVE, o);
}

// The circuits of two standard parts, the closest first, and the band of
// the first.
void Pary(Tekst& t, const Otvet& o) {
  if (o.n_par == 0) {
    return;
  }
  Pechat(t, PAIRS, {o.ryad->imya});
  for (std::size_t i = 0; i < o.n_par; ++i) {
    const Kontur& k = o.pary[i];
    Pechat(t, PAIR, {k.L, k.C, k.F});
    const std::size_t column = t.n;
    Pechat(t, PAIR_DEVIATION, {Otklonenie(k.F, o.F) * 100});
    Dobavit(t,
            SPACES.substr(0, PAIR_DEVIATION_WIDTH -
                                 std::min(t.n - column, PAIR_DEVIATION_WIDTH)));
    Pechat(t, PAIR_R, {k.R, Otklonenie(k.R, o.R) * 100});
  }
  Polosu(t, PAIR_BAND, o.polosy_par[0], o.pary[0].F, o.dopusk);
  Dobavit(t, "\n");
}

// The complete set unscaled, then each quantity scaled to its prefix, the
// circuit as built and, with a series, the standard parts.
void Otchet(Tekst& t, const Otvet& o, const Nabor& n) {
  Dobavit(t, RULE);
  Dobavit(t, HEADING);
  Pechat(t, PLAIN, {n.tekst[0], n.tekst[1], n.tekst[2], n.tekst[3]});
  Dobavit(t, UNDERLINE);
  for (std::size_t i = 0; i < SCALED.size(); ++i) {
    const auto m = Masshtabirovat(n.x[i]);
    const bool same = std::bit_cast<std::uint32_t>(m.dan) ==
                      std::bit_cast<std::uint32_t>(n.x[i]);
    Pechat(t, SCALED[i], {same ? Arg(n.tekst[i]) : Arg(m.dan), m.label});
  }
  KakPostroen(t, o);
  // A part with neighbours has one below it.
  if (o.podbor_C.nizhe.est || o.podbor_L.nizhe.est) {
    Pechat(t, SERIES, {o.ryad->imya});
    Sosedstvo(t, PART_C, o.podbor_C, o);
    Sosedstvo(t, PART_L, o.podbor_L, o);
    Dobavit(t, "\n");
    Pary(t, o);
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
  Nabor n;
  n.x = {o.F, o.C, o.L, o.R};
  Zapisat(n);
  // The parsed values: what the entry gave, and 0 for the rest.
  const auto dano = [&o, &n](char marker, std::size_t i) {
    return Vychislyaetsya(o.tip, marker) ? Arg(0.0) : Arg(n.tekst[i]);
  };
  Pechat(t, PARSED,
         {dano('F', 0), dano('C', 1), dano('L', 2), dano('R', 3), o.tip});
  Otchet(t, o, n);
}
