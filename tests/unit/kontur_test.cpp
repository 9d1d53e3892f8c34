#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "arithmetic/arithmetic.h"

// The circuit as built, against values worked out by hand with the true pi.

namespace {

constexpr double INF = std::numeric_limits<double>::infinity();

void ExpectRelative(double got, double want, double within) {
  if (std::isinf(want) || want == 0) {
    EXPECT_EQ(got, want);
  } else {
    EXPECT_NEAR(got, want, std::fabs(want) * within);
  }
}

// The part beside a stray: the circuit's capacitance, and back; none where
// the stray alone exceeds what the circuit needs. No stray changes nothing,
// to the bit.
struct Beside {
  float chast;
  double parazit;
  float kontur;
  bool est;  // a part fits the circuit
};
const Beside BESIDE[] = {
    {39.6945e-12F, 12e-12, 51.6945e-12F, true},
    {1e-8F, 0, 1e-8F, true},
    // The float nearest 12 pF lies below it: within the circuit's rounding.
    {0, 12e-12, 12e-12F, true},
    // A stray that rounds to the circuit's capacitance leaves no part, not
    // a part of its rounding.
    {0, 51.694482e-12, 51.694482e-12F, true},
    {0, 51.6945e-12 * (1 - 1e-7), 51.6945e-12F, true},
    {std::numeric_limits<float>::infinity(), 12e-12,
     std::numeric_limits<float>::infinity(), true},
    {0, 60e-12, 51.6945e-12F, false},
};

TEST(Detal, PutsThePartBesideTheStray) {
  for (const Beside& b : BESIDE) {
    SCOPED_TRACE(testing::Message() << b.kontur << " with " << b.parazit);
    float chast = -1;
    ASSERT_EQ(Detal(b.kontur, b.parazit, chast), b.est);
    if (!b.est) {
      EXPECT_EQ(chast, -1);
      continue;
    }
    ExpectRelative(chast, b.chast, 1e-6);
    ExpectRelative(EmkostKontura(chast, b.parazit), b.kontur, 1e-6);
  }
  EXPECT_EQ(EmkostKontura(1.1e-8F, 0), 1.1e-8F);
  float chast = 0;
  EXPECT_TRUE(Detal(1.1e-8F, 0, chast));
  EXPECT_EQ(chast, 1.1e-8F);
}

// A part's tolerance is a smaller share of the circuit's capacitance with
// the stray exact; a pair's band takes each part's own.
TEST(Polosa, TakesTheStrayAsExact) {
  EXPECT_NEAR(DopuskKontura(0.1, 39e-12F, 12e-12), 0.1 * 39 / 51, 1e-8);
  EXPECT_EQ(DopuskKontura(0.1, 39e-12F, 0), 0.1);
  const Polosa p = PolosaPary(1e6F, 0.1, 0.05);
  EXPECT_FLOAT_EQ(p.nachalo, 930484.21F);
  EXPECT_FLOAT_EQ(p.konec, 1081476.1F);
}

// What a coil's Q gives: the bandwidth F/Q, its edges, the dynamic
// resistance Q R. An infinite Q gives no band; a Q too small to square
// still gives a lower edge above zero, not an undefined one.
struct Losses {
  double q;
  float f, r;
  Poteri want;
};
const Losses LOSSES[] = {
    {150,
     7e6F,
     439.823F,
     {150, 46666.666667, 6976705.5554475, 7023372.2221142, 65973.45}},
    {0.5, 1e6F, 100, {0.5, 2e6, 414213.56237310, 2414213.5623731, 50}},
    {INF, 7e6F, 439.823F, {INF, 0, 7e6, 7e6, INF}},
    {1e-200, 1e6F, 100, {1e-200, 1e206, 0, INF, 1e-198}},
};

TEST(Propuskanie, GivesTheBandOfTheCoilsQ) {
  for (const Losses& l : LOSSES) {
    SCOPED_TRACE(testing::Message() << "Q=" << l.q << " F=" << l.f);
    const Poteri p = Propuskanie(l.q, l.f, l.r);
    EXPECT_EQ(p.Q, l.q);
    ExpectRelative(p.polosa, l.want.polosa, 1e-9);
    ExpectRelative(p.nizhe, l.want.nizhe, 1e-9);
    ExpectRelative(p.vyshe, l.want.vyshe, 1e-9);
    ExpectRelative(p.R_dinamicheskoe, l.want.R_dinamicheskoe, 1e-7);
  }
  EXPECT_NEAR(DobrotnostIzPoter(439.823F, 2), 219.9115, 1e-4);
  EXPECT_EQ(DobrotnostIzPoter(439.823F, 0), INF);
}

// Two readings of 10 uH with 12 pF across it, made with the true pi, back
// to that coil; in either order, one of them of the coil alone. Readings
// where the larger capacitor rings higher give a negative stray.
struct Readings {
  double c1, f1, c2, f2;
  Katushka want;
};
const Readings READINGS[] = {
    {100e-12, 4755663.5325, 47e-12, 6552305.3144, {10e-6, 12e-12}},
    {47e-12, 6552305.3144, 100e-12, 4755663.5325, {10e-6, 12e-12}},
    {0, 14528792.0783, 47e-12, 6552305.3144, {10e-6, 12e-12}},
    {100e-12, 6e6, 47e-12, 4e6, {-1.65947955e-5, -142.4e-12}},
    // Readings of a coil with no stray, as floats keep them: the rounding
    // leaves no stray, not a negative one.
    {1.000000013351432e-10,
     5032921.0,
     4.7000001113239875e-11,
     7341270.0,
     {1.0000000725627545e-05, 0}},
};

TEST(Izmerit, FindsTheCoilAndTheStrayAcrossIt) {
  for (const Readings& r : READINGS) {
    SCOPED_TRACE(testing::Message()
                 << r.c1 << "C" << r.f1 << "F " << r.c2 << "C" << r.f2 << "F");
    const Katushka k = Izmerit(r.c1, r.f1, r.c2, r.f2);
    ExpectRelative(k.L, r.want.L, 1e-8);
    ExpectRelative(k.parazit, r.want.parazit, 1e-8);
  }
}

}  // namespace
