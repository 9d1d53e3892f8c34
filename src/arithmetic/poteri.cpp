#include <cmath>

#include "arithmetic.h"

double DobrotnostIzPoter(float r, double poteri) { return r / poteri; }

Poteri Propuskanie(double q, float f, float r) {
  // The edges lie at F/k and F k, with k = sqrt(1 + 1/(4Q^2)) + 1/(2Q): the
  // lower edge divided out rather than subtracted, which would cancel to
  // nothing for a small Q. An infinite Q gives k = 1: no band at all.
  const double a = 1 / (2 * q);
  const double k = std::sqrt(1 + a * a) + a;
  return {q, f / q, f / k, f * k, q * r};
}
