#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <type_traits>

#include "dialogue.h"

namespace {

// The significant digits of %g. The library writes the text of printf's %g in
// the "C" locale itself, so it is the same on every platform.
constexpr int DIGITS = 6;

char* Start(Tekst& t) { return t.bytes.data() + t.n; }
char* Limit(Tekst& t) { return t.bytes.data() + t.bytes.size(); }

void Until(Tekst& t, const char* end) {
  t.n = static_cast<std::size_t>(end - t.bytes.data());
}

// A directive of a format: %[-][+][width][.precision]kind, the flags in
// that order. Numbers are always left-aligned.
struct Pole {
  bool znak = false;  // a sign before a positive number too
  std::size_t shirina = 0;
  int tochnost = 0;  // digits after the point, for %f
  char vid = '\0';
};

std::size_t ChitatCeloe(std::string_view fmt, std::size_t& p) {
  std::size_t n = 0;
  for (; p < fmt.size() && fmt[p] >= '0' && fmt[p] <= '9'; ++p) {
    n = n * 10 + static_cast<std::size_t>(fmt[p] - '0');
  }
  return n;
}

// Reads the directive whose % stands at fmt[p]; leaves p on its kind.
Pole Razobrat(std::string_view fmt, std::size_t& p) {
  Pole pole;
  ++p;
  p += p < fmt.size() && fmt[p] == '-' ? 1 : 0;
  if (p < fmt.size() && fmt[p] == '+') {
    pole.znak = true;
    ++p;
  }
  pole.shirina = ChitatCeloe(fmt, p);
  if (p < fmt.size() && fmt[p] == '.') {
    pole.tochnost = static_cast<int>(ChitatCeloe(fmt, ++p));
  }
  pole.vid = p < fmt.size() ? fmt[p] : '\0';
  return pole;
}

// Infinite and undefined values in the program's own words: each standard
// library spells a NaN its own way (-nan, nan(ind), -nan(ind)). A NaN's sign
// is whatever the processor's default NaN has, so the report writes every
// NaN -nan; CSV writes nan, and JSON, which has no such numbers, null.
std::string_view NeChislo(double x, Format format) {
  if (format == Format::Json) {
    return "null";
  }
  if (std::isnan(x)) {
    return format == Format::Csv ? "nan" : "-nan";
  }
  return x < 0 ? "-inf" : "inf";
}

// A fixed figure with its sign when asked for; one that rounds to nothing
// has none.
void Fiksirovannoe(Tekst& t, double x, const Pole& pole) {
  std::array<char, 64> buffer;
  const auto [end, error] = std::to_chars(
      buffer.begin(), buffer.end(), x, std::chars_format::fixed, pole.tochnost);
  std::string_view s(
      buffer.data(),
      error == std::errc() ? static_cast<std::size_t>(end - buffer.data()) : 0);
  if (s.find_first_not_of("-0.") == std::string_view::npos) {
    s.remove_prefix(s.starts_with('-') ? 1 : 0);
  } else if (pole.znak && x > 0) {
    Dobavit(t, "+");
  }
  Dobavit(t, s);
}

// The shortest text that reads back as `x`: without an exponent, as a
// number is typed, where that takes at most KRATKO characters.
void Kratchaishee(Tekst& t, double x) {
  std::array<char, KRATKO> fixed;
  const auto [end, error] =
      std::to_chars(fixed.begin(), fixed.end(), x, std::chars_format::fixed);
  if (error == std::errc()) {
    Dobavit(t, {fixed.data(), static_cast<std::size_t>(end - fixed.data())});
    return;
  }
  const auto shortest = std::to_chars(Start(t), Limit(t), x);
  if (shortest.ec == std::errc()) {
    Until(t, shortest.ptr);
  }
}

// The powers of ten a double holds exactly.
constexpr std::array<double, 23> STEPENI = [] {
  std::array<double, 23> p{};
  double x = 1;
  for (double& v : p) {
    v = x;
    x *= 10;
  }
  return p;
}();
static_assert(STEPENI.back() == 1e22);

// The six significant digits of %g, as a whole number from 100000 to 999999,
// and the power of ten of its first: |x| rounded to them is
// cifry * 10^(poryadok - 5).
struct Cifry {
  std::uint32_t cifry = 0;
  int poryadok = 0;
};

// Where |x| scaled by a power of ten in the table lands between two whole
// numbers clearly, one multiplication or division rounds them right: its
// error is below 2^-33 there, far within the margin to the middle. False
// where it does not (a tie, a number too large or too small), for the
// library to round.
bool Okruglit(double x, Cifry& c) {
  const double a = std::fabs(x);
  const int dvoichnyi =
      static_cast<int>((std::bit_cast<std::uint64_t>(a) >> 52U) & 0x7FFU) -
      1023;
  // log10(2) times the binary exponent: the decimal one, or one below it.
  int poryadok = static_cast<int>(std::floor(dvoichnyi * 0.30102999566398120));
  double y = 0;
  for (int round = 0; round < 2; ++round) {
    const int k = DIGITS - 1 - poryadok;
    if (k < -22 || k > 22 || dvoichnyi < -1022) {
      return false;
    }
    y = k >= 0 ? a * STEPENI[static_cast<std::size_t>(k)]
               : a / STEPENI[static_cast<std::size_t>(-k)];
    if (y < 1e6) {
      break;
    }
    ++poryadok;
  }
  const double whole = std::floor(y);
  const double frac = y - whole;
  if (y < 1e5 || y >= 1e6 || std::fabs(frac - 0.5) < 1e-9) {
    return false;
  }
  c.cifry = static_cast<std::uint32_t>(whole) + (frac > 0.5 ? 1 : 0);
  c.poryadok = poryadok;
  if (c.cifry == 1000000) {
    c.cifry = 100000;
    ++c.poryadok;
  }
  return true;
}

// %g of a finite number with six significant digits, as printf writes it:
// fixed from 10^-4 to below 10^6, else with an exponent of at least two
// digits; trailing zeros of the fraction dropped, and a point with nothing
// after it.
void Obshchee(Tekst& t, double x) {
  if (x == 0) {
    Dobavit(t, std::signbit(x) ? "-0" : "0");
    return;
  }
  Cifry c;
  constexpr std::size_t LONGEST = 16;
  if (Limit(t) - Start(t) < static_cast<std::ptrdiff_t>(LONGEST) ||
      !Okruglit(x, c)) {
    const auto [end, error] = std::to_chars(Start(t), Limit(t), x,
                                            std::chars_format::general, DIGITS);
    if (error == std::errc()) {
      Until(t, end);
    }
    return;
  }
  std::array<char, DIGITS> d;
  for (std::size_t i = d.size(); i-- > 0; c.cifry /= 10) {
    d[i] = static_cast<char>('0' + c.cifry % 10);
  }
  // Significant digits left once the trailing zeros go.
  std::size_t n = d.size();
  while (n > 1 && d[n - 1] == '0') {
    --n;
  }
  char* p = Start(t);
  if (x < 0) {
    *p++ = '-';
  }
  const int e = c.poryadok;
  if (e < -4 || e >= DIGITS) {
    *p++ = d[0];
    if (n > 1) {
      *p++ = '.';
      p = std::copy(d.begin() + 1, d.begin() + static_cast<std::ptrdiff_t>(n),
                    p);
    }
    *p++ = 'e';
    *p++ = e < 0 ? '-' : '+';
    const int m = std::abs(e);
    if (m >= 100) {
      *p++ = static_cast<char>('0' + m / 100);
    }
    *p++ = static_cast<char>('0' + m / 10 % 10);
    *p++ = static_cast<char>('0' + m % 10);
  } else if (e >= 0) {
    const auto whole = static_cast<std::size_t>(e) + 1;
    p = std::copy(d.begin(), d.begin() + static_cast<std::ptrdiff_t>(whole), p);
    if (n > whole) {
      *p++ = '.';
      p = std::copy(d.begin() + static_cast<std::ptrdiff_t>(whole),
                    d.begin() + static_cast<std::ptrdiff_t>(n), p);
    }
  } else {
    *p++ = '0';
    *p++ = '.';
    p = std::fill_n(p, -e - 1, '0');
    p = std::copy(d.begin(), d.begin() + static_cast<std::ptrdiff_t>(n), p);
  }
  Until(t, p);
}

// What was written from `start` on, left-aligned in the field's width.
void Vyrovnyat(Tekst& t, std::size_t start, const Pole& pole) {
  const std::size_t shown = t.n - start;
  const std::size_t room = static_cast<std::size_t>(Limit(t) - Start(t));
  Until(t,
        std::fill_n(
            Start(t),
            std::min(pole.shirina - std::min(pole.shirina, shown), room), ' '));
}

// One number, left-aligned in its field, with the decimal comma.
void Chislo(Tekst& t, double x, const Pole& pole) {
  const std::size_t start = t.n;
  if (!std::isfinite(x)) {
    Dobavit(t, NeChislo(x, Format::Text));
  } else if (pole.vid == 'f') {
    Fiksirovannoe(t, x, pole);
  } else if (pole.vid == 'v') {
    Kratchaishee(t, x);
  } else {
    Obshchee(t, x);
  }
  std::replace(t.bytes.data() + start, Start(t), '.', ',');
  Vyrovnyat(t, start, pole);
}

void Celoe(Tekst& t, int n) {
  const auto [end, error] = std::to_chars(Start(t), Limit(t), n);
  if (error == std::errc()) {
    Until(t, end);
  }
}

}  // namespace

void ChisloG(Tekst& t, double x) { Chislo(t, x, {.vid = 'g'}); }

void Pechat(Tekst& t, std::string_view fmt, std::initializer_list<Arg> args) {
  const Arg* arg = args.begin();
  for (std::size_t p = 0; p < fmt.size(); ++p) {
    const std::size_t percent = std::min(fmt.find('%', p), fmt.size());
    Dobavit(t, fmt.substr(p, percent - p));
    p = percent;
    if (p == fmt.size()) {
      break;
    }
    const Pole pole = Razobrat(fmt, p);
    if (pole.vid == '%') {
      Dobavit(t, "%");
      continue;
    }
    if (arg == args.end()) {
      break;
    }
    const bool number = pole.vid == 'g' || pole.vid == 'f' || pole.vid == 'v';
    if (number && arg->kind == 'g') {
      Chislo(t, arg->number, pole);
    } else if (number && arg->kind == 's') {
      const std::size_t start = t.n;
      Dobavit(t, arg->text);
      Vyrovnyat(t, start, pole);
    } else if (pole.vid == 's' && arg->kind == 's') {
      Dobavit(t, arg->text);
    } else if (pole.vid == 'd' && arg->kind == 'd') {
      Celoe(t, arg->whole);
    }
    ++arg;
  }
}

template <typename T>
void Tochno(Tekst& t, T x, Format format) {
  if (!std::isfinite(x)) {
    Dobavit(t, NeChislo(x, format));
    return;
  }
  // A float is written by the program's own shortest writer, which needs
  // room for the longest.
  if constexpr (std::is_same_v<T, float>) {
    if (Limit(t) - Start(t) >= static_cast<std::ptrdiff_t>(KRATKO_FLOAT)) {
      Until(t, Kratko(Start(t), x));
      return;
    }
  }
  const auto [end, error] = std::to_chars(Start(t), Limit(t), x);
  if (error == std::errc()) {
    Until(t, end);
  }
}

void Tochno(Tekst& t, float x, Format format) { Tochno<float>(t, x, format); }

void Tochno(Tekst& t, double x, Format format) { Tochno<double>(t, x, format); }
