#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "arithmetic/diapazon.h"
#include "common/constants.h"

namespace {

// The band of a circuit worked out on its own: the coil across the strays,
// the trimmer and the variable `c` in series with the padder.
double Chastota(const Zadanie& z, const Shema& sh, double c) {
  const double s = std::isinf(sh.padder) ? c : c * sh.padder / (c + sh.padder);
  return 1 / (2 * PI * std::sqrt(sh.L * (z.parazit + sh.trimmer + s)));
}

void ExpectNear(double got, double want, double rel) {
  EXPECT_NEAR(got, want, std::fabs(want) * rel);
}

// Band (either end first), variable (either end first), strays.
const Zadanie KONTURY[] = {
    {530e3, 1.7e6, 10e-12, 365e-12, 15e-12},
    {5.9e6, 6.2e6, 15e-12, 365e-12, 25e-12},
    {6.2e6, 5.9e6, 365e-12, 15e-12, 25e-12},
    {1e6, 2e6, 10e-12, 40e-12, 0},  // covered exactly: no padder, no trimmer
    {1e6, 2e6, 10e-12, 40e-12 * (1 + 1e-13), 0},
    {1e6, 2e6, 10e-12, 40e-12 * (1 + 1e-9), 0},
    {3.5e6, 3.8e6, 12e-12, 500e-12, 0},
    {1, 1e9, 1e-15, 1e4, 1e-16},
    {1e-60, 1.0000001e-60, 1e60, 2e60, 1e59},
    {1e60, 3e60, 1e-60, 1e-50, 1e-55},
    {7e6, 7.0000001e6, 1e-12, 1.1e-12, 5e-12},
};

// Each choice within its range: its ends and points between them.
std::vector<Zadanie> Vybory(const Zadanie& z, const Predely& p) {
  std::vector<Zadanie> v{z};
  const auto dobavit = [&](Vybor vybor, double x) {
    Zadanie y = z;
    y.vybor = vybor;
    y.znachenie = x;
    v.push_back(y);
  };
  for (const double u : {0.0, 1e-4, 0.5, 0.9999, 1.0}) {
    dobavit(Vybor::Katushka, p.L_min + u * (p.L_max - p.L_min));
    dobavit(Vybor::Trimmer, u * p.trimmer_max);
  }
  for (const double k : {1.0, 1.0001, 2.0, 1e6}) {
    if (std::isfinite(p.padder_min)) {
      dobavit(Vybor::Padder, k * p.padder_min);
    }
  }
  return v;
}

TEST(Sopryach, EveryDesignTunesItsBandBack) {
  for (const Zadanie& k : KONTURY) {
    const Sopryazhenie o = Sopryach(k, nullptr);
    ASSERT_EQ(o.ishod, Ishod::Gotovo);
    for (const Zadanie& z : Vybory(k, o.predely)) {
      SCOPED_TRACE(testing::Message()
                   << k.f_min << "-" << k.f_max << " Hz on " << k.c_min << "-"
                   << k.c_max << " F with " << k.parazit << " F, choice "
                   << static_cast<int>(z.vybor) << " " << z.znachenie);
      const Sopryazhenie d = Sopryach(z, NaitiRyad("E12"));
      ASSERT_EQ(d.ishod, Ishod::Gotovo);
      const Shema& sh = d.proekt;
      EXPECT_GT(sh.L, 0);
      EXPECT_GE(sh.trimmer, 0);
      EXPECT_GT(sh.padder, 0);
      const Zadanie& v = d.zadanie;
      ExpectNear(Chastota(v, sh, v.c_max), v.f_min, 1e-9);
      ExpectNear(Chastota(v, sh, v.c_min), v.f_max, 1e-9);
      ExpectNear(sh.f_low, v.f_min, 1e-9);
      ExpectNear(sh.f_high, v.f_max, 1e-9);
      ExpectNear(d.shkala[5], Chastota(v, sh, (v.c_min + v.c_max) / 2), 1e-12);
      EXPECT_EQ(d.shkala.front(), sh.f_high);
      EXPECT_EQ(d.shkala.back(), sh.f_low);
      // Each circuit of standard parts has the low end on f_min, or below
      // it with no trimmer; those that cover the band come first.
      EXPECT_GE(d.n_standart, 1U);
      for (std::size_t i = 0; i < d.n_standart; ++i) {
        const Standart& st = d.standart[i];
        const double low = Chastota(v, st.shema, v.c_max);
        const double high = Chastota(v, st.shema, v.c_min);
        if (st.bez_trimmera) {
          EXPECT_EQ(st.shema.trimmer, 0);
          EXPECT_LT(low, v.f_min);
        } else {
          ExpectNear(low, v.f_min, 1e-9);
        }
        ExpectNear(st.shema.f_high, high, 1e-12);
        EXPECT_EQ(st.perekryvaet, high >= v.f_max * (1 - 1e-12)) << high;
        EXPECT_TRUE(i == 0 || st.perekryvaet <= d.standart[i - 1].perekryvaet);
        // A coil or a padder chosen is the builder's own: never replaced.
        EXPECT_TRUE(z.vybor != Vybor::Katushka || st.shema.L == sh.L);
        EXPECT_TRUE(z.vybor != Vybor::Padder || st.shema.padder == sh.padder);
      }
    }
  }
}

// The design without a padder has the least coil and the largest trimmer;
// the least padder no trimmer and the largest coil; each design lies
// between them, and a choice past an end has none.
TEST(Sopryach, TheRangesEndsAreTheBoundingDesigns) {
  for (const Zadanie& k : KONTURY) {
    SCOPED_TRACE(testing::Message() << k.f_min << "-" << k.f_max << " Hz on "
                                    << k.c_min << "-" << k.c_max << " F");
    const Sopryazhenie o = Sopryach(k, nullptr);
    const Predely& p = o.predely;
    const Zadanie& v = o.zadanie;
    EXPECT_EQ(o.proekt.L, p.L_min);
    EXPECT_EQ(o.proekt.trimmer, p.trimmer_max);
    EXPECT_TRUE(std::isinf(o.proekt.padder));
    const Shema naim{p.L_max, 0, p.padder_min};
    ExpectNear(Chastota(v, naim, v.c_max), v.f_min, 1e-9);
    ExpectNear(Chastota(v, naim, v.c_min), v.f_max, 1e-9);
    for (const Zadanie& z : Vybory(k, p)) {
      const Shema& sh = Sopryach(z, nullptr).proekt;
      EXPECT_GE(sh.L, p.L_min * (1 - 1e-12));
      EXPECT_LE(sh.L, p.L_max * (1 + 1e-12));
      EXPECT_LE(sh.trimmer, p.trimmer_max * (1 + 1e-12));
      EXPECT_GE(sh.padder, p.padder_min * (1 - 1e-12));
    }
    const struct {
      Vybor vybor;
      double x;
    } VNE[] = {
        {Vybor::Katushka, p.L_min * 0.999},
        {Vybor::Katushka, p.L_max * 1.001},
        {Vybor::Trimmer, p.trimmer_max * 1.001 + 1e-300},
        {Vybor::Padder, std::isinf(p.padder_min) ? 1 : p.padder_min * 0.999}};
    for (const auto& vne : VNE) {
      Zadanie z = k;
      z.vybor = vne.vybor;
      z.znachenie = vne.x;
      EXPECT_EQ(Sopryach(z, nullptr).ishod, Ishod::VnePredelov) << vne.x;
    }
  }
}

// A variable with the strays that swings too little; and the band it covers.
TEST(Sopryach, SaysWhatBandAVariableTooSmallCovers) {
  const Sopryazhenie o =
      Sopryach({530e3, 1.7e6, 30e-12, 365e-12, 15e-12}, NaitiRyad("E12"));
  EXPECT_EQ(o.ishod, Ishod::Nevozmozhno);
  ExpectNear(o.f_predel, 530e3 * std::sqrt(380.0 / 45), 1e-15);
  EXPECT_EQ(o.n_standart, 0U);
}

}  // namespace
