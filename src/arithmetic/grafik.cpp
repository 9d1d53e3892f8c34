#include <algorithm>
#include <cmath>

#include "arithmetic.h"

namespace {

bool Polozhitelnoe(float x) { return std::isnormal(x) && x > 0; }

// The reactances at `f`: each the R that the calculator gives for an entry
// of that frequency with the answer's L (code 2), and with its C (code 3).
void Reaktansy(float f, float l, float c, float* xl, float* xc) {
  float C = 0;
  float L = 0;
  Raschet(&l, &C, &f, xl, 2);
  Raschet(&L, &c, &f, xc, 3);
}

int Poryadok(double x) { return static_cast<int>(std::floor(std::log10(x))); }

}  // namespace

float StepenDesyati(int k) { return static_cast<float>(std::pow(10.0, k)); }

bool Postroit(float l, float c, float f, Grafik& g) {
  if (!Polozhitelnoe(l) || !Polozhitelnoe(c) || !Polozhitelnoe(f)) {
    return false;
  }
  Grafik p;
  p.f0 = Poryadok(f) - 1;
  // The decades, then the answer's F among them in its place.
  for (int i = 0; i <= DEKAD; ++i) {
    p.f[static_cast<std::size_t>(i)] = StepenDesyati(p.f0 + i);
  }
  p.f.back() = f;
  std::sort(p.f.begin(), p.f.end());
  double least = INFINITY;
  double most = 0;
  for (std::size_t i = 0; i < Grafik::TOCHEK; ++i) {
    Reaktansy(p.f[i], l, c, &p.xl[i], &p.xc[i]);
    for (const float x : {p.f[i], p.xl[i], p.xc[i]}) {
      if (!Polozhitelnoe(x)) {
        return false;
      }
    }
    least = std::min(
        {least, static_cast<double>(p.xl[i]), static_cast<double>(p.xc[i])});
    most = std::max(
        {most, static_cast<double>(p.xl[i]), static_cast<double>(p.xc[i])});
  }
  p.r0 = Poryadok(least);
  p.r1 = std::max(p.r0 + 1, static_cast<int>(std::ceil(std::log10(most))));
  // The axis ends are labelled as quantities of their own.
  if (!Polozhitelnoe(StepenDesyati(p.r0)) ||
      !Polozhitelnoe(StepenDesyati(p.r1))) {
    return false;
  }
  g = p;
  return true;
}

bool Razmetit(double ot, double doo, Razmetka& r) {
  if (!std::isfinite(ot) || !std::isfinite(doo) || !(doo > ot)) {
    return false;
  }
  // The power of ten at or below the step that would take them all: its
  // step of 1 may take more, its 20 never does.
  const double e =
      std::pow(10.0, std::floor(std::log10((doo - ot) / (RAZMETKA - 1))));
  for (const double m : {1.0, 2.0, 5.0, 10.0, 20.0}) {
    const double shag = m * e;
    const double pervyi = std::floor(ot / shag);
    const double poslednii = std::ceil(doo / shag);
    // At least two marks; a span too narrow for the double's own steps at
    // these values has none.
    if (poslednii > pervyi && poslednii - pervyi < RAZMETKA) {
      Razmetka p;
      p.n = static_cast<std::size_t>(poslednii - pervyi) + 1;
      for (std::size_t i = 0; i < p.n; ++i) {
        p.x[i] = (pervyi + static_cast<double>(i)) * shag;
      }
      r = p;
      return true;
    }
  }
  return false;
}
