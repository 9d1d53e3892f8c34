// Arbitrary bytes through the reader, the parser, the calculator and the
// display scaling, checking what each promises its caller.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

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

void Scale(float value) {
  const float before = value;
  const int raz = Preobr(&value);
  Require(raz >= 0 && raz <= 15);
  if (before >= 5e-25 && before < 5e20) {
    Require(value >= 0.5F && value <= 500.0F);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
  if (in == nullptr) {
    return 0;
  }
  char str[LLL];
  for (int tip = Vvod(in, str); tip != 101; tip = Vvod(in, str)) {
    if (tip == 100) {
      continue;
    }
    Require(tip == 0 && Normalised(str));
    float L = 0, C = 0, F = 0, R = 0;
    const int code = Obrabotka(str, &L, &C, &F, &R);
    Require(code >= 0 && code <= 6);
    Raschet(&L, &C, &F, &R, code);
    for (float v : {F, C, L, R}) {
      Scale(v);
    }
  }
  std::fclose(in);
  return 0;
}
