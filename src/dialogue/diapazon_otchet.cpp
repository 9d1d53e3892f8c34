#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "../arithmetic/diapazon.h"
#include "../common/texts.h"
#include "dialogue.h"

namespace {

// What a directive writes at most: a number by %g, or a prefix label.
constexpr std::size_t POLE = 24;

constexpr std::size_t Dlinnee(std::initializer_list<std::string_view> s) {
  std::size_t n = 0;
  for (const std::string_view x : s) {
    n = std::max(n, x.size());
  }
  return n;
}

// The longest report before the standard parts, and the longest of them,
// each with every directive at its widest: each is written at once.
constexpr std::size_t OTCHET_MAX =
    RULE.size() + DIAPAZON.size() + ZAD_POLOSA.size() + ZAD_PEREMENNYI.size() +
    ZAD_PARAZIT.size() + Dlinnee({ZAD_VYBOR[0], ZAD_VYBOR[1], ZAD_VYBOR[2]}) +
    PREDELY.size() + PREDEL_L.size() + PREDEL_TRIMMER.size() +
    Dlinnee({PREDEL_PADDER, PADDER_NE_NUZHEN}) + RASCHET.size() +
    std::max(
        PROVAL.size() + Dlinnee({NEVOZMOZHNO, VNE_PREDELOV[0], VNE_PREDELOV[1],
                                 VNE_PREDELOV[2], PADDER_LISHNII}),
        PROEKT_L.size() + PROEKT_TRIMMER.size() +
            Dlinnee({PROEKT_PADDER, BEZ_PADDERA}) + NASTROIKA.size() +
            SHKALA.size() + DELENII * (3 + DELENIE.size())) +
    (3 + 3 + 2 + 2 + 3 + 2 + 2 + 2 + 2 + 2 + 3 + 3 * DELENII) * POLE;
static_assert(OTCHET_MAX <= sizeof(Tekst::bytes));
constexpr std::size_t STANDARTY_MAX =
    STANDARTY.size() + POLE +
    STANDARTNYH * (STANDART_L.size() + Dlinnee({STANDART_PADDER, BEZ_PADDERA}) +
                   Dlinnee({STANDART_TRIMMER, STANDART_BEZ_TRIMMERA}) +
                   STANDART_POLOSA.size() + NE_PEREKRYVAET.size() + 9 * POLE) +
    CLOSING.size();
static_assert(STANDARTY_MAX <= sizeof(Tekst::bytes));

// A value scaled to a prefix, and that prefix's label.
struct Znach {
  double x;
  std::string_view label;
};

// `x` scaled to the prefix of `obrazec`.
Znach Kak(double obrazec, double x) {
  const int raz = PreobrKak(obrazec, &x);
  return {x, mnoj[static_cast<std::size_t>(raz)]};
}

// A part scaled to its own prefix; none (0) to that of `inache`.
Znach Sam(double x, double inache) { return Kak(x > 0 ? x : inache, x); }

// Two ends, both scaled to the prefix of the larger, `b`.
void Koncy(Tekst& t, std::string_view line, double a, double b) {
  const Znach ot = Kak(b, a);
  const Znach doo = Kak(b, b);
  Pechat(t, line, {ot.x, doo.x, doo.label});
}

std::size_t Kakaya(Vybor v) { return static_cast<std::size_t>(v) - 1; }
static_assert(static_cast<std::size_t>(Vybor::Padder) == ZAD_VYBOR.size(),
              "a line for each part chosen");

// The band and the variable asked, the strays and the part chosen.
void Zadano(Tekst& t, const Zadanie& z) {
  Koncy(t, ZAD_POLOSA, z.f_min, z.f_max);
  Koncy(t, ZAD_PEREMENNYI, z.c_min, z.c_max);
  const Znach s = Sam(z.parazit, z.c_max);
  Pechat(t, ZAD_PARAZIT, {s.x, s.label});
  if (z.vybor != Vybor::Net) {
    const Znach v = Sam(z.znachenie, z.c_max);
    Pechat(t, ZAD_VYBOR[Kakaya(z.vybor)], {v.x, v.label});
  }
}

void Predelami(Tekst& t, const Predely& p, double c_max) {
  Dobavit(t, PREDELY);
  Koncy(t, PREDEL_L, p.L_min, p.L_max);
  const Znach ct = Sam(p.trimmer_max, c_max);
  Pechat(t, PREDEL_TRIMMER, {ct.x, ct.label});
  if (std::isinf(p.padder_min)) {
    Dobavit(t, PADDER_NE_NUZHEN);
    return;
  }
  const Znach cp = Sam(p.padder_min, c_max);
  Pechat(t, PREDEL_PADDER, {cp.x, cp.label});
}

// The padder of a circuit, or the words that it has none.
void Padder(Tekst& t, std::string_view line, double padder, double c_max) {
  if (std::isinf(padder)) {
    Dobavit(t, BEZ_PADDERA);
    return;
  }
  const Znach cp = Sam(padder, c_max);
  Pechat(t, line, {cp.x, cp.label});
}

void Proekt(Tekst& t, const Shema& sh, double c_max) {
  const Znach l = Sam(sh.L, sh.L);
  Pechat(t, PROEKT_L, {l.x, l.label});
  const Znach ct = Sam(sh.trimmer, c_max);
  Pechat(t, PROEKT_TRIMMER, {ct.x, ct.label});
  Padder(t, PROEKT_PADDER, sh.padder, c_max);
  Koncy(t, NASTROIKA, sh.f_low, sh.f_high);
}

// The percent right-aligned in three places, then the frequency.
void Shkaloi(Tekst& t, const Shkala& k) {
  Dobavit(t, SHKALA);
  for (std::size_t i = 0; i < k.size(); ++i) {
    Dobavit(t, std::string_view("   ").substr(0, i == 0 ? 3 : i < 10 ? 2 : 1));
    const Znach f = Kak(k.front(), k[i]);
    Pechat(t, DELENIE, {static_cast<int>(i * 10), f.x, f.label});
  }
}

}  // namespace

void ZapisatProval(Tekst& t, const Sopryazhenie& o) {
  const Zadanie& z = o.zadanie;
  const Predely& p = o.predely;
  if (o.ishod == Ishod::Nevozmozhno) {
    Koncy(t, NEVOZMOZHNO, z.f_min, o.f_predel);
  } else if (z.vybor == Vybor::Katushka) {
    Koncy(t, VNE_PREDELOV[Kakaya(z.vybor)], p.L_min, p.L_max);
  } else if (z.vybor == Vybor::Trimmer) {
    const Znach ct = Sam(p.trimmer_max, z.c_max);
    Pechat(t, VNE_PREDELOV[Kakaya(z.vybor)], {ct.x, ct.label});
  } else if (std::isinf(p.padder_min)) {
    Dobavit(t, PADDER_LISHNII);
  } else {
    const Znach cp = Sam(p.padder_min, z.c_max);
    Pechat(t, VNE_PREDELOV[Kakaya(z.vybor)], {cp.x, cp.label});
  }
}

void ZapisatDiapazon(Tekst& t, const Sopryazhenie& o) {
  Dobavit(t, RULE);
  Dobavit(t, DIAPAZON);
  Zadano(t, o.zadanie);
  if (o.ishod != Ishod::Nevozmozhno) {
    Predelami(t, o.predely, o.zadanie.c_max);
  }
  Dobavit(t, RASCHET);
  if (o.ishod != Ishod::Gotovo) {
    Dobavit(t, PROVAL);
    ZapisatProval(t, o);
    return;
  }
  Proekt(t, o.proekt, o.zadanie.c_max);
  Shkaloi(t, o.shkala);
}

void ZapisatStandarty(Tekst& t, const Sopryazhenie& o) {
  if (o.n_standart > 0) {
    Pechat(t, STANDARTY, {o.ryad->imya});
  }
  const double c_max = o.zadanie.c_max;
  for (std::size_t i = 0; i < o.n_standart; ++i) {
    const Standart& s = o.standart[i];
    const Znach l = Sam(s.shema.L, s.shema.L);
    Pechat(t, STANDART_L, {l.x, l.label});
    Padder(t, STANDART_PADDER, s.shema.padder, c_max);
    if (s.bez_trimmera) {
      Dobavit(t, STANDART_BEZ_TRIMMERA);
    } else {
      const Znach ct = Sam(s.shema.trimmer, c_max);
      Pechat(t, STANDART_TRIMMER, {ct.x, ct.label});
    }
    const Znach ot = Kak(s.shema.f_high, s.shema.f_low);
    const Znach doo = Kak(s.shema.f_high, s.shema.f_high);
    Pechat(
        t, STANDART_POLOSA,
        {ot.x, doo.x, doo.label, s.perekryvaet ? PEREKRYVAET : NE_PEREKRYVAET});
  }
  Dobavit(t, CLOSING);
}
