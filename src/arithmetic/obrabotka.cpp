#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "arithmetic.h"

namespace {

// The quantity markers, in the order of the quantity set.
constexpr std::string_view MARKERS = "LCFR";
static_assert(MARKERS.size() == 4);

// The place of a marker in the set, npos for any other character: the
// parser asks it of nearly every character, so it is answered without a
// call.
constexpr std::size_t Mesto(char ch) {
  switch (ch) {
    case 'L':
      return 0;
    case 'C':
      return 1;
    case 'F':
      return 2;
    case 'R':
      return 3;
    default:
      return std::string_view::npos;
  }
}
constexpr bool MestaVerny() {
  for (std::size_t i = 0; i < MARKERS.size(); ++i) {
    if (Mesto(MARKERS[i]) != i) {
      return false;
    }
  }
  return Mesto('l') == std::string_view::npos;
}
static_assert(MestaVerny());

// Each scale letter with its factor as a float, and as a power of ten for
// the reading in double precision.
struct Scale {
  char letter;
  float razmer;
  int stepen;
};
constexpr std::array<Scale, 7> SCALES{{
    {'G', 1e9F, 9},
    {'M', 1e6F, 6},
    {'K', 1e3F, 3},
    {'m', 1e-3F, -3},
    {'u', 1e-6F, -6},
    {'n', 1e-9F, -9},
    {'p', 1e-12F, -12},
}};
static_assert(SCALES.back().letter == 'p', "a scale letter is missing");

// The digits of a number that count after its decimal point: an integer of
// this many digits is at least 10^9, past what a float keeps exactly.
constexpr int TOCHNYE = 10;

// The significant digits the reading in double precision keeps of a number,
// far past the 17 that tell doubles apart; an integer's further digits
// count as powers of ten.
constexpr int CIFRY = 40;
static_assert(CIFRY > TOCHNYE, "every fractional digit that counts is kept");

// Combination code - 1 -> the two markers it stands for.
constexpr std::array<std::string_view, 6> PAIRS{"LC", "LF", "CF",
                                                "RC", "RL", "RF"};
static_assert(PAIRS.back() == "RF", "a combination is missing");

// The place of a quantity in the set.
constexpr std::size_t Nomer(char marker) {
  return std::min(Mesto(marker), MARKERS.size() - 1);
}
static_assert(Nomer(MARKERS[2]) == 2 && Nomer(MARKERS[3]) == 3);

// Combination code - 1 -> whether each quantity of the set is left to the
// calculator: it is not of the pair.
constexpr auto VYCHISLYAEMYE = [] {
  std::array<std::array<bool, 4>, PAIRS.size()> computed{};
  for (std::size_t code = 0; code < PAIRS.size(); ++code) {
    for (std::size_t i = 0; i < MARKERS.size(); ++i) {
      computed[code][i] =
          PAIRS[code].find(MARKERS[i]) == std::string_view::npos;
    }
  }
  return computed;
}();

// The code of a line whose markers occurred as counted: two different
// markers, once each, and no other.
int Kombinaciya(const std::array<int, 4>& counts) {
  int total = 0;
  for (int n : counts) {
    if (n > 1) {
      return 0;
    }
    total += n;
  }
  if (total != 2) {
    return 0;
  }
  for (std::size_t code = 0; code < PAIRS.size(); ++code) {
    if (counts[Mesto(PAIRS[code][0])] == 1 &&
        counts[Mesto(PAIRS[code][1])] == 1) {
      return static_cast<int>(code) + 1;
    }
  }
  return 0;
}

}  // namespace

const char* Hvost(const char* str) {
  const char* end = str + std::strlen(str);
  // From the end back: a line nearly always ends in its last marker.
  for (const char* p = end; p != str; --p) {
    if (Mesto(p[-1]) != std::string_view::npos) {
      return p;
    }
  }
  return end;
}

int Metok(const char* str) {
  int n = 0;
  for (const char* p = str; *p != '\0'; ++p) {
    n += Mesto(*p) != std::string_view::npos ? 1 : 0;
  }
  return n;
}

bool Vychislyaetsya(int tip, char marker) {
  return tip >= 1 && tip <= static_cast<int>(PAIRS.size()) &&
         VYCHISLYAEMYE[static_cast<std::size_t>(tip - 1)][Nomer(marker)];
}

int Obrabotka(const char* str, float* l, float* c, float* f, float* r) {
  std::array<float, 4> values{};
  std::array<int, 4> counts{};
  float temp = 0;
  float razmer = 1;
  // A double holds every power of ten a line can ask for (at most 10^79), so
  // nothing overflows.
  double del = 1;
  bool zap = false;
  // The digits of the number from its first that is not 0: what `temp`
  // holds, read as one integer, has this many.
  int znachashchie = 0;
  for (const char* p = str; *p != '\0'; ++p) {
    const char ch = *p;
    if (ch >= '0' && ch <= '9') {
      // A fractional digit after an integer of 10^9 or more lies below
      // single precision: it is ignored, so that no run of zeros after the
      // point can carry the number past the float range.
      if (zap && znachashchie >= TOCHNYE) {
        continue;
      }
      znachashchie += znachashchie > 0 || ch != '0' ? 1 : 0;
      temp = static_cast<float>(static_cast<double>(temp) * 10 + (ch - '0'));
      del *= zap ? 10 : 1;
    } else if (ch == '.') {
      zap = true;
    } else if (const auto m = Mesto(ch); m != std::string_view::npos) {
      ++counts[m];
      values[m] = static_cast<float>(static_cast<double>(temp) *
                                     static_cast<double>(razmer) / del);
      temp = 0;
      razmer = 1;
      del = 1;
      zap = false;
      znachashchie = 0;
    } else {
      for (const Scale& s : SCALES) {
        razmer = s.letter == ch ? s.razmer : razmer;
      }
    }
  }
  *l = values[0];
  *c = values[1];
  *f = values[2];
  *r = values[3];
  return Kombinaciya(counts);
}

int ObrabotkaTochno(const char* str, double* l, double* c, double* f,
                    double* r) {
  std::array<double, 4> values{};
  std::array<int, 4> counts{};
  // The significant digits as one integer, then 'e' and its power of ten:
  // strtod reads a text with no radix character in it the same in every
  // locale, into the double nearest the value, rounded once.
  std::array<char, CIFRY + 16> text{};
  int n = 0;
  // The power of ten the integer of the digits kept stands at, but for the
  // scale letter's.
  int sdvig = 0;
  int stepen = 0;
  bool zap = false;
  int znachashchie = 0;
  for (const char* p = str; *p != '\0'; ++p) {
    const char ch = *p;
    if (ch >= '0' && ch <= '9') {
      // The float reader's rule for the digits after the point.
      if (zap && znachashchie >= TOCHNYE) {
        continue;
      }
      const bool znachit = znachashchie > 0 || ch != '0';
      znachashchie += znachit ? 1 : 0;
      if (znachit && n < CIFRY) {
        text[static_cast<std::size_t>(n++)] = ch;
      } else if (znachit) {
        ++sdvig;
      }
      sdvig -= zap ? 1 : 0;
    } else if (ch == '.') {
      zap = true;
    } else if (const auto m = Mesto(ch); m != std::string_view::npos) {
      ++counts[m];
      values[m] = 0;
      if (n > 0) {
        auto* konec = text.data() + n;
        *konec++ = 'e';
        // The range leaves the array's last place for the terminating zero.
        *std::to_chars(konec, text.data() + text.size() - 1, stepen + sdvig)
             .ptr = '\0';
        values[m] = std::strtod(text.data(), nullptr);
      }
      n = 0;
      sdvig = 0;
      stepen = 0;
      zap = false;
      znachashchie = 0;
    } else {
      for (const Scale& s : SCALES) {
        stepen = s.letter == ch ? s.stepen : stepen;
      }
    }
  }
  *l = values[0];
  *c = values[1];
  *f = values[2];
  *r = values[3];
  return Kombinaciya(counts);
}
