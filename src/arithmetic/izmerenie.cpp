#include <algorithm>
#include <cmath>

#include "../common/constants.h"
#include "arithmetic.h"

Katushka Izmerit(double c1, double f1, double c2, double f2) {
  // F^2 (C + Cs) is the same for both readings: 1/(4 pi^2 L).
  const double k1 = f1 * f1;
  const double k2 = f2 * f2;
  double parazit = (k2 * c2 - k1 * c1) / (k1 - k2);
  // Less than a millionth of the capacitors is what the readings' rounding
  // leaves of no stray at all, not a contradiction between them.
  constexpr double NICHTOZHNO = 1e-6;
  parazit = std::fabs(parazit) < std::max(c1, c2) * NICHTOZHNO ? 0 : parazit;
  const double w = 2 * PI * f1;
  return {1 / ((w * w) * (c1 + parazit)), parazit};
}
