#include <array>

#include "arithmetic.h"

namespace {

struct Step {
  double porog;    // the least value shown with this prefix
  double delitel;  // what the value is divided by for display
  int index;       // the prefix label
};

// Each threshold is half its divisor, so a value from 5e-25 up to 5e20 shows
// a mantissa from 0.5 to 500. The float is widened for the comparison: the
// float nearest 5e-7 lies below the double 5e-7 and so shows as 500 nano.
constexpr std::array<Step, 16> STEPS{{
    {5e20, 1e21, 15},
    {5e17, 1e18, 14},
    {5e14, 1e15, 13},
    {5e11, 1e12, 12},
    {5e8, 1e9, 0},
    {5e5, 1e6, 1},
    {500, 1e3, 2},
    {0.5, 1, 3},
    {0.0005, 1e-3, 4},
    {5e-7, 1e-6, 5},
    {5e-10, 1e-9, 6},
    {5e-13, 1e-12, 7},
    {5e-16, 1e-15, 8},
    {5e-19, 1e-18, 9},
    {5e-22, 1e-21, 10},
    {5e-25, 1e-24, 11},
}};
static_assert(STEPS.back().index == 11, "a threshold is missing");

// Zero, negative values, NaN and anything below the smallest threshold keep
// their value and take the atto label.
constexpr int UNSCALED = 9;

// A float is divided in double and rounded back; a double as it is.
template <typename T>
int Masshtab(double obrazec, T* adr) {
  const double dan = *adr;
  for (const Step& s : STEPS) {
    if (obrazec >= s.porog) {
      *adr = static_cast<T>(dan / s.delitel);
      return s.index;
    }
  }
  return UNSCALED;
}

}  // namespace

int PreobrKak(float obrazec, float* adr) { return Masshtab(obrazec, adr); }

int Preobr(float* adr) { return PreobrKak(*adr, adr); }

int PreobrKak(double obrazec, double* adr) { return Masshtab(obrazec, adr); }

int Preobr(double* adr) { return PreobrKak(*adr, adr); }
