#include <cmath>

#include "../common/constants.h"
#include "arithmetic.h"

namespace {

constexpr double TWO_PI = 2 * PI;
constexpr double FOUR_PI_SQUARED = TWO_PI * TWO_PI;
constexpr double INVERSE_TWO_PI = 1 / TWO_PI;

// Each formula is evaluated in double, left to right as bracketed, and
// rounded to float when stored; the second formula uses the rounded first
// result.
float ToFloat(double x) { return static_cast<float>(x); }

// The capacitance (or inductance) that resonates with the other at f.
float Partner(double f, double other) {
  return ToFloat(1 / (((f * FOUR_PI_SQUARED) * f) * other));
}

float Reactance(double f, double l) { return ToFloat((f * TWO_PI) * l); }

}  // namespace

int Raschet(float* l, float* c, float* f, float* r, int tip) {
  float L = *l;
  float C = *c;
  float F = *f;
  float R = *r;
  switch (tip) {
    case 1:
      F = ToFloat(INVERSE_TWO_PI /
                  std::sqrt(static_cast<double>(L) * static_cast<double>(C)));
      R = Reactance(F, L);
      *f = F;
      *r = R;
      break;
    case 2:
      C = Partner(F, L);
      *c = C;
      *r = Reactance(F, L);
      break;
    case 3:
      L = Partner(F, C);
      *l = L;
      *r = Reactance(F, L);
      break;
    case 4:
      F = ToFloat(1 / ((static_cast<double>(C) * TWO_PI) * R));
      *f = F;
      *l = Partner(F, C);
      break;
    case 5:
      F = ToFloat(R / (static_cast<double>(L) * TWO_PI));
      *f = F;
      *c = Partner(F, L);
      break;
    case 6:
      L = ToFloat(R / (static_cast<double>(F) * TWO_PI));
      *l = L;
      *c = ToFloat(1 / ((static_cast<double>(F) * TWO_PI) * R));
      break;
    default:
      break;
  }
  return 0;
}
