#include <cmath>

#include "arithmetic.h"

// The stray is taken as exact: the sums are rounded once, to the float the
// calculator takes, and the part alone carries the tolerance.

float EmkostKontura(float chast, double parazit) {
  return static_cast<float>(chast + parazit);
}

// The circuit's capacitance is known as a float: a stray past it by less
// than that float's rounding leaves a part of 0, not none.
bool Detal(float kontur, double parazit, float& chast) {
  if (kontur < static_cast<float>(parazit)) {
    return false;
  }
  // Less than a millionth of the circuit's capacitance is what its rounding
  // leaves of a part of 0: no capacitor is needed, and none is fitted.
  constexpr double NICHTOZHNO = 1e-6;
  const double chast_ = kontur - parazit;
  chast = static_cast<float>(chast_ < kontur * NICHTOZHNO ? 0 : chast_);
  return true;
}

double DopuskKontura(double dopusk, float chast, double parazit) {
  return dopusk / (1 + parazit / chast);
}
