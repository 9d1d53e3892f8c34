// Arbitrary bytes through the reader, the parser, the calculator, the
// standard parts, the display scaling and the number formatters, checking
// what each promises its caller.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string_view>

#include "arithmetic/arithmetic.h"
#include "dialogue/dialogue.h"

namespace {

void Require(bool ok) {
  if (!ok) {
    std::abort();
  }
}

bool Normalised(const char* str) {
  return std::strlen(str) <= LLL - 1 &&
         std::strspn(str, "0123456789.GMKmunpLCFR") == std::strlen(str);
}

// The report writes a number as printf's %g does, with the decimal comma;
// every NaN, whatever its sign, as -nan.
bool AsPrintf(double x) {
  Tekst t;
  Pechat(t, "%g", {x});
  if (std::isnan(x)) {
    return std::string_view(t.bytes.data(), t.n) == "-nan";
  }
  char g[32];
  const int n = std::snprintf(g, sizeof g, "%g", x);
  std::replace(g, g + n, '.', ',');
  return std::string_view(t.bytes.data(), t.n) == std::string_view(g, n);
}

void Scale(float value) {
  Require(AsPrintf(value));
  const float before = value;
  const int raz = Preobr(&value);
  Require(AsPrintf(value));
  Require(raz >= 0 && raz <= 15);
  if (before >= 5e-25 && before < 5e20) {
    Require(value >= 0.5F && value <= 500.0F);
  }
}

// The length of the shortest text in this notation that reads back as x.
std::size_t Shortest(float x, std::chars_format notation) {
  std::array<char, 128> text{};
  for (int precision = 0; precision < 100; ++precision) {
    const char* const end =
        std::to_chars(text.begin(), text.end(), x, notation, precision).ptr;
    float back = 0;
    std::from_chars(text.begin(), end, back);
    if (back == x) {
      return static_cast<std::size_t>(end - text.begin());
    }
  }
  return text.size();
}

// A number for programs reads back as the very float, and no shorter text
// in either notation would.
bool Exact(float x) {
  Tekst t;
  Tochno(t, x, Format::Csv);
  const std::string_view text(t.bytes.data(), t.n);
  if (!std::isfinite(x)) {
    return text == (std::isnan(x) ? "nan" : x < 0 ? "-inf" : "inf");
  }
  float back = 0;
  const auto read = std::from_chars(text.begin(), text.end(), back);
  return read.ptr == text.end() && std::memcmp(&back, &x, sizeof x) == 0 &&
         text.size() <= Shortest(x, std::chars_format::scientific) &&
         text.size() <= Shortest(x, std::chars_format::fixed);
}

// A CSV record has its fields and nothing a reader would have to unquote.
bool Record(const Otvet& o) {
  Tekst t;
  ZapisatCsv(t, o);
  const std::string_view r(t.bytes.data(), t.n);
  const auto commas =
      static_cast<std::size_t>(std::count(r.begin(), r.end(), ','));
  return commas == 1 + (o.ryad != nullptr ? POLYA.size() : NABOR) +
                       (o.est_parazit ? POLYA_PARAZITA.size() : 0) +
                       (o.est_poteri ? POLYA_POTER.size() : 0) &&
         r.find_first_of("\"\r") == std::string_view::npos &&
         r.find('\n') == r.size() - 1;
}

// The standard parts lie on either side of the part, or at a standard
// value within a millionth of it, give or take the rounding of that value to
// a float; each that exists is a finite float, and one below exists with
// any above.
bool Around(const Podbor& p, float part) {
  constexpr double NEAR = 1e-6 + 0x1p-23;
  const bool below =
      !p.nizhe.est || (p.nizhe.chast > 0 && p.nizhe.chast <= part * (1 + NEAR));
  const bool above = !p.vyshe.est || (std::isfinite(p.vyshe.chast) &&
                                      p.vyshe.chast >= part * (1 - NEAR) &&
                                      p.nizhe.chast <= p.vyshe.chast);
  return below && above && (p.nizhe.est || !p.vyshe.est);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  // The first byte picks the series, if any, and whether a stray of 12 pF
  // and a loss of 1 ohm are given.
  const Ryad* ryad = nullptr;
  if (size > 0 && data[0] % 8 != 7) {
    ryad = NaitiRyad(std::array<const char*, 7>{"E3", "E6", "E12", "E24", "E48",
                                                "E96", "E192"}[data[0] % 8]);
  }
  const auto* text = reinterpret_cast<const char*>(data);
  Vhod in{text, text + size};
  char str[LLL];
  for (int tip = Vvod(in, str); tip != 101; tip = Vvod(in, str)) {
    if (tip == 100) {
      continue;
    }
    Require(tip == 0 && Normalised(str));
    float L = 0, C = 0, F = 0, R = 0;
    const int code = Obrabotka(str, &L, &C, &F, &R);
    Require(code >= 0 && code <= 6 && AsPrintf(L) && AsPrintf(C));
    // The reading in double precision has the same grammar: the same
    // combination, and numbers no less than 0, never undefined.
    std::array<double, 4> tochno{};
    Require(ObrabotkaTochno(str, &tochno[0], &tochno[1], &tochno[2],
                            &tochno[3]) == code);
    for (const double x : tochno) {
      Require(x >= 0);
    }
    Parametry p;
    p.ryad = ryad;
    p.est_parazit = size > 0 && (data[0] & 8U) != 0;
    p.parazit = 12e-12;
    p.est_poteri = size > 0 && (data[0] & 16U) != 0;
    p.poteri = 1;
    const Otvet o = Reshit(str, p);
    Require(o.tip == code && Record(o));
    Require(Around(o.podbor_L, o.L) && Around(o.podbor_C, o.C));
    std::array<Velichina, POLYA.size()> v{};
    for (std::size_t i = 0, n = Velichiny(o, v); i < n; ++i) {
      Require(Exact(v[i].x));
    }
    for (float v : {o.F, o.C, o.L, o.R}) {
      Scale(v);
    }
  }
  return 0;
}
