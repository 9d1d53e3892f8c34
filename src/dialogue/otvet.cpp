#include <cmath>
#include <initializer_list>

#include "../arithmetic/arithmetic.h"
#include "dialogue.h"

namespace {

// The resonant frequency of L with C: the formula the calculator uses when
// the entry gives the pair. The product is the same either way round.
float Chastota(float l, float c) {
  float f = 0;
  float r = 0;
  Raschet(&l, &c, &f, &r, 1);
  return f;
}

// A standard part beside `drugaya`, the other part of the circuit; one past
// the float range does not exist.
Sosed Postavit(float chast, float drugaya) {
  return {std::isfinite(chast), chast, Chastota(chast, drugaya)};
}

// The neighbours of a computed part, each with the frequency it gives.
Podbor Podobrat(float chast, float drugaya, const Ryad& ryad) {
  float nizhe = 0;
  float vyshe = 0;
  if (!Sosedi(chast, ryad, &nizhe, &vyshe)) {
    return {};
  }
  return {Postavit(nizhe, drugaya), Postavit(vyshe, drugaya)};
}

}  // namespace

Otvet Reshit(const char* str, const Ryad* ryad) {
  Otvet o;
  o.str = str;
  o.ryad = ryad;
  o.tip = Obrabotka(str, &o.L, &o.C, &o.F, &o.R);
  Raschet(&o.L, &o.C, &o.F, &o.R, o.tip);
  if (ryad != nullptr && Vychislyaetsya(o.tip, 'L')) {
    o.podbor_L = Podobrat(o.L, o.C, *ryad);
  }
  if (ryad != nullptr && Vychislyaetsya(o.tip, 'C')) {
    o.podbor_C = Podobrat(o.C, o.L, *ryad);
  }
  return o;
}

std::size_t Velichiny(const Otvet& o, std::array<Velichina, POLYA.size()>& v) {
  const bool valid = o.tip != 0;
  v[0] = {o.L, valid};
  v[1] = {o.C, valid};
  v[2] = {o.F, valid};
  v[3] = {o.R, valid};
  if (o.ryad == nullptr) {
    return NABOR;
  }
  std::size_t n = NABOR;
  for (const Podbor* p : {&o.podbor_L, &o.podbor_C}) {
    v[n++] = {p->nizhe.chast, p->nizhe.est};
    v[n++] = {p->vyshe.chast, p->vyshe.est};
    v[n++] = {p->nizhe.f, p->nizhe.est};
    v[n++] = {p->vyshe.f, p->vyshe.est};
  }
  return n;
}
