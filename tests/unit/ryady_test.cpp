#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "arithmetic/arithmetic.h"

namespace {

// The series as the standard lists them, one a line: the name, then the
// values of a decade.
std::map<std::string, std::vector<unsigned>> Standard() {
  std::ifstream file(IEC60063);
  std::map<std::string, std::vector<unsigned>> series;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') {
      continue;
    }
    std::istringstream words(line);
    std::string name;
    words >> name;
    for (unsigned v = 0; words >> v;) {
      series[name].push_back(v);
    }
  }
  return series;
}

// Whether `part` holds every `step`-th value of `whole`, and nothing else.
bool EveryNth(const std::vector<unsigned>& part,
              const std::vector<unsigned>& whole, std::size_t step) {
  std::vector<unsigned> picked;
  for (std::size_t i = 0; i < whole.size(); i += step) {
    picked.push_back(whole[i]);
  }
  return picked == part;
}

TEST(Ryad, HoldsTheStandardSeries) {
  const auto standard = Standard();
  ASSERT_EQ(standard.size(), 7U);
  for (const auto& [name, values] : standard) {
    SCOPED_TRACE(name);
    ASSERT_EQ(values.size(), std::stoul(name.substr(1)));
    const Ryad* r = NaitiRyad(name);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(std::vector<unsigned>(r->znacheniya.begin(), r->znacheniya.end()),
              values);
    std::string lower = name;
    lower[0] = 'e';
    EXPECT_EQ(r, NaitiRyad(lower));
  }
  EXPECT_TRUE(EveryNth(standard.at("E3"), standard.at("E6"), 2));
  EXPECT_TRUE(EveryNth(standard.at("E6"), standard.at("E12"), 2));
  EXPECT_TRUE(EveryNth(standard.at("E12"), standard.at("E24"), 2));
  EXPECT_TRUE(EveryNth(standard.at("E96"), standard.at("E192"), 2));
  EXPECT_TRUE(EveryNth(standard.at("E48"), standard.at("E192"), 4));
  for (const char* name : {"E5", "E", "", "12", "E012", "E12 ", "Е12"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(NaitiRyad(name), nullptr);
  }
}

constexpr float INF = std::numeric_limits<float>::infinity();

struct Neighbours {
  const char* series;
  float part;
  bool found;
  float below, above;
};

const Neighbours NEIGHBOURS[] = {
    // Between two values, across the decade's upper and lower edge.
    {"E12", 25.33e-9F, true, 22e-9F, 27e-9F},
    {"E12", 9.6e-9F, true, 8.2e-9F, 10e-9F},
    {"E12", 10.5e-9F, true, 10e-9F, 12e-9F},
    {"E12", 0.99F, true, 0.82F, 1},
    {"E3", 5e3F, true, 4.7e3F, 1e4F},
    {"E192", 9.25e-6F, true, 9.2e-6F, 9.31e-6F},
    {"E192", 9.9e5F, true, 9.88e5F, 1e6F},
    {"E192", 1.005e5F, true, 1e5F, 1.01e5F},
    // At a standard value, within a millionth of it, and just outside.
    {"E12", 22e-9F, true, 22e-9F, 22e-9F},
    {"E12", 1e-8F, true, 1e-8F, 1e-8F},
    {"E192", 9.2e-6F, true, 9.2e-6F, 9.2e-6F},
    {"E12", 22e-9F * (1 + 5e-7F), true, 22e-9F, 22e-9F},
    {"E12", 22e-9F * (1 - 5e-7F), true, 22e-9F, 22e-9F},
    {"E12", 22e-9F * (1 + 2e-6F), true, 22e-9F, 27e-9F},
    {"E12", 22e-9F * (1 - 2e-6F), true, 18e-9F, 22e-9F},
    {"E96", 100.0F * (1 + 2e-6F), true, 100, 102},
    {"E96", 100.0F * (1 - 2e-6F), true, 97.6F, 100},
    // Past the float range a neighbour is infinite: it does not exist. The
    // least normal float still has its neighbours.
    {"E3", 3.166e38F, true, 2.2e38F, INF},
    {"E12", std::numeric_limits<float>::min(), true, 1e-38F, 1.2e-38F},
    // No neighbours, below the normal floats too.
    {"E12", std::numeric_limits<float>::denorm_min(), false, 0, 0},
    {"E12", 1e-39F, false, 0, 0},
    {"E12", 0, false, 0, 0},
    {"E12", -1e-9F, false, 0, 0},
    {"E12", INF, false, 0, 0},
    {"E12", std::numeric_limits<float>::quiet_NaN(), false, 0, 0},
};

TEST(Sosedi, FindsTheStandardValuesNextToAPart) {
  for (const Neighbours& c : NEIGHBOURS) {
    SCOPED_TRACE(testing::Message() << c.series << " " << c.part);
    float below = 0;
    float above = 0;
    ASSERT_EQ(Sosedi(c.part, *NaitiRyad(c.series), &below, &above), c.found);
    EXPECT_EQ(below, c.below);
    EXPECT_EQ(above, c.above);
  }
}

}  // namespace

namespace {

struct Circuits {
  const char* what;
  std::vector<float> l, c;
  float f, r;
  // The inductance and capacitance of each circuit, in the order expected.
  std::vector<std::pair<float, float>> order;
};

const Circuits CIRCUITS[] = {
    {"7.1 MHz, 50 ohm in E12",
     {1e-6F, 1.2e-6F},
     {3.9e-10F, 4.7e-10F},
     7.1e6F,
     50,
     {{1e-6F, 4.7e-10F},
      {1.2e-6F, 3.9e-10F},
      {1.2e-6F, 4.7e-10F},
      {1e-6F, 3.9e-10F}}},
    // 150u with 180u and 180u with 150u give one F: R decides, whatever
    // order they come in.
    {"a tie",
     {1.8e-4F, 1.5e-4F},
     {1.5e-4F, 1.8e-4F},
     1e3F,
     1,
     {{1.5e-4F, 1.8e-4F},
      {1.8e-4F, 1.5e-4F},
      {1.5e-4F, 1.5e-4F},
      {1.8e-4F, 1.8e-4F}}},
    {"L on a standard value",
     {1.2e-6F},
     {3.9e-10F, 4.7e-10F},
     7.1e6F,
     50,
     {{1.2e-6F, 3.9e-10F}, {1.2e-6F, 4.7e-10F}}},
    {"both on standard values",
     {1e-6F},
     {4.7e-10F},
     7.1e6F,
     50,
     {{1e-6F, 4.7e-10F}}},
};

TEST(Pary, OrdersTheCircuitsOfStandardParts) {
  for (const Circuits& c : CIRCUITS) {
    SCOPED_TRACE(c.what);
    std::array<Kontur, PAR> pary{};
    ASSERT_EQ(Pary(c.l, c.c, 0, c.f, c.r, pary), c.order.size());
    for (std::size_t i = 0; i < c.order.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(pary[i].L, c.order[i].first);
      EXPECT_EQ(pary[i].C, c.order[i].second);
    }
  }
}

struct Band {
  double dopusk;
  bool pair;
  float nachalo, konec;  // of a circuit at 1 MHz, worked out by hand
};

const Band BANDS[] = {
    {0.1, false, 953462.59F, 1054092.6F},
    {0.1, true, 909090.91F, 1111111.1F},
    // The ends of the tolerances allowed.
    {0.99, false, 708881.21F, 1e7F},
    {0.99, true, 502512.56F, 1e8F},
    {1e-6, false, 999999.5F, 1000000.5F},
};

TEST(Polosa, SpansTheFrequenciesTheToleranceAllows) {
  for (const Band& b : BANDS) {
    SCOPED_TRACE(testing::Message() << b.dopusk << (b.pair ? " pair" : ""));
    const Polosa p = b.pair ? PolosaPary(1e6F, b.dopusk, b.dopusk)
                            : PolosaDetali(1e6F, b.dopusk);
    EXPECT_FLOAT_EQ(p.nachalo, b.nachalo);
    EXPECT_FLOAT_EQ(p.konec, b.konec);
  }
}

}  // namespace
