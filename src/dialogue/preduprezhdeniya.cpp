#include <algorithm>
#include <cstdio>

#include "../arithmetic/arithmetic.h"
#include "../common/texts.h"
#include "dialogue.h"

// Where nobody reads the echo (arguments, a file or a pipe, answers for
// programs), what the reader and the parser drop would go unseen: each kind
// is said on standard error, before the answer it belongs to.

namespace {

// Bytes a UTF-8 character has in all, by its first byte and the bytes
// that follow it; 0 when they are not one.
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

// A byte a terminal would not show as a character of its own: as \xNN.
void Kod(Tekst& t, unsigned char b) {
  constexpr std::string_view HEX = "0123456789ABCDEF";
  const char code[] = {'\\', 'x', HEX[b >> 4U], HEX[b & 0xFU]};
  Dobavit(t, {code, sizeof code});
}

// Dropped bytes as they came: printable characters as they are, in the
// encoding of the program's texts where it has them; control characters
// and bytes that are no UTF-8 in a form a terminal can print.
void Pokazat(Tekst& t, std::string_view s, bool bolshe) {
  while (!s.empty()) {
    const std::size_t n = Utf8(s);
    const auto lead = static_cast<unsigned char>(s[0]);
    // C0 and C1 controls and DEL; a C1 control is U+0080 to U+009F.
    const bool control =
        lead < 0x20 || lead == 0x7F ||
        (n == 2 && lead == 0xC2 && static_cast<unsigned char>(s[1]) < 0xA0);
    char znak[4];
    const std::size_t k = n == 0 || control ? 0 : Znak(s.substr(0, n), znak);
    if (k > 0) {
      Dobavit(t, {znak, k});
    }
    for (std::size_t i = 0; k == 0 && i < std::max<std::size_t>(n, 1); ++i) {
      Kod(t, static_cast<unsigned char>(s[i]));
    }
    s.remove_prefix(std::max<std::size_t>(n, 1));
  }
  if (bolshe) {
    Dobavit(t, MORE);
  }
}

}  // namespace

void Preduprezhdat(const Terminal& t, const Vhod& in, int tip, const char* str,
                   bool& podskazat) {
  const Zametki& z = in.zametki;
  // Of a q line only that it ended the input counts.
  const bool dropped = z.n > 0 && tip != 101;
  const std::string_view gde = GDE[in.args != nullptr ? 1 : 0];
  const std::string_view hvost = tip == 0 ? Hvost(str) : "";
  const bool odna = podskazat && tip == 0 && Metok(str) == 1;
  if (!dropped && hvost.empty() && !z.prervano && !odna) {
    return;
  }
  Tekst tx;
  if (dropped) {
    Tekst otbros;
    Pokazat(otbros, {z.otbros.data(), z.n}, z.bolshe);
    Pechat(tx, tip == 100 ? W_AMONG : DROPPED,
           {gde, z.stroka, std::string_view(otbros.bytes.data(), otbros.n)});
  }
  if (!hvost.empty()) {
    Pechat(tx, TAIL, {gde, z.stroka, hvost});
  }
  if (z.prervano) {
    Pechat(tx, Q_AMONG, {gde, z.stroka});
  }
  if (odna) {
    Dobavit(tx, ONE_ARGUMENT);
    podskazat = false;
  }
  Warn(t, {tx.bytes.data(), tx.n});
}
