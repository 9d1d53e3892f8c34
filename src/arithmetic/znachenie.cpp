#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
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

// A whole number in 32-bit words, the least significant first. Its largest
// use: 64 digits by 10^75 (a fraction of 63 digits in pico) shifted by 55
// bits, under 2^306.
using Bolshoe = std::array<std::uint32_t, 10>;

void Umnozhit(Bolshoe& a, std::uint32_t m, std::uint32_t plus) {
  std::uint64_t perenos = plus;
  for (std::uint32_t& w : a) {
    const std::uint64_t x = std::uint64_t{w} * m + perenos;
    w = static_cast<std::uint32_t>(x);
    perenos = x >> 32U;
  }
}

Bolshoe Sdvinut(const Bolshoe& a, int k) {
  Bolshoe b{};
  const auto slova = static_cast<std::size_t>(k / 32);
  const int bity = k % 32;
  for (std::size_t i = a.size(); i-- > slova;) {
    const std::uint64_t x = std::uint64_t{a[i - slova]} << bity;
    b[i] |= static_cast<std::uint32_t>(x);
    if (i + 1 < b.size()) {
      b[i + 1] |= static_cast<std::uint32_t>(x >> 32U);
    }
  }
  return b;
}

int Bity(const Bolshoe& a) {
  for (std::size_t i = a.size(); i-- > 0;) {
    if (a[i] != 0) {
      return static_cast<int>(32 * i + std::bit_width(a[i]));
    }
  }
  return 0;
}

bool NeMenshe(const Bolshoe& a, const Bolshoe& b) {
  for (std::size_t i = a.size(); i-- > 0;) {
    if (a[i] != b[i]) {
      return a[i] > b[i];
    }
  }
  return true;
}

void Vychest(Bolshoe& a, const Bolshoe& b) {
  std::uint64_t zaem = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const std::uint64_t x = std::uint64_t{a[i]} - b[i] - zaem;
    a[i] = static_cast<std::uint32_t>(x);
    zaem = x >> 63U;
  }
}

// The double nearest a / b, both above zero, ties to even: the quotient
// scaled to 54 bits, 53 and the one that rounds them, and whether anything
// is left past them. Exact on every platform, whatever its library reads.
double Chastnoe(Bolshoe a, Bolshoe b) {
  int s = 54 - (Bity(a) - Bity(b));
  if (s >= 0) {
    a = Sdvinut(a, s);
  } else {
    b = Sdvinut(b, -s);
  }
  // a / b now lies between 2^53 and 2^55.
  std::uint64_t q = 0;
  for (int bit = 55; bit >= 0; --bit) {
    const Bolshoe t = Sdvinut(b, bit);
    if (NeMenshe(a, t)) {
      Vychest(a, t);
      q |= std::uint64_t{1} << static_cast<unsigned>(bit);
    }
  }
  bool ostatok = Bity(a) > 0;
  if (q >> 54U != 0) {
    ostatok = ostatok || (q & 1U) != 0;
    q >>= 1U;
    --s;
  }
  std::uint64_t m = q >> 1U;
  if ((q & 1U) != 0 && (ostatok || (m & 1U) != 0)) {
    ++m;
  }
  return std::ldexp(static_cast<double>(m), 1 - s);
}

// The double nearest the digits `a` times ten to the power `e`.
double Desyatichnoe(Bolshoe a, int e) {
  if (Bity(a) == 0) {
    return 0;
  }
  Bolshoe b{1};
  for (; e > 0; --e) {
    Umnozhit(a, 10, 0);
  }
  for (; e < 0; ++e) {
    Umnozhit(b, 10, 0);
  }
  return Chastnoe(a, b);
}

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
  // The digits as one whole number and the power of ten that scales it: the
  // prefix's, less one for each digit after the point; the double nearest
  // the value typed, rounded once.
  Bolshoe cifry{};
  int poryadok = 0;
  const Stepen* stepen = nullptr;
  bool point = false;
  bool digits = false;
  for (const char ch : s) {
    if (ch >= '0' && ch <= '9') {
      Umnozhit(cifry, 10, static_cast<std::uint32_t>(ch - '0'));
      poryadok -= point ? 1 : 0;
      digits = true;
    } else if ((ch == '.' || ch == ',') && !point) {
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
  x = Desyatichnoe(cifry,
                   poryadok + (stepen != nullptr ? stepen->exponent : 0));
  return true;
}
