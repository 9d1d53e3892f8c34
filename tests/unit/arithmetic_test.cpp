#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "arithmetic/arithmetic.h"

namespace {

constexpr float INF = std::numeric_limits<float>::infinity();
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

// The quantity set in the order L, C, F, R.
struct Set {
  float L, C, F, R;
};

struct Resonance {
  int tip;
  Set given;
  Set expected;  // worked out with the true pi, to six significant digits
};

// 4.5 uH with 10 nF, and the same circuit entered through every other pair.
const Resonance CIRCUITS[] = {
    {1, {4.5e-6F, 1e-8F, 0, 0}, {4.5e-6F, 1e-8F, 750263.6F, 21.21320F}},
    {2, {4.5e-6F, 0, 750263.6F, 0}, {4.5e-6F, 1e-8F, 750263.6F, 21.21320F}},
    {3, {0, 1e-8F, 750263.6F, 0}, {4.5e-6F, 1e-8F, 750263.6F, 21.21320F}},
    {4, {0, 1e-8F, 0, 21.21320F}, {4.5e-6F, 1e-8F, 750263.6F, 21.21320F}},
    {5, {4.5e-6F, 0, 0, 21.21320F}, {4.5e-6F, 1e-8F, 750263.6F, 21.21320F}},
    {6, {0, 0, 750263.6F, 21.21320F}, {4.5e-6F, 1e-8F, 750263.6F, 21.21320F}},
    {4, {0, 1e-6F, 0, 1}, {1e-6F, 1e-6F, 159154.9F, 1}},
    {6, {0, 0, 1e3F, 1}, {1.591549e-4F, 1.591549e-4F, 1e3F, 1}},
    {2, {2.2e-3F, 0, 1e-6F, 0}, {2.2e-3F, 1.151377e13F, 1e-6F, 1.382301e-8F}},
};

void ExpectNear(float got, float want) {
  EXPECT_NEAR(got, want, std::fabs(want) * 1e-6);
}

TEST(Raschet, ComputesTheMissingPairForEveryCode) {
  for (const Resonance& c : CIRCUITS) {
    SCOPED_TRACE(testing::Message()
                 << "code " << c.tip << " from L=" << c.given.L << " C="
                 << c.given.C << " F=" << c.given.F << " R=" << c.given.R);
    Set s = c.given;
    EXPECT_EQ(Raschet(&s.L, &s.C, &s.F, &s.R, c.tip), 0);
    ExpectNear(s.L, c.expected.L);
    ExpectNear(s.C, c.expected.C);
    ExpectNear(s.F, c.expected.F);
    ExpectNear(s.R, c.expected.R);
  }
}

TEST(Raschet, LetsInfinityAndNaNThroughAndIgnoresOtherCodes) {
  Set s{0, 1, 0, 0};  // 0L1C
  Raschet(&s.L, &s.C, &s.F, &s.R, 1);
  EXPECT_EQ(s.F, INF);
  EXPECT_TRUE(std::isnan(s.R));
  EXPECT_EQ(s.L, 0);
  EXPECT_EQ(s.C, 1);

  s = {0, 1, 0, 0};  // 0R1C: the frequency is infinite, the inductance 0
  Raschet(&s.L, &s.C, &s.F, &s.R, 4);
  EXPECT_EQ(s.F, INF);
  EXPECT_EQ(s.L, 0);

  for (int tip : {0, 7, -1}) {
    SCOPED_TRACE(tip);
    s = {1, 2, 3, 4};
    Raschet(&s.L, &s.C, &s.F, &s.R, tip);
    EXPECT_EQ(s.L, 1);
    EXPECT_EQ(s.C, 2);
    EXPECT_EQ(s.F, 3);
    EXPECT_EQ(s.R, 4);
  }
}

struct Scaling {
  float value;
  float shown;
  int index;
};

// One group of rows per band of the prefix table, from the top down: a value
// inside the band, the least float the band takes and the greatest float
// below it (the float nearest a threshold can lie on either side of it).
const Scaling SCALINGS[] = {
    {INF, INF, 15},
    {3.4e38F, 3.4e17F, 15},
    {1e24F, 1000, 15},
    {1e21F, 1, 15},
    {5e20F, 0.5F, 15},
    {std::nextafter(5e20F, 0.0F), 499.99997F, 14},
    {1e20F, 100, 14},
    {1e18F, 1, 14},
    {std::nextafter(5e17F, INF), 0.5F, 14},
    {5e17F, 500, 13},
    {1e15F, 1, 13},
    {std::nextafter(5e14F, INF), 0.5F, 13},
    {5e14F, 500, 12},
    {6e11F, 0.6F, 12},
    {std::nextafter(5e11F, INF), 0.5F, 12},
    {5e11F, 500, 0},
    {2e9F, 2, 0},
    {5e8F, 0.5F, 0},
    {std::nextafter(5e8F, 0.0F), 499.99997F, 1},
    {7.5e5F, 0.75F, 1},
    {5e5F, 0.5F, 1},
    {std::nextafter(5e5F, 0.0F), 499.99997F, 2},
    {500, 0.5F, 2},
    {std::nextafter(500.0F, 0.0F), 499.99997F, 3},
    {499, 499, 3},
    {21.2F, 21.2F, 3},
    {0.5F, 0.5F, 3},
    {std::nextafter(0.5F, 0.0F), 499.99997F, 4},
    {1e-3F, 1, 4},
    {5e-4F, 0.5F, 4},
    {std::nextafter(5e-4F, 0.0F), 499.99997F, 5},
    {1e-6F, 1, 5},
    {std::nextafter(5e-7F, INF), 0.5F, 5},
    // The float nearest 5e-7 lies below the double 5e-7: 500 nano, not 0.5
    // micro.
    {5e-7F, 500, 6},
    {1e-8F, 10, 6},
    {std::nextafter(5e-10F, INF), 0.5F, 6},
    {5e-10F, 500, 7},
    {1e-12F, 1, 7},
    {std::nextafter(5e-13F, INF), 0.5F, 7},
    {5e-13F, 500, 8},
    {1e-15F, 1, 8},
    {5e-16F, 0.5F, 8},
    {std::nextafter(5e-16F, 0.0F), 499.99994F, 9},
    {1e-18F, 1, 9},
    {5e-19F, 0.5F, 9},
    {std::nextafter(5e-19F, 0.0F), 499.99997F, 10},
    {1e-21F, 1, 10},
    {std::nextafter(5e-22F, INF), 0.5F, 10},
    {5e-22F, 499.99997F, 11},
    {1e-23F, 10, 11},
    {5e-25F, 0.5F, 11},
    // Below the least threshold, zero and negative values keep their value.
    {std::nextafter(5e-25F, 0.0F), std::nextafter(5e-25F, 0.0F), 9},
    {1e-30F, 1e-30F, 9},
    {0, 0, 9},
    {-3, -3, 9},
};

// The picture of 4.5 uH with 10 nF: three decades of frequency around its
// F, each line through the points the calculator gives, the reactance axis
// the decades that hold them; and no picture of a circuit with a zero or
// infinite part.
struct Picture {
  Set set;
  bool est;
  int f0, r0, r1;
};
const Picture PICTURES[] = {
    {{4.5e-6F, 1e-8F, 750263.6F, 0}, true, 4, -1, 4},
    {{1e-6F, 1e-6F, 159154.9F, 0}, true, 4, -2, 2},
    {{0, 1e-8F, INF, 0}, false, 0, 0, 0},
    {{4.5e-6F, INF, 0, 0}, false, 0, 0, 0},
};

TEST(Postroit, DrawsBothReactancesThroughTheAnswer) {
  for (const Picture& c : PICTURES) {
    SCOPED_TRACE(testing::Message() << "L=" << c.set.L << " C=" << c.set.C);
    Grafik g;
    ASSERT_EQ(Postroit(c.set.L, c.set.C, c.set.F, g), c.est);
    if (!c.est) {
      continue;
    }
    EXPECT_EQ(g.f0, c.f0);
    EXPECT_EQ(g.r0, c.r0);
    EXPECT_EQ(g.r1, c.r1);
    for (std::size_t i = 0; i < Grafik::TOCHEK; ++i) {
      // 2 pi f L and 1 / (2 pi f C), with the true pi.
      const double w = 2 * 3.14159265358979 * g.f[i];
      ExpectNear(g.xl[i], static_cast<float>(w * c.set.L));
      ExpectNear(g.xc[i], static_cast<float>(1 / (w * c.set.C)));
    }
    EXPECT_EQ(g.f[0], StepenDesyati(c.f0));
    EXPECT_EQ(g.f[2], c.set.F);
  }
}

// The dial's frequency axis: round marks a step of 1, 2 or 5 times a power
// of ten apart around the frequencies, the finest step that takes at most
// nine (the broadcast band, a bandspread, a standard circuit's wider band);
// none where the ends are no range.
struct Axis {
  double ot, doo;
  std::size_t n;
  double first, step;
};
const Axis AXES[] = {
    {530e3, 1.7e6, 8, 4e5, 2e5},
    {5.9e6, 6.2e6, 7, 5.9e6, 5e4},
    {496874, 1.93717e6, 9, 4e5, 2e5},
    {1, 1, 0, 0, 0},
    {2, 1, 0, 0, 0},
    {1, std::numeric_limits<double>::infinity(), 0, 0, 0},
};

TEST(Razmetit, MarksRoundValuesAcrossTheRange) {
  for (const Axis& c : AXES) {
    SCOPED_TRACE(testing::Message() << c.ot << " to " << c.doo);
    Razmetka r;
    ASSERT_EQ(Razmetit(c.ot, c.doo, r), c.n > 0);
    ASSERT_EQ(r.n, c.n);
    for (std::size_t i = 0; i < r.n; ++i) {
      EXPECT_DOUBLE_EQ(r.x[i], c.first + static_cast<double>(i) * c.step);
    }
  }
}

TEST(Preobr, PicksThePrefixAndRescales) {
  for (const Scaling& c : SCALINGS) {
    SCOPED_TRACE(testing::Message() << "value " << c.value);
    float v = c.value;
    EXPECT_EQ(Preobr(&v), c.index);
    EXPECT_FLOAT_EQ(v, c.shown);
  }
  float v = NaN;
  EXPECT_EQ(Preobr(&v), 9);
  EXPECT_TRUE(std::isnan(v));
}

}  // namespace
