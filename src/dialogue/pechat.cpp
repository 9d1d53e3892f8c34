#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

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
    const auto [end, error] = std::to_chars(Start(t), Limit(t), x,
                                            std::chars_format::general, DIGITS);
    if (error == std::errc()) {
      Until(t, end);
    }
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
  const auto [end, error] = std::to_chars(Start(t), Limit(t), x);
  if (error == std::errc()) {
    Until(t, end);
  }
}

void Tochno(Tekst& t, float x, Format format) { Tochno<float>(t, x, format); }

void Tochno(Tekst& t, double x, Format format) { Tochno<double>(t, x, format); }
