#include "arithmetic.h"

// The stray is taken as exact: the sums are rounded once, to the float the
// calculator takes, and the part alone carries the tolerance.

float EmkostKontura(float chast, double parazit) {
  return static_cast<float>(chast + parazit);
}

bool Detal(float kontur, double parazit, float& chast) {
  if (kontur < parazit) {
    return false;
  }
  chast = static_cast<float>(kontur - parazit);
  return true;
}

double DopuskKontura(double dopusk, float chast, double parazit) {
  return dopusk / (1 + parazit / chast);
}
