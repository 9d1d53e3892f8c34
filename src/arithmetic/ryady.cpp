#include <array>
#include <cmath>
#include <cstdint>

#include "arithmetic.h"

namespace {

// The preferred values of one decade, as the standard lists them: two
// significant digits for E3 to E24 (10 is 1.0), three for E48 to E192 (100 is
// 1.00). They are not all the rounded powers of the decade's root: E24 has
// 27 30 33 36 39 43 47 82, E192 has 920.
constexpr std::array<std::uint16_t, 3> E3{10, 22, 47};
constexpr std::array<std::uint16_t, 6> E6{10, 15, 22, 33, 47, 68};
constexpr std::array<std::uint16_t, 12> E12{10, 12, 15, 18, 22, 27,
                                            33, 39, 47, 56, 68, 82};
constexpr std::array<std::uint16_t, 24> E24{10, 11, 12, 13, 15, 16, 18, 20,
                                            22, 24, 27, 30, 33, 36, 39, 43,
                                            47, 51, 56, 62, 68, 75, 82, 91};
constexpr std::array<std::uint16_t, 48> E48{
    100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
    178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
    316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
    562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::array<std::uint16_t, 96> E96{
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137,
    140, 143, 147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191,
    196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255, 261, 267,
    274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374,
    383, 392, 402, 412, 422, 432, 442, 453, 464, 475, 487, 499, 511, 523,
    536, 549, 562, 576, 590, 604, 619, 634, 649, 665, 681, 698, 715, 732,
    750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
constexpr std::array<std::uint16_t, 192> E192{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118,
    120, 121, 123, 124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142,
    143, 145, 147, 149, 150, 152, 154, 156, 158, 160, 162, 164, 165, 167, 169,
    172, 174, 176, 178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203,
    205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243,
    246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348,
    352, 357, 361, 365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417,
    422, 427, 432, 437, 442, 448, 453, 459, 464, 470, 475, 481, 487, 493, 499,
    505, 511, 517, 523, 530, 536, 542, 549, 556, 562, 569, 576, 583, 590, 597,
    604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690, 698, 706, 715,
    723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

// Each series with the tolerance it is graded for.
constexpr std::array<Ryad, 7> RYADY{{
    {"E3", E3, 2, 40},
    {"E6", E6, 2, 20},
    {"E12", E12, 2, 10},
    {"E24", E24, 2, 5},
    {"E48", E48, 3, 2},
    {"E96", E96, 3, 1},
    {"E192", E192, 3, 0.5},
}};
static_assert(RYADY.back().imya == "E192", "a series is missing");

// Every value of a decade lies in it, in rising order.
constexpr bool Decade(const Ryad& r) {
  const unsigned least = r.razryady == 2 ? 10 : 100;
  std::uint16_t before = 0;
  for (const std::uint16_t v : r.znacheniya) {
    if (v <= before || v < least || v >= 10 * least) {
      return false;
    }
    before = v;
  }
  return true;
}
static_assert(Decade(RYADY[0]) && Decade(RYADY[1]) && Decade(RYADY[2]) &&
              Decade(RYADY[3]) && Decade(RYADY[4]) && Decade(RYADY[5]) &&
              Decade(RYADY[6]));

// A part within this much of a standard value is that value: the float
// holding it is rounded.
constexpr double ROVNO = 1e-6;

// Ten to the power k, by multiplying: exact up to 10^22, and the same on
// every platform, whatever its pow does.
double Desyat(int k) {
  double p = 1;
  for (int i = 0; i < k; ++i) {
    p *= 10;
  }
  return p;
}

// A standard value `v` of the decade whose least value is 10^d. Scaled by
// an exact power of ten, so that it is the double nearest the true value.
double Znachenie(const Ryad& r, std::uint16_t v, int d) {
  const int k = d - (r.razryady - 1);
  return k >= 0 ? v * Desyat(k) : v / Desyat(-k);
}

}  // namespace

const Ryad* NaitiRyad(std::string_view imya) {
  if (imya.size() < 2 || (imya[0] != 'E' && imya[0] != 'e')) {
    return nullptr;
  }
  imya.remove_prefix(1);
  for (const Ryad& r : RYADY) {
    if (r.imya.substr(1) == imya) {
      return &r;
    }
  }
  return nullptr;
}

bool Sosedi(double chast, const Ryad& ryad, double* nizhe, double* vyshe) {
  if (!std::isnormal(chast) || chast < 0) {
    return false;
  }
  // The decade the logarithm names, and one on either side of it for the
  // values its rounding may have put there.
  const int d = static_cast<int>(std::floor(std::log10(chast)));
  double below = 0;
  double above = INFINITY;
  for (int decade = d - 1; decade <= d + 1; ++decade) {
    for (const std::uint16_t v : ryad.znacheniya) {
      const double s = Znachenie(ryad, v, decade);
      if (std::fabs(s - chast) <= ROVNO * chast) {
        *nizhe = s;
        *vyshe = s;
        return true;
      }
      below = s < chast ? std::fmax(below, s) : below;
      above = s > chast ? std::fmin(above, s) : above;
    }
  }
  *nizhe = below;
  *vyshe = above;
  return true;
}

bool Sosedi(float chast, const Ryad& ryad, float* nizhe, float* vyshe) {
  // Below the normal floats the grid of floats is coarser than any series:
  // a neighbour would round onto the part itself.
  double below = 0;
  double above = 0;
  if (!std::isnormal(chast) ||
      !Sosedi(static_cast<double>(chast), ryad, &below, &above)) {
    return false;
  }
  *nizhe = static_cast<float>(below);
  *vyshe = static_cast<float>(above);
  return true;
}

std::span<const Ryad> Ryady() { return RYADY; }
