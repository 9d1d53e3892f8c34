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
Sosed Postavit(float chast, float drugaya, double dopusk) {
  const float f = Chastota(chast, drugaya);
  return {std::isfinite(chast), chast, f, PolosaDetali(f, dopusk / 100)};
}

// The neighbours of a computed part, each with the frequency it gives.
Podbor Podobrat(float chast, float drugaya, const Ryad& ryad, double dopusk) {
  float nizhe = 0;
  float vyshe = 0;
  if (!Sosedi(chast, ryad, &nizhe, &vyshe)) {
    return {};
  }
  return {Postavit(nizhe, drugaya, dopusk), Postavit(vyshe, drugaya, dopusk)};
}

// The standard values of a part that exist, a standard value once; returns
// how many.
std::size_t Znacheniya(const Podbor& p, std::array<float, 2>& v) {
  std::size_t n = 0;
  if (p.nizhe.est) {
    v[n++] = p.nizhe.chast;
  }
  if (p.vyshe.est && !VRyadu(p)) {
    v[n++] = p.vyshe.chast;
  }
  return n;
}

// The circuits of the standard neighbours of both computed parts.
void Sobrat(Otvet& o) {
  std::array<float, 2> l{};
  std::array<float, 2> c{};
  const std::size_t nl = Znacheniya(o.podbor_L, l);
  const std::size_t nc = Znacheniya(o.podbor_C, c);
  o.n_par = Pary({l.data(), nl}, {c.data(), nc}, o.F, o.R, o.pary);
  for (std::size_t i = 0; i < o.n_par; ++i) {
    o.polosy_par[i] = PolosaPary(o.pary[i].F, o.dopusk / 100);
  }
}

}  // namespace

bool VRyadu(const Podbor& p) {
  return p.nizhe.est && p.vyshe.est && p.nizhe.chast == p.vyshe.chast;
}

Otvet Reshit(const char* str, const Ryad* ryad, double dopusk) {
  Otvet o;
  o.str = str;
  o.ryad = ryad;
  o.tip = Obrabotka(str, &o.L, &o.C, &o.F, &o.R);
  Raschet(&o.L, &o.C, &o.F, &o.R, o.tip);
  if (ryad == nullptr) {
    return o;
  }
  o.dopusk = dopusk > 0 ? dopusk : ryad->dopusk;
  const bool l = Vychislyaetsya(o.tip, 'L');
  const bool c = Vychislyaetsya(o.tip, 'C');
  if (l) {
    o.podbor_L = Podobrat(o.L, o.C, *ryad, o.dopusk);
  }
  if (c) {
    o.podbor_C = Podobrat(o.C, o.L, *ryad, o.dopusk);
  }
  if (l && c) {
    Sobrat(o);
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
  const Kontur& k = o.pary[0];
  for (const float x : {k.L, k.C, k.F, k.R}) {
    v[n++] = {x, o.n_par > 0};
  }
  for (const Podbor* p : {&o.podbor_L, &o.podbor_C}) {
    for (const Sosed* s : {&p->nizhe, &p->vyshe}) {
      v[n++] = {s->polosa.nachalo, s->est};
      v[n++] = {s->polosa.konec, s->est};
    }
  }
  v[n++] = {o.polosy_par[0].nachalo, o.n_par > 0};
  v[n++] = {o.polosy_par[0].konec, o.n_par > 0};
  return n;
}
