#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#include "../common/texts.h"
#include "dialogue.h"

// A value as the page shows it: six significant digits, rounded once, in
// the prefix that puts 1 to 999 before the comma, or in the one the user
// chose; past the prefixes as a power of ten with the unit alone. Or, to be
// read back as the same value, with as many digits as that takes.

namespace {

constexpr int CIFR = 6;

// A nonzero finite value's significant digits, the first before the point,
// and the power of ten of the first.
struct Cifry {
  std::array<char, 24> d{};
  std::size_t n = 0;
  int e = 0;
};

// Rounded to CIFR digits; with `tochno`, the fewest that read back as the
// same float.
Cifry Okruglit(double x, bool tochno) {
  std::array<char, 40> b{};
  char* const konec = b.data() + b.size();
  const auto [end, error] =
      tochno ? std::to_chars(b.data(), konec, static_cast<float>(x),
                             std::chars_format::scientific)
             : std::to_chars(b.data(), konec, x, std::chars_format::scientific,
                             CIFR - 1);
  Cifry c;
  if (error != std::errc()) {
    return c;
  }
  // d[.ddd]e±XX
  const char* p = b.data();
  for (; p != end && *p != 'e'; ++p) {
    if (*p != '.' && c.n < c.d.size()) {
      c.d[c.n++] = *p;
    }
  }
  const bool minus = p + 1 < end && p[1] == '-';
  if (p + 2 < end) {
    std::from_chars(p + 2, end, c.e);
  }
  c.e = minus ? -c.e : c.e;
  return c;
}

void Nuli(Tekst& t, int n) {
  for (int i = 0; i < n; ++i) {
    Dobavit(t, "0");
  }
}

// The digits with `celyh` of them before the decimal comma, as many zeros
// as that takes around them, and no zero at the end of a fraction.
void Ciframi(Tekst& t, const Cifry& c, int celyh) {
  std::size_t n = c.n;
  while (n > 1 && c.d[n - 1] == '0') {
    --n;
  }
  const std::string_view d(c.d.data(), n);
  if (celyh <= 0) {
    Dobavit(t, "0,");
    Nuli(t, -celyh);
    Dobavit(t, d);
    return;
  }
  const auto k = static_cast<std::size_t>(celyh);
  Dobavit(t, d.substr(0, k));
  Nuli(t, celyh - static_cast<int>(n));
  if (k < d.size()) {
    Dobavit(t, ",");
    Dobavit(t, d.substr(k));
  }
}

// d,ddddd·10ⁿ, the power in superscript digits.
void Stepen(Tekst& t, const Cifry& c, int e) {
  Ciframi(t, c, 1);
  Dobavit(t, Bayty(STEPEN));
  if (e < 0) {
    Dobavit(t, Bayty(MINUS_VVERHU));
  }
  std::array<char, 8> b{};
  const auto [end, error] =
      std::to_chars(b.data(), b.data() + b.size(), e < 0 ? -e : e);
  for (const char* p = b.data(); error == std::errc() && p != end; ++p) {
    Dobavit(t, Bayty(VERHNIE[static_cast<std::size_t>(*p - '0')]));
  }
}

// A prefix's power of ten that puts 1 to 999 before the comma; none past
// tera and atto.
const Pristavka* Luchshaya(int e) {
  const int k = e >= 0 ? e / 3 * 3 : -((2 - e) / 3 * 3);
  for (const Pristavka& p : PRISTAVKI) {
    if (p.stepen == k) {
      return &p;
    }
  }
  return nullptr;
}

// In a prefix the user chose, a value is written out in full while that
// takes at most this many digits before the comma, and this many zeros
// after it before the first digit; else as a power of ten in that prefix.
constexpr int CELYH = 9;
constexpr int NULEI = 5;

const Pristavka& Bez() { return *NaitiPristavku(""); }

}  // namespace

const Pristavka* NaitiPristavku(std::string_view bukva) {
  for (const Pristavka& p : PRISTAVKI) {
    if (p.bukva == bukva) {
      return &p;
    }
  }
  return nullptr;
}

const Rod* NaitiRod(std::string_view imya) {
  for (const Rod& r : RODY) {
    if (r.imya == imya) {
      return &r;
    }
  }
  return nullptr;
}

Napisano Inzhenerno(Tekst& t, double x, const Rod& rod, const Pristavka* v,
                    bool tochno) {
  v = rod.pristavki ? v : &Bez();
  if (std::isnan(x)) {
    Dobavit(t, NE_CHISLO);
    return {&Bez(), true};
  }
  if (x == 0) {
    Dobavit(t, NOL);
    return {&Bez(), true};
  }
  if (x < 0) {
    Dobavit(t, "-");
    x = -x;
  }
  if (std::isinf(x)) {
    Dobavit(t, BESKONECHNOST);
    return {&Bez(), true};
  }
  const Cifry c = Okruglit(x, tochno);
  const Pristavka* p = v != nullptr ? v : Luchshaya(c.e);
  if (p == nullptr) {
    Stepen(t, c, c.e);
    return {&Bez(), false};
  }
  const int e = c.e - p->stepen;
  if (v != nullptr && (e >= CELYH || e < -NULEI - 1)) {
    Stepen(t, c, e);
  } else {
    Ciframi(t, c, e + 1);
  }
  return {p, false};
}

void SEdinicei(Tekst& t, std::string_view chislo, Napisano n, const Rod& rod) {
  Dobavit(t, chislo);
  if (!n.slovo && !(n.pristavka->imya.empty() && rod.edinica.empty())) {
    Dobavit(t, " ");
    Dobavit(t, n.pristavka->imya);
    Dobavit(t, rod.edinica);
  }
}

namespace {

// The value as read back: a float's own shortest text for a float.
template <typename T>
void ZnachenieKak(Tekst& t, T x, const Rod& rod) {
  Dobavit(t, "\"x\":");
  Tochno(t, x, Format::Json);
  Dobavit(t, ",\"t\":\"");
  const std::size_t start = t.n;
  const Napisano n = Inzhenerno(t, x, rod, nullptr);
  const std::string_view chislo(t.bytes.data() + start, t.n - start);
  Pechat(t, "\",\"p\":\"%s\",\"s\":\"", {n.pristavka->bukva});
  SEdinicei(t, chislo, n, rod);
  Dobavit(t, "\"");
}

}  // namespace

void ZnachenieStranicy(Tekst& t, float x, const Rod& rod) {
  ZnachenieKak(t, x, rod);
}

void ZnachenieStranicy(Tekst& t, double x, const Rod& rod) {
  ZnachenieKak(t, x, rod);
}

void DvaZnacheniya(Tekst& a, Tekst& b, double ot, double doo, const Rod& rod) {
  Tekst c;
  const Napisano n_ot = Inzhenerno(c, ot, rod, nullptr);
  const std::size_t mid = c.n;
  const Napisano n_do = Inzhenerno(c, doo, rod, nullptr);
  const std::string_view chislo_ot(c.bytes.data(), mid);
  if (n_ot.pristavka == n_do.pristavka && !n_ot.slovo && !n_do.slovo) {
    Dobavit(a, chislo_ot);
  } else {
    SEdinicei(a, chislo_ot, n_ot, rod);
  }
  SEdinicei(b, {c.bytes.data() + mid, c.n - mid}, n_do, rod);
}
