#include <algorithm>
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

// Infinite and undefined values in the program's own words: each standard
// library spells a NaN its own way (-nan, nan(ind), -nan(ind)). A NaN's sign
// is whatever the processor's default NaN has; it is written one way
// everywhere.
std::string_view NeChislo(double x) {
  if (std::isnan(x)) {
    return "-nan";
  }
  return x < 0 ? "-inf" : "inf";
}

// One number, left-aligned in `width` characters, with the decimal comma.
void Chislo(Tekst& t, double x, std::size_t width) {
  char* const start = Start(t);
  if (std::isfinite(x)) {
    const auto [end, error] =
        std::to_chars(start, Limit(t), x, std::chars_format::general, DIGITS);
    if (error != std::errc()) {
      return;
    }
    std::replace(start, end, '.', ',');
    Until(t, end);
  } else {
    Dobavit(t, NeChislo(x));
  }
  const auto shown = static_cast<std::size_t>(Start(t) - start);
  const std::size_t room = static_cast<std::size_t>(Limit(t) - Start(t));
  Until(t, std::fill_n(Start(t), std::min(width - std::min(width, shown), room),
                       ' '));
}

void Celoe(Tekst& t, int n) {
  const auto [end, error] = std::to_chars(Start(t), Limit(t), n);
  if (error == std::errc()) {
    Until(t, end);
  }
}

}  // namespace

void Dobavit(Tekst& t, std::string_view s) {
  const std::size_t k = std::min(s.size(), t.bytes.size() - t.n);
  std::copy_n(s.data(), k, Start(t));
  t.n += k;
}

void Pechat(Tekst& t, std::string_view fmt, std::initializer_list<Arg> args) {
  const Arg* arg = args.begin();
  for (std::size_t p = 0; p < fmt.size(); ++p) {
    const std::size_t percent = std::min(fmt.find('%', p), fmt.size());
    Dobavit(t, fmt.substr(p, percent - p));
    p = percent;
    if (p == fmt.size() || arg == args.end()) {
      break;
    }
    std::size_t width = 0;
    for (p += fmt.substr(p + 1, 1) == "-" ? 2 : 1;
         p < fmt.size() && fmt[p] >= '0' && fmt[p] <= '9'; ++p) {
      width = width * 10 + static_cast<std::size_t>(fmt[p] - '0');
    }
    const char kind = p < fmt.size() ? fmt[p] : '\0';
    if (kind == arg->kind && kind == 'g') {
      Chislo(t, arg->number, width);
    } else if (kind == arg->kind && kind == 's') {
      Dobavit(t, arg->text);
    } else if (kind == arg->kind && kind == 'd') {
      Celoe(t, arg->whole);
    }
    ++arg;
  }
}
