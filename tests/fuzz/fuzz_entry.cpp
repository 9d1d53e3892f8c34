// Arbitrary bytes through the reader, the parser, the calculator, the
// display scaling and the number formatter, checking what each promises its
// caller.
#include <algorithm>
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

// The report writes a number as printf's %g does, with the decimal comma.
bool AsPrintf(double x) {
  Tekst t;
  Pechat(t, "%g", {x});
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
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
    Raschet(&L, &C, &F, &R, code);
    for (float v : {F, C, L, R}) {
      Scale(v);
    }
  }
  return 0;
}
