#include <cmath>
#include <utility>

#include "arithmetic.h"

namespace {

// Frequencies this close are the same circuit's, whatever rounding put
// between them: their order is left to R.
constexpr double ROVNO = 1e-6;

Polosa Razdelit(float f, double nizhe, double vyshe) {
  return {static_cast<float>(f / nizhe), static_cast<float>(f / vyshe)};
}

// The circuit of a coil and a part with the stray across it: its F and R
// are those of the part and the stray, its C the part.
Kontur Sobrat(float l, float c, double parazit) {
  Kontur k{l, EmkostKontura(c, parazit), 0, 0};
  Raschet(&k.L, &k.C, &k.F, &k.R, 1);
  k.C = c;
  return k;
}

// Whether circuit `a` comes closer to the asked F than `b`, or as close and
// closer to the asked R.
bool Blizhe(const Kontur& a, const Kontur& b, float f, float r) {
  const double da = std::fabs(Otklonenie(a.F, f));
  const double db = std::fabs(Otklonenie(b.F, f));
  if (std::fabs(da - db) > ROVNO) {
    return da < db;
  }
  return std::fabs(Otklonenie(a.R, r)) < std::fabs(Otklonenie(b.R, r));
}

}  // namespace

double Otklonenie(float x, float ot) {
  return (static_cast<double>(x) - ot) / static_cast<double>(ot);
}

Polosa PolosaDetali(float f, double dopusk) {
  return Razdelit(f, std::sqrt(1 + dopusk), std::sqrt(1 - dopusk));
}

// The square root of the square of a double is that double, so equal
// tolerances give 1+t and 1-t to the bit.
Polosa PolosaPary(float f, double dopusk_L, double dopusk_C) {
  return Razdelit(f, std::sqrt((1 + dopusk_L) * (1 + dopusk_C)),
                  std::sqrt((1 - dopusk_L) * (1 - dopusk_C)));
}

std::size_t Pary(std::span<const float> l, std::span<const float> c,
                 double parazit, float f, float r,
                 std::span<Kontur, PAR> pary) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < l.size() && i < 2; ++i) {
    for (std::size_t j = 0; j < c.size() && j < 2; ++j) {
      pary[n++] = Sobrat(l[i], c[j], parazit);
    }
  }
  // Each circuit moves up past those further off than itself: the order is
  // the same on every platform, and nothing is allocated.
  for (std::size_t i = 1; i < n; ++i) {
    for (std::size_t k = i; k > 0 && Blizhe(pary[k], pary[k - 1], f, r); --k) {
      std::swap(pary[k], pary[k - 1]);
    }
  }
  return n;
}
