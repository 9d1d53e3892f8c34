#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

#include "../arithmetic/arithmetic.h"
#include "../common/texts.h"
#include "dialogue.h"

// Where nobody reads the echo (arguments, a file or a pipe, answers for
// programs), what the reader and the parser drop would go unseen: each kind
// is said on standard error, before the answer it belongs to.

std::size_t Utf8(std::string_view s) {
  const auto b = [&s](std::size_t i) {
    return i < s.size() ? static_cast<unsigned char>(s[i]) : 0U;
  };
  const unsigned lead = b(0);
  if (lead < 0x80) {
    return 1;
  }
  // The least and greatest second byte each lead allows: no overlong form,
  // no surrogate, nothing past U+10FFFF.
  std::size_t n = 0;
  unsigned low = 0x80;
  unsigned high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    n = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    n = 3;
    low = lead == 0xE0 ? 0xA0 : low;
    high = lead == 0xED ? 0x9F : high;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    n = 4;
    low = lead == 0xF0 ? 0x90 : low;
    high = lead == 0xF4 ? 0x8F : high;
  } else {
    return 0;
  }
  if (b(1) < low || b(1) > high) {
    return 0;
  }
  for (std::size_t i = 2; i < n; ++i) {
    if (b(i) < 0x80 || b(i) > 0xBF) {
      return 0;
    }
  }
  return n;
}

namespace {

constexpr std::string_view HEX = "0123456789ABCDEF";

// A byte a terminal would not show as a character of its own: as \xNN.
void Kod(Tekst& t, unsigned char b) {
  const char code[] = {'\\', 'x', HEX[b >> 4U], HEX[b & 0xFU]};
  Dobavit(t, {code, sizeof code});
}

// A character by its code point: \uNNNN, or \UNNNNNNNN past the first plane.
void Nomer(Tekst& t, char32_t c) {
  const std::size_t digits = c <= 0xFFFF ? 4 : 8;
  std::array<char, 10> code{'\\', digits == 4 ? 'u' : 'U'};
  for (std::size_t i = 0; i < digits; ++i) {
    code[2 + i] = HEX[(c >> (4 * (digits - 1 - i))) & 0xFU];
  }
  Dobavit(t, {code.data(), 2 + digits});
}

// The code point of one whole UTF-8 character.
char32_t Kodpoint(std::string_view s) {
  const auto b = [&s](std::size_t i) {
    return static_cast<char32_t>(static_cast<unsigned char>(s[i]));
  };
  char32_t c = s.size() == 1 ? b(0) : b(0) & (0x7FU >> s.size());
  for (std::size_t i = 1; i < s.size(); ++i) {
    c = (c << 6U) | (b(i) & 0x3FU);
  }
  return c;
}

// Characters that take no room on a screen, a byte-order mark among them:
// between the quotes they would look like nothing at all.
constexpr std::array<char32_t, 7> NEVIDIMYE{0x200B, 0x200C, 0x200D, 0x200E,
                                            0x200F, 0x2060, 0xFEFF};
static_assert(NEVIDIMYE.back() == 0xFEFF);

// One dropped character of `n` bytes (0: a byte that is no UTF-8): as it is,
// in the encoding of the program's texts; control characters and bytes that
// are no UTF-8 as \xNN; an invisible character, and one that encoding lacks,
// by its code point.
void Simvol(Tekst& t, std::string_view s, std::size_t n) {
  const auto lead = static_cast<unsigned char>(s[0]);
  // C0 and C1 controls and DEL; a C1 control is U+0080 to U+009F.
  const bool control =
      lead < 0x20 || lead == 0x7F ||
      (n == 2 && lead == 0xC2 && static_cast<unsigned char>(s[1]) < 0xA0);
  if (n == 0 || control) {
    for (std::size_t i = 0; i < std::max<std::size_t>(n, 1); ++i) {
      Kod(t, static_cast<unsigned char>(s[i]));
    }
    return;
  }
  const char32_t c = Kodpoint(s.substr(0, n));
  char znak[4];
  const bool vidim =
      std::find(NEVIDIMYE.begin(), NEVIDIMYE.end(), c) == NEVIDIMYE.end();
  const std::size_t k = vidim ? Znak(s.substr(0, n), znak) : 0;
  if (k > 0) {
    Dobavit(t, {znak, k});
  } else {
    Nomer(t, c);
  }
}

// How many bytes a warning quotes at most: a character is quoted whole, if
// there is room for the longest one, or not at all, and nothing after it.
constexpr std::size_t SHOWN = std::tuple_size_v<decltype(Zametki::otbros)>;
constexpr std::size_t CHARACTER = 4;

}  // namespace

// At most SHOWN bytes, each character as Simvol shows it.
void Citata(Tekst& t, std::string_view s, bool bolshe) {
  std::size_t fit = 0;
  while (fit < s.size() &&
         ((static_cast<unsigned char>(s[fit]) & 0xC0U) == 0x80U
              ? fit < SHOWN
              : fit + CHARACTER <= SHOWN)) {
    ++fit;
  }
  bolshe = bolshe || fit < s.size();
  s = s.substr(0, fit);
  while (!s.empty()) {
    // A run of printable ASCII shows as it is.
    const std::size_t plain = static_cast<std::size_t>(
        std::find_if(s.begin(), s.end(),
                     [](char ch) { return ch <= ' ' || ch >= '\x7F'; }) -
        s.begin());
    Dobavit(t, s.substr(0, plain));
    s.remove_prefix(plain);
    if (!s.empty()) {
      const std::size_t n = Utf8(s);
      Simvol(t, s, n);
      s.remove_prefix(std::max<std::size_t>(n, 1));
    }
  }
  if (bolshe) {
    Dobavit(t, MORE);
  }
}

namespace {

// The warning for characters past the 80th says how many a line keeps.
static_assert(LLL - 1 == 80 && PAST_80.find(" 80 ") != std::string_view::npos);

// The noted bytes of a w line in the order they were typed, with what the
// line kept, `kept`, and the characters past the 80th in their places.
struct Vyborka {
  std::array<char, LLL - 1 + 2 * SHOWN> bytes;
  std::size_t n = 0;
};
Vyborka Vse(const Zametki& z, std::string_view kept) {
  Vyborka v;
  const std::size_t taken = kept.size() + z.n_sverh;
  const auto vzyat = [&](std::size_t k) {
    return k < kept.size() ? kept[k] : z.sverh[k - kept.size()];
  };
  std::size_t k = 0;
  for (std::size_t i = 0; i < z.n; ++i) {
    for (; k < std::min<std::size_t>(z.pered[i], taken); ++k) {
      v.bytes[v.n++] = vzyat(k);
    }
    v.bytes[v.n++] = z.otbros[i];
  }
  for (; k < taken; ++k) {
    v.bytes[v.n++] = vzyat(k);
  }
  return v;
}

// Every warning starts so: the program's name, and which line or argument
// it is about. Written by hand, each warning costs little more than its
// bytes: a quarter of the lines of a batch may have one.
constexpr std::string_view NACHALO = "rezonans: %s %d: ";
static_assert(DROPPED.starts_with(NACHALO) && PAST_80.starts_with(NACHALO) &&
              TAIL.starts_with(NACHALO) && W_AMONG.starts_with(NACHALO) &&
              Q_AMONG.starts_with(NACHALO));
constexpr std::string_view IMYA = NACHALO.substr(0, NACHALO.find('%'));
constexpr std::string_view MEZHDU = " ";
constexpr std::string_view POSLE = ": ";
static_assert(NACHALO.substr(IMYA.size()) == "%s %d: " &&
              MEZHDU == NACHALO.substr(IMYA.size() + 2, 1) &&
              POSLE == NACHALO.substr(NACHALO.size() - 2));

// The start of the warning `line` about line `stroka`, and its text up to
// what it quotes, if anything; returns the rest of its text, after that.
std::string_view Nachat(Tekst& tx, std::string_view line, std::string_view gde,
                        int stroka) {
  Dobavit(tx, IMYA);
  Dobavit(tx, gde);
  Dobavit(tx, MEZHDU);
  std::array<char, 12> number;
  const char* end = std::to_chars(number.begin(), number.end(), stroka).ptr;
  Dobavit(tx, {number.data(), static_cast<std::size_t>(end - number.data())});
  Dobavit(tx, POSLE);
  line.remove_prefix(NACHALO.size());
  const std::size_t quote = std::min(line.find("%s"), line.size());
  Dobavit(tx, line.substr(0, quote));
  return line.substr(std::min(quote + 2, line.size()));
}

// A warning that quotes bytes, when there are any.
void Citirovat(Tekst& tx, std::string_view line, std::string_view bytes,
               bool bolshe, std::string_view gde, int stroka) {
  if (bytes.empty() && !bolshe) {
    return;
  }
  const std::string_view rest = Nachat(tx, line, gde, stroka);
  Citata(tx, bytes, bolshe);
  Dobavit(tx, rest);
}

}  // namespace

void Preduprezhdat(const Terminal& t, const Vhod& in, int tip, const char* str,
                   bool& podskazat) {
  const Zametki& z = in.zametki;
  // Of a q line only that it ended the input counts; of a w line, what it
  // kept goes with it.
  const bool dropped =
      tip != 101 && (z.n > 0 || z.n_sverh > 0 || z.bolshe || z.bolshe_sverh ||
                     (tip == 100 && str[0] != '\0'));
  const std::string_view gde = GDE[in.args != nullptr ? 1 : 0];
  const std::string_view hvost = tip == 0 ? Hvost(str) : "";
  const bool odna = podskazat && tip == 0 && Metok(str) == 1;
  if (!dropped && hvost.empty() && !z.prervano && !odna) {
    return;
  }
  Tekst tx;
  if (dropped && tip == 100) {
    const Vyborka v = Vse(z, str);
    Citirovat(tx, W_AMONG, {v.bytes.data(), v.n}, z.bolshe || z.bolshe_sverh,
              gde, z.stroka);
  } else if (dropped) {
    Citirovat(tx, DROPPED, {z.otbros.data(), z.n}, z.bolshe, gde, z.stroka);
    Citirovat(tx, PAST_80, {z.sverh.data(), z.n_sverh}, z.bolshe_sverh, gde,
              z.stroka);
  }
  if (!hvost.empty()) {
    const std::string_view rest = Nachat(tx, TAIL, gde, z.stroka);
    Dobavit(tx, hvost);
    Dobavit(tx, rest);
  }
  if (z.prervano) {
    Dobavit(tx, Nachat(tx, Q_AMONG, gde, z.stroka));
  }
  if (odna) {
    Dobavit(tx, ONE_ARGUMENT);
    podskazat = false;
  }
  Warn(t, {tx.bytes.data(), tx.n});
}
