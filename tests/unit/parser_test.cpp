#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "arithmetic/arithmetic.h"
#include "common/texts.h"

namespace {

constexpr float INF = std::numeric_limits<float>::infinity();

struct Case {
  const char* line;
  int tip;
  float L, C, F, R;
};

const Case CASES[] = {
    {"4.5uL10nC", 1, 4.5e-6F, 1e-8F, 0, 0},
    {"u4.5L", 0, 4.5e-6F, 0, 0, 0},
    {"4u.5L", 0, 4.5e-6F, 0, 0, 0},
    {"4.5muL", 0, 4.5e-6F, 0, 0, 0},
    {"LC", 1, 0, 0, 0, 0},
    {"1.2.3L", 0, 1.23F, 0, 0, 0},
    {"1L2C3", 1, 1, 2, 0, 0},
    {"1L2C3u", 1, 1, 2, 0, 0},
    {"1L", 0, 1, 0, 0, 0},
    {"1L2L3C", 0, 2, 3, 0, 0},
    {"1L2C3F", 0, 1, 2, 3, 0},
    {"", 0, 0, 0, 0, 0},
    {"5F1.5L", 2, 1.5F, 0, 5, 0},
    {"5F1.5C", 3, 0, 1.5F, 5, 0},
    {"1uC1R", 4, 0, 1e-6F, 0, 1},
    {"2R3L", 5, 3, 0, 0, 2},
    {"1KF1R", 6, 0, 0, 1e3F, 1},
    {"100pF1L", 2, 1, 0, 1e-10F, 0},
    {"2GR3MF", 6, 0, 0, 3e6F, 2e9F},
    {"7KL", 0, 7e3F, 0, 0, 0},
    {"7mL", 0, 7e-3F, 0, 0, 0},
    // The scale letters are float constants: 7 times float(1e-9) rounds below
    // the float nearest 7e-9.
    {"7nL", 0, 6.999999691e-9F, 0, 0, 0},
    {"7pL", 0, 7e-12F, 0, 0, 0},
    // Every fractional digit counts, however many there are.
    {"0.0000000001L", 0, 1e-10F, 0, 0, 0},
    {"0.000000000000000000000000000001L", 0, 1e-30F, 0, 0, 0},
    // Exact to the bit: the digits are read as one integer in a float: 2^24 + 1
    // is not held.
    {"16777217L", 0, 16777216.0F, 0, 0, 0},
    {"1677721.7L", 0, 1677721.6F, 0, 0, 0},
    // 40 digits exceed the float range.
    {"1000000000000000000000000000000000000000L", 0, INF, 0, 0, 0},
    // A fractional digit after ten significant ones is ignored: no run of
    // zeros after the point overflows, and the value is the float nearest
    // the typed one.
    {"1.000000000000000000000000000000000000000uL", 0, 1e-6F, 0, 0, 0},
    {"123456789.123456789L", 0, 123456792.0F, 0, 0, 0},
};

TEST(Obrabotka, ParsesQuantitiesAndCombination) {
  for (const Case& c : CASES) {
    SCOPED_TRACE(std::string("line: ") + c.line);
    float L = -1, C = -1, F = -1, R = -1;
    EXPECT_EQ(Obrabotka(c.line, &L, &C, &F, &R), c.tip);
    EXPECT_EQ(L, c.L);
    EXPECT_EQ(C, c.C);
    EXPECT_EQ(F, c.F);
    EXPECT_EQ(R, c.R);
  }
}

// The same grammar read in double precision, as the coil's measurement
// reads its readings: each number the double nearest the digits kept.
struct Tochno {
  const char* line;
  int tip;
  double L, C, F, R;
};
const Tochno TOCHNO[] = {
    {"470pC4MF", 3, 0, 470e-12, 4e6, 0},
    {"220pC5.5MF", 3, 0, 220e-12, 5.5e6, 0},
    {"0C14.53MF", 3, 0, 0, 14.53e6, 0},
    {"7nL", 0, 7e-9, 0, 0, 0},
    {"4.5muL", 0, 4.5e-6, 0, 0, 0},
    {"4u.5L", 0, 4.5e-6, 0, 0, 0},
    {"1.2.3L", 0, 1.23, 0, 0, 0},
    {"1L2L3C", 0, 2, 3, 0, 0},
    {"1L2C3u", 1, 1, 2, 0, 0},
    {"2GR3MF", 6, 0, 0, 3e6, 2e9},
    {"16777217L", 0, 16777217, 0, 0, 0},
    {"0.000000000000000000000000000001L", 0, 1e-30, 0, 0, 0},
    {"123456789.123456789L", 0, 123456789.1, 0, 0, 0},
    {"1000000000000000000000000000000000000000L", 0, 1e39, 0, 0, 0},
    // Past forty significant digits an integer's digits are powers of ten.
    {"12345678901234567890123456789012345678901234567890L", 0,
     1.234567890123456789012345678901234567890e49, 0, 0, 0},
};

TEST(ObrabotkaTochno, ReadsTheNumbersAsTyped) {
  for (const Tochno& c : TOCHNO) {
    SCOPED_TRACE(std::string("line: ") + c.line);
    double L = -1, C = -1, F = -1, R = -1;
    EXPECT_EQ(ObrabotkaTochno(c.line, &L, &C, &F, &R), c.tip);
    EXPECT_EQ(L, c.L);
    EXPECT_EQ(C, c.C);
    EXPECT_EQ(F, c.F);
    EXPECT_EQ(R, c.R);
  }
}

// The page builds its entries with the letters of its prefixes that the
// reader takes: each is read as its power of ten; the others, which the
// page writes in a letter the reader takes, are no prefix the parser reads.
TEST(Obrabotka, ReadsThePagesPrefixesAsTheirPowers) {
  for (const Pristavka& p : PRISTAVKI) {
    std::string line = "1";
    line.append(p.bukva).append("L");
    SCOPED_TRACE("line: " + line);
    float L = 0, C = 0, F = 0, R = 0;
    Obrabotka(line.c_str(), &L, &C, &F, &R);
    EXPECT_FLOAT_EQ(L, p.chitaetsya ? std::pow(10.0F, p.stepen) : 1);
  }
}

// An option's value: the program's number and prefix letters, read in double
// precision; -1 where it is refused.
struct Znachenie {
  const char* text;
  char marker;
  double x;
};
const Znachenie ZNACHENIYA[] = {
    {"12p", 'C', 12e-12},
    {"12,5p", 'C', 12.5e-12},
    {"0.012n", 'C', 12e-12},
    {"12pC", 'C', 12e-12},
    {"12pc", 'C', 12e-12},
    {"0", 'C', 0},
    {"p12", 'C', 12e-12},
    {"5,9M", 'F', 5.9e6},
    {"530K", 'F', 530e3},
    {"229u", 'L', 229e-6},
    {"50", 'R', 50},
    {".5", '\0', 0.5},
    {"7.", '\0', 7},
    // A letter between digits stands for the point, as parts are marked.
    {"4p7", 'C', 4.7e-12},
    {"4n7C", 'C', 4.7e-9},
    {"12p5", 'C', 12.5e-12},
    {"5M9", 'F', 5.9e6},
    {"1K5", '\0', 1500},
    {"2R2", 'R', 2.2},
    {"2r2R", 'R', 2.2},
    {"1,2p3", 'C', -1},
    {"2R2", 'C', -1},
    {"2R", 'C', -1},
    {"R5", 'R', -1},
    {"12pF", 'C', -1},
    {"12C", '\0', -1},
    {"-12p", 'C', -1},
    {"", 'C', -1},
    {"C", 'C', -1},
    {"p", 'C', -1},
    {",", 'C', -1},
    {"1,2,3p", 'C', -1},
    {"12pn", 'C', -1},
    {"12k", 'C', -1},
    {"1e3", 'C', -1},
    {"12 p", 'C', -1},
    {"0000000000000000000000000000000000000000000000000000000000000001", 'C',
     1},
    // Rounded once to the nearest double, a tie to the even one.
    {"9007199254740993", '\0', 9007199254740992.0},
    {"9007199254740995", '\0', 9007199254740996.0},
    {"9007199254740993.0000000000000000000000000000000000000001", '\0',
     9007199254740994.0},
    {"0,1", '\0', 0.1},
    {"0.0000000000000000000000000000000000000000000000000000000000001p", '\0',
     1e-73},
    {"999999999999999999999999999999999999999999999999999999999999999G", '\0',
     1e72},
    {"00000000000000000000000000000000000000000000000000000000000000001", 'C',
     -1},
};

TEST(ChitatZnachenie, ReadsAnOptionsValue) {
  for (const Znachenie& z : ZNACHENIYA) {
    SCOPED_TRACE(std::string("value: ") + z.text);
    double x = -1;
    EXPECT_EQ(ChitatZnachenie(z.text, z.marker, x), z.x >= 0);
    EXPECT_EQ(x, z.x);
  }
}

}  // namespace
