#include "diapazon.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "../common/constants.h"

// The band is covered exactly when the total at the variable's largest
// tunes f_min and the total at its least f_max: with r = (f_max / f_min)^2
// their ratio is r. The total is s + t + S(c): the strays, the trimmer and
// the variable c in series with the padder p, S(c) = c p / (c + p).

namespace {

constexpr double TWO_PI = 2 * PI;
constexpr double INVERSE_TWO_PI = 1 / TWO_PI;

// Rounding alone puts the trimmer of a band that the variable and the
// strays cover exactly this far, relative to the total at the variable's
// least, on either side of 0.
constexpr double ROVNO = 1e-12;

// A choice this close to an end of its range, relative to that end (the
// trimmer's to its largest), is that end: the six digits the report shows
// an end with cannot tell them apart.
constexpr double PECHAT = 5e-6;

// The circuit asked, with what all its designs share.
struct Dano {
  double a = 0;  // the variable's least, farad
  double b = 0;  // its largest
  double s = 0;  // the strays
  double r = 0;
  double r1 = 0;   // r - 1, without cancellation
  double w2 = 0;   // (2 pi f_min)^2
  double ct0 = 0;  // the trimmer of the design without a padder
};

double Posledovatelno(double c, double padder) {
  return std::isinf(padder) ? c : c * padder / (c + padder);
}

// The one positive root of  a x^2 - b x - c = 0  with b, c >= 0, in the
// form in which nothing cancels; infinite where a <= 0.
double Koren(double a, double b, double c) {
  return a > 0 ? (b + std::sqrt(b * b + 4 * a * c)) / (2 * a) : INFINITY;
}

// The frequency of the circuit with the variable at `c`.
double Na(const Dano& d, const Shema& sh, double c) {
  const double total = d.s + sh.trimmer + Posledovatelno(c, sh.padder);
  return INVERSE_TWO_PI / std::sqrt(sh.L * total);
}

Shkala Shkalu(const Dano& d, const Shema& sh) {
  Shkala k{};
  for (std::size_t i = 0; i < DELENII; ++i) {
    k[i] = Na(d, sh, std::lerp(d.a, d.b, static_cast<double>(i) / 10));
  }
  return k;
}
static_assert(DELENII == 11, "a mark at each tenth of the travel");

// The band the parts tune, computed back from them.
Shema Nastroit(const Dano& d, double L, double trimmer, double padder) {
  Shema sh{L, trimmer, padder, 0, 0};
  sh.f_low = Na(d, sh, d.b);
  sh.f_high = Na(d, sh, d.a);
  return sh;
}

// The coil that tunes f_min with this trimmer and padder.
Shema Sobrat(const Dano& d, double trimmer, double padder) {
  const double total = d.s + trimmer + Posledovatelno(d.b, padder);
  return Nastroit(d, 1 / (d.w2 * total), trimmer, padder);
}

// With A = s + t the ratio is r when
//   (ct0 - t) p^2 - (ab + A (a + b)) p - A ab = 0,
// solved in units of the variable's largest, where no square overflows.
double PadderDlya(const Dano& d, double trimmer) {
  const double a = d.a / d.b;
  const double A = (d.s + trimmer) / d.b;
  return Koren((d.ct0 - trimmer) / d.b, a + A * (1 + a), A * a) * d.b;
}

// The coil fixes the total at the largest, K, and so the one at the least,
// K / r; the swing S(b) - S(a) is then D = K (1 - 1/r), and
//   (b - a - D) p^2 - D (a + b) p - D ab = 0.
// The trimmer follows from the smaller total, where rounding costs least.
Shema SKatushkoi(const Dano& d, double L) {
  const double K = 1 / (d.w2 * L);
  const double D = K * (d.r1 / d.r) / d.b;
  const double a = d.a / d.b;
  const double padder = Koren((d.b - d.a) / d.b - D, D * (1 + a), D * a) * d.b;
  return Nastroit(d, L, K / d.r - d.s - Posledovatelno(d.a, padder), padder);
}

// The padder fixes the swing D = S(b) - S(a) = p^2 (b - a) / ((a + p)(b + p)),
// and the ratio is r when s + t = D / (r - 1) - S(a).
Shema SPadderom(const Dano& d, double padder) {
  const double D =
      padder / (d.a + padder) * (padder / (d.b + padder)) * (d.b - d.a);
  return Sobrat(d, D / d.r1 - Posledovatelno(d.a, padder) - d.s, padder);
}

// Takes the choice `x` in the range from `ot` to `doo` (infinite: none),
// within PECHAT of an end as that end; false outside the range.
bool Vzyat(double& x, double ot, double doo) {
  if (std::fabs(x - ot) <= PECHAT * (ot > 0 ? ot : doo)) {
    x = ot;
    return true;
  }
  if (std::isfinite(doo) && std::fabs(x - doo) <= PECHAT * doo) {
    x = doo;
    return true;
  }
  return x > ot && x < doo;
}

// The design for the choice asked, the ends of each range being the two
// designs that bound them; false for a choice outside its range.
bool Proekt(const Dano& d, const Zadanie& z, const Predely& p, const Shema& bez,
            const Shema& naim, Shema& sh) {
  double x = z.znachenie;
  switch (z.vybor) {
    case Vybor::Net:
      sh = bez;
      return true;
    case Vybor::Katushka:
      if (!Vzyat(x, p.L_min, p.L_max)) {
        return false;
      }
      sh = x == p.L_min ? bez : x == p.L_max ? naim : SKatushkoi(d, x);
      return true;
    case Vybor::Trimmer:
      if (!Vzyat(x, 0, p.trimmer_max)) {
        return false;
      }
      sh = x == p.trimmer_max ? bez
           : x == 0           ? naim
                              : Sobrat(d, x, PadderDlya(d, x));
      return true;
    case Vybor::Padder:
      // Where no padder is needed, any padder narrows the swing too far.
      if (std::isinf(p.padder_min) || !Vzyat(x, p.padder_min, INFINITY)) {
        return false;
      }
      sh = x == p.padder_min ? naim : SPadderom(d, x);
      return true;
  }
  return false;
}

// Whether a band holds the band asked, but for rounding.
bool Perekryvaet(const Shema& sh, const Zadanie& z) {
  return sh.f_low <= z.f_min * (1 + ROVNO) &&
         sh.f_high >= z.f_max * (1 - ROVNO);
}

// A circuit of a standard coil and padder (infinite: none) with the trimmer
// that tunes f_min; where that would be less than none, none. A trimmer
// that rounding alone puts below 0 (the design's own coil and padder) is 0.
Standart Standartnyi(const Dano& d, const Zadanie& z, double L, double padder) {
  const double total = 1 / (d.w2 * L);
  const double trimmer = total - d.s - Posledovatelno(d.b, padder);
  Standart st;
  st.bez_trimmera = trimmer < -ROVNO * total;
  st.shema = Nastroit(d, L, std::max(trimmer, 0.0), padder);
  st.perekryvaet = Perekryvaet(st.shema, z);
  st.shkala = Shkalu(d, st.shema);
  return st;
}

// The standard values next to a part, a standard value once; how many.
std::size_t Ryadom(double x, const Ryad& ryad, std::array<double, 2>& v) {
  double nizhe = 0;
  double vyshe = 0;
  if (!Sosedi(x, ryad, &nizhe, &vyshe)) {
    return 0;
  }
  std::size_t n = 0;
  for (const double s : {nizhe, vyshe}) {
    if (std::isfinite(s) && s > 0 && (n == 0 || s != v[0])) {
      v[n++] = s;
    }
  }
  return n;
}

// How much wider than the band a covering circuit tunes, as a ratio; how
// far short of f_max the top of another stays. Less is better.
double Izbytok(const Standart& s, const Zadanie& z) {
  return s.perekryvaet ? s.shema.f_high / z.f_max * (z.f_min / s.shema.f_low)
                       : z.f_max / s.shema.f_high;
}

bool Luchshe(const Standart& a, const Standart& b, const Zadanie& z) {
  if (a.perekryvaet != b.perekryvaet) {
    return a.perekryvaet;
  }
  return Izbytok(a, z) < Izbytok(b, z);
}

// Each neighbour of the design's coil with each of its padder's, or with
// none where the design has none, in their order. A coil or a padder the
// builder chose is in their hands (a coil wound, a padder bought): it stays
// as the design has it, and only the parts computed are given neighbours.
void Standarty(const Dano& d, const Shema& proekt, Sopryazhenie& o) {
  const Vybor vybor = o.zadanie.vybor;
  std::array<double, 2> l{proekt.L, 0};
  std::array<double, 2> p{proekt.padder, INFINITY};
  const std::size_t nl =
      vybor == Vybor::Katushka ? 1 : Ryadom(proekt.L, *o.ryad, l);
  const std::size_t np = vybor == Vybor::Padder || std::isinf(proekt.padder)
                             ? 1
                             : Ryadom(proekt.padder, *o.ryad, p);
  for (std::size_t i = 0; i < nl; ++i) {
    for (std::size_t j = 0; j < np; ++j) {
      o.standart[o.n_standart++] = Standartnyi(d, o.zadanie, l[i], p[j]);
    }
  }
  // Each moves up past those worse than itself: the same order on every
  // platform, and nothing allocated.
  for (std::size_t i = 1; i < o.n_standart; ++i) {
    for (std::size_t k = i;
         k > 0 && Luchshe(o.standart[k], o.standart[k - 1], o.zadanie); --k) {
      std::swap(o.standart[k], o.standart[k - 1]);
    }
  }
}

}  // namespace

bool DvaKonca(double a, double b) {
  return std::isfinite(a) && std::isfinite(b) && a > 0 && b > 0 && a != b;
}

Sopryazhenie Sopryach(const Zadanie& z, const Ryad* ryad) {
  Sopryazhenie o;
  o.zadanie = z;
  o.ryad = ryad;
  Zadanie& v = o.zadanie;
  if (v.f_min > v.f_max) {
    std::swap(v.f_min, v.f_max);
  }
  if (v.c_min > v.c_max) {
    std::swap(v.c_min, v.c_max);
  }
  Dano d;
  d.a = v.c_min;
  d.b = v.c_max;
  d.s = v.parazit;
  const double k = v.f_max / v.f_min;
  d.r = k * k;
  d.r1 = (v.f_max - v.f_min) / v.f_min * ((v.f_max + v.f_min) / v.f_min);
  d.w2 = (TWO_PI * v.f_min) * (TWO_PI * v.f_min);
  o.f_predel = v.f_min * std::sqrt((d.b + d.s) / (d.a + d.s));
  // The trimmer without a padder: (b - r a) / (r - 1) - s.
  const double ct0 = (d.b - d.a) / d.r1 - d.a - d.s;
  if (ct0 < -ROVNO * (d.a + d.s)) {
    return o;
  }
  d.ct0 = ct0 > ROVNO * (d.a + d.s) ? ct0 : 0;
  const Shema bez = Sobrat(d, d.ct0, INFINITY);
  const Shema naim = d.ct0 > 0 ? Sobrat(d, 0, PadderDlya(d, 0)) : bez;
  o.predely = {bez.L, naim.L, d.ct0, naim.padder};
  if (!Proekt(d, v, o.predely, bez, naim, o.proekt)) {
    o.ishod = Ishod::VnePredelov;
    return o;
  }
  o.ishod = Ishod::Gotovo;
  o.shkala = Shkalu(d, o.proekt);
  if (ryad != nullptr) {
    Standarty(d, o.proekt, o);
  }
  return o;
}
