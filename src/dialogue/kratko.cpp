#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "dialogue.h"

// The shortest decimal that reads back as a float, found as R. Giulietti's
// Schubfach finds it: the float's rounding interval and its value, scaled
// by a power of ten read off a table, are compared with the one or two
// decimals of each length that can lie in it. No loop over the digits.

namespace {

// The float's format: significand bits, with the hidden one; the least
// exponent, of the subnormals; the hidden bit.
constexpr int P = 24;
constexpr int Q_MIN = -149;
constexpr std::uint32_t C_MIN = 1U << (P - 1);

// floor(q log10(2)), floor(log10(3/4 2^q)) and floor(e log2(10)), exact over
// the exponents of a float and its powers of ten.
constexpr int Flog10Pow2(int q) {
  return static_cast<int>((static_cast<std::int64_t>(q) * 661971961083) >> 41);
}
constexpr int Flog10ThreeQuartersPow2(int q) {
  return static_cast<int>(
      (static_cast<std::int64_t>(q) * 661971961083 - 274743187321) >> 41);
}
constexpr int Flog2Pow10(int e) {
  return static_cast<int>((static_cast<std::int64_t>(e) * 1741647) >> 19);
}

// The powers of ten the exponents of a float need; a float's decimal
// exponent has two digits at most.
constexpr int K_MIN = Flog10Pow2(Q_MIN);
constexpr int K_MAX = Flog10Pow2(127 - P + 1);
static_assert(K_MIN > -99 && K_MAX + 10 < 99);

// A whole number of 256 bits, its least significant 32 first: the table is
// worked out with it at compile time.
using Bolshoe = std::array<std::uint32_t, 8>;

constexpr void Umnozhit(Bolshoe& a, std::uint32_t m) {
  std::uint64_t carry = 0;
  for (std::uint32_t& limb : a) {
    const std::uint64_t v = static_cast<std::uint64_t>(limb) * m + carry;
    limb = static_cast<std::uint32_t>(v);
    carry = v >> 32U;
  }
}

constexpr void Razdelit(Bolshoe& a, std::uint32_t m) {
  std::uint64_t rest = 0;
  for (std::size_t i = a.size(); i-- > 0;) {
    const std::uint64_t v = (rest << 32U) | a[i];
    a[i] = static_cast<std::uint32_t>(v / m);
    rest = v % m;
  }
}

constexpr int Bitov(const Bolshoe& a) {
  for (int i = 255; i >= 0; --i) {
    if (((a[static_cast<std::size_t>(i / 32)] >> (i % 32)) & 1U) != 0) {
      return i + 1;
    }
  }
  return 0;
}

constexpr bool Bit(const Bolshoe& a, int i) {
  return ((a[static_cast<std::size_t>(i / 32)] >> (i % 32)) & 1U) != 0;
}

// Bits `from` and up, as a number of at most 64 bits.
constexpr std::uint64_t Bity(const Bolshoe& a, int from, int count) {
  std::uint64_t v = 0;
  for (int i = from + count - 1; i >= from; --i) {
    v = (v << 1U) | (i >= 0 && Bit(a, i) ? 1U : 0U);
  }
  return v;
}

// For each k: 10^-k = beta 2^r with 2^125 <= beta < 2^126; of
// g = floor(beta) + 1, the 63 bits above its lowest 63.
constexpr std::array<std::uint64_t, K_MAX - K_MIN + 1> G = [] {
  std::array<std::uint64_t, K_MAX - K_MIN + 1> g{};
  for (int k = K_MIN; k <= K_MAX; ++k) {
    Bolshoe x{1};
    int low = 0;  // the bit of x that beta's lowest whole bit is
    if (k <= 0) {
      for (int i = 0; i < -k; ++i) {
        Umnozhit(x, 10);
      }
      low = Bitov(x) - 126;
    } else {
      Bolshoe ten{1};
      for (int i = 0; i < k; ++i) {
        Umnozhit(ten, 10);
      }
      // 2^(125 + bits of 10^k) / 10^k lies between 2^125 and 2^126.
      const int shift = 125 + Bitov(ten);
      x = {};
      x[static_cast<std::size_t>(shift / 32)] = 1U << (shift % 32);
      for (int i = 0; i < k; ++i) {
        Razdelit(x, 10);
      }
    }
    // floor(beta) + 1, from bit `low` of x: the bits below it are dropped,
    // or zeros where low is negative.
    Bolshoe beta{};
    for (int i = 0; i < 126; ++i) {
      if (i + low >= 0 && Bit(x, i + low)) {
        beta[static_cast<std::size_t>(i / 32)] |= 1U << (i % 32);
      }
    }
    Bolshoe one{1};
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < beta.size(); ++i) {
      const std::uint64_t v =
          static_cast<std::uint64_t>(beta[i]) + one[i] + carry;
      beta[i] = static_cast<std::uint32_t>(v);
      carry = v >> 32U;
    }
    g[static_cast<std::size_t>(k - K_MIN)] = Bity(beta, 63, 63);
  }
  return g;
}();
static_assert(G.size() == 77 && K_MIN == -45 && K_MAX == 31);
// 10^0 = 2^125 2^-125: g = 2^125 + 1.
static_assert(G[-K_MIN] == 1ULL << 62U);

// The high 64 bits of the product: every compiler the program is built
// with has a type of 128 bits.
__extension__ using Dvoinoe = unsigned __int128;
std::uint64_t Vysshie(std::uint64_t a, std::uint64_t b) {
  return static_cast<std::uint64_t>((static_cast<Dvoinoe>(a) * b) >> 64U);
}

// cp g 2^-95, its last bit set when anything below it was dropped.
std::uint32_t Rop(std::uint64_t g, std::uint64_t cp) {
  const std::uint64_t x = Vysshie(g, cp);
  return static_cast<std::uint32_t>((x >> 31U) |
                                    (((x & 0xFFFFFFFF) + 0xFFFFFFFF) >> 32U));
}

// The numbers from 00 to 99, two digits each.
constexpr std::array<char, 200> PARY = [] {
  std::array<char, 200> p{};
  for (std::size_t i = 0; i < 100; ++i) {
    p[2 * i] = static_cast<char>('0' + i / 10);
    p[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return p;
}();

// A decimal: f 10^e.
struct Desyatichnoe {
  std::uint32_t f;
  int e;
};

// The float c 2^q: the decimal of fewest digits in its rounding interval,
// the one closest to it of those, the even one of two as close.
Desyatichnoe Naiti(int q, std::uint32_t c) {
  const std::uint32_t out = c & 1U;
  const std::uint64_t cb = static_cast<std::uint64_t>(c) << 2U;
  const std::uint64_t cbr = cb + 2;
  std::uint64_t cbl = cb - 2;
  int k = 0;
  if (c != C_MIN || q == Q_MIN) {
    k = Flog10Pow2(q);
  } else {
    cbl = cb - 1;
    k = Flog10ThreeQuartersPow2(q);
  }
  const int h = q + Flog2Pow10(-k) + 33;
  const std::uint64_t g = G[static_cast<std::size_t>(k - K_MIN)] + 1;
  const std::uint32_t vb = Rop(g, cb << static_cast<unsigned>(h));
  const std::uint32_t vbl = Rop(g, cbl << static_cast<unsigned>(h));
  const std::uint32_t vbr = Rop(g, cbr << static_cast<unsigned>(h));
  // The decimals of one digit fewer than s has, then those of as many. A
  // subnormal's s may have two digits only, and one may be enough.
  const std::uint32_t s = vb >> 2U;
  if (s >= 10) {
    const std::uint32_t sp10 = s / 10 * 10;
    const std::uint32_t tp10 = sp10 + 10;
    const bool upin = vbl + out <= sp10 << 2U;
    const bool wpin = (tp10 << 2U) + out <= vbr;
    if (upin != wpin) {
      return {upin ? sp10 : tp10, k};
    }
  }
  const std::uint32_t t = s + 1;
  const bool uin = vbl + out <= s << 2U;
  const bool win = (t << 2U) + out <= vbr;
  if (uin != win) {
    return {uin ? s : t, k};
  }
  const auto cmp =
      static_cast<std::int64_t>(vb) - static_cast<std::int64_t>((s + t) << 1U);
  return {cmp < 0 || (cmp == 0 && (s & 1U) == 0) ? s : t, k};
}

// The decimal of a positive finite float.
Desyatichnoe Razlozhit(std::uint32_t bits) {
  const std::uint32_t t = bits & (C_MIN - 1);
  const auto bq = static_cast<int>(bits >> (P - 1));
  if (bq == 0) {
    return Naiti(Q_MIN, t);
  }
  const int mq = -Q_MIN + 1 - bq;
  const std::uint32_t c = C_MIN | t;
  // A whole number below 2^24 is its own shortest decimal.
  if (mq > 0 && mq < P &&
      (c >> static_cast<unsigned>(mq)) << static_cast<unsigned>(mq) == c) {
    return {c >> static_cast<unsigned>(mq), 0};
  }
  return Naiti(-mq, c);
}

// How many digits f has; f is at most 10 digits long.
int Cifr(std::uint32_t f) {
  int n = 1;
  for (std::uint32_t p = 10; n < 10 && f >= p; p *= 10) {
    ++n;
  }
  return n;
}

// Writes the digits of f, two at a time, to end at `end`.
void Napisat(char* end, std::uint32_t f) {
  const auto para = [](std::uint32_t two) {
    return PARY.data() + 2 * static_cast<std::size_t>(two);
  };
  for (; f >= 100; f /= 100) {
    end -= 2;
    std::copy_n(para(f % 100), 2, end);
  }
  if (f >= 10) {
    std::copy_n(para(f), 2, end - 2);
  } else {
    end[-1] = static_cast<char>('0' + f);
  }
}

// A whole number is written as it is: fixed, any text of it as short
// has as many digits, and the closest is the float's own value. A fixed
// one is no longer than a text with an exponent, so below 10^14.
char* Celoe(char* out, std::uint32_t bits) {
  const int q = static_cast<int>(bits >> (P - 1)) + Q_MIN - 1;
  const std::uint64_t c = C_MIN | (bits & (C_MIN - 1));
  std::uint64_t v =
      q >= 0 ? c << static_cast<unsigned>(q) : c >> static_cast<unsigned>(-q);
  std::array<char, 14> digits{};
  std::size_t n = 0;
  for (; v != 0; v /= 10) {
    digits[digits.size() - ++n] = static_cast<char>('0' + v % 10);
  }
  return std::copy(digits.end() - static_cast<std::ptrdiff_t>(n), digits.end(),
                   out);
}

}  // namespace

char* Kratko(char* out, float x) {
  const auto bits = std::bit_cast<std::uint32_t>(x);
  if ((bits >> 31U) != 0) {
    *out++ = '-';
  }
  if ((bits & 0x7FFFFFFF) == 0) {
    *out++ = '0';
    return out;
  }
  const Desyatichnoe d = Razlozhit(bits & 0x7FFFFFFF);
  std::uint32_t f = d.f;
  int e = d.e;
  // Without its trailing zeros, two at a time.
  for (; f % 100 == 0; f /= 100) {
    e += 2;
  }
  if (f % 10 == 0) {
    f /= 10;
    ++e;
  }
  const int n = Cifr(f);
  // The exponent of the first digit, and the length of each notation: the
  // shorter is written, fixed of two as long.
  e += n - 1;
  const int scientific = n + (n > 1 ? 1 : 0) + 4;
  const int fixed = e >= n - 1 ? e + 1 : e >= 0 ? n + 1 : n + 1 - e;
  if (fixed > scientific) {
    // The digits one place on; the first moves back before the point.
    Napisat(out + 1 + n, f);
    out[0] = out[1];
    out[1] = '.';
    out += n > 1 ? n + 1 : 1;
    *out++ = 'e';
    *out++ = e < 0 ? '-' : '+';
    const int m = e < 0 ? -e : e;
    *out++ = static_cast<char>('0' + m / 10);
    *out++ = static_cast<char>('0' + m % 10);
    return out;
  }
  if (e >= n - 1) {
    return Celoe(out, bits & 0x7FFFFFFF);
  }
  if (e >= 0) {
    // The digits one place on; the whole part moves back before the point.
    Napisat(out + 1 + n, f);
    std::copy_n(out + 1, e + 1, out);
    out[e + 1] = '.';
    return out + n + 1;
  }
  *out++ = '0';
  *out++ = '.';
  out = std::fill_n(out, -e - 1, '0');
  Napisat(out + n, f);
  return out + n;
}
