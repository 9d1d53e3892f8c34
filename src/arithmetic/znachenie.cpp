#include <array>
#include <charconv>
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
  // The digits and the point as from_chars reads them, then the exponent of
  // the prefix: the double nearest the value typed, rounded once.
  std::array<char, DLINA + 8> text{};
  std::size_t n = 0;
  const Stepen* stepen = nullptr;
  bool point = false;
  bool digits = false;
  for (const char ch : s) {
    if (ch >= '0' && ch <= '9') {
      text[n++] = ch;
      digits = true;
    } else if ((ch == '.' || ch == ',') && !point) {
      text[n++] = '.';
      point = true;
    } else if (const Stepen* p = Pristavka(ch);
               p != nullptr && stepen == nullptr) {
      stepen = p;
    } else {
      return false;
    }
  }
  if (!digits) {
    return false;
  }
  text[n++] = 'e';
  const char* end = std::to_chars(text.data() + n, text.data() + text.size(),
                                  stepen != nullptr ? stepen->exponent : 0)
                        .ptr;
  const auto r = std::from_chars(text.data(), end, x);
  return r.ec == std::errc() && r.ptr == end;
}
