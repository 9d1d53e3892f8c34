#include <array>
#include <charconv>
#include <cstdlib>
#include <string_view>

#include "arithmetic.h"

namespace {

// The prefix letters the program reads, each with its power of ten.
struct Stepen {
  char letter;
  int exponent;
};
constexpr std::array<Stepen, 7> STEPENI{{
    {'G', 9},
    {'M', 6},
    {'K', 3},
    {'m', -3},
    {'u', -6},
    {'n', -9},
    {'p', -12},
}};
static_assert(STEPENI.back().letter == 'p', "a prefix letter is missing");

// Longer texts are no value anyone types: refused rather than read in part.
constexpr std::size_t DLINA = 64;

const Stepen* Pristavka(char ch) {
  for (const Stepen& s : STEPENI) {
    if (s.letter == ch) {
      return &s;
    }
  }
  return nullptr;
}

// The marker of the quantity, in either case, as the last character.
bool Metka(std::string_view s, char marker) {
  return marker != '\0' && !s.empty() &&
         (s.back() == marker || s.back() == marker - 'A' + 'a');
}

}  // namespace

bool ChitatZnachenie(std::string_view s, char marker, double& x) {
  s.remove_suffix(Metka(s, marker) ? 1 : 0);
  if (s.size() > DLINA) {
    return false;
  }
  // The digits without the point, then the exponent of the prefix less the
  // digits after the point: strtod reads a text with no radix character in
  // it the same in every locale, into the double nearest the value typed,
  // rounded once. (Not every standard library the program is built with has
  // from_chars for a double.) At most 64 digits and a prefix stay far
  // inside the range of normal doubles.
  std::array<char, DLINA + 8> text{};
  std::size_t n = 0;
  const Stepen* stepen = nullptr;
  bool point = false;
  int after_point = 0;
  // Where a letter stood among the digits: as parts are marked, it stands
  // for the point (4n7, 2R2 ohm), and the number has no other.
  std::size_t bukva = 0;
  constexpr Stepen OM{'R', 0};
  for (const char ch : s) {
    const bool om = marker == 'R' && (ch == 'R' || ch == 'r') && n > 0;
    if (ch >= '0' && ch <= '9') {
      text[n++] = ch;
      after_point += point ? 1 : 0;
    } else if ((ch == '.' || ch == ',') && !point) {
      point = true;
    } else if (const Stepen* p = om ? &OM : Pristavka(ch);
               p != nullptr && stepen == nullptr) {
      stepen = p;
      bukva = n;
    } else {
      return false;
    }
  }
  if (n == 0 || (stepen == &OM && bukva == n)) {
    return false;
  }
  if (bukva > 0 && bukva < n) {
    if (point) {
      return false;
    }
    after_point = static_cast<int>(n - bukva);
  }
  text[n++] = 'e';
  const int exponent = (stepen != nullptr ? stepen->exponent : 0) - after_point;
  // The array's last character stays the terminating zero.
  std::to_chars(text.data() + n, text.data() + text.size() - 1, exponent);
  x = std::strtod(text.data(), nullptr);
  return true;
}
