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

// A standard part of the marker's kind (L or C) in place of the computed
// one, and the frequency the circuit has with it: a capacitor with the
// stray beside it, whose tolerance the stray makes the smaller part of the
// circuit's. One past the float range does not exist.
Sosed Postavit(char marker, float chast, const Otvet& o) {
  const double dopusk = o.dopusk / 100;
  if (marker == 'L') {
    const float f = Chastota(chast, o.C_kontura);
    return {std::isfinite(chast), chast, f, PolosaDetali(f, dopusk)};
  }
  const float f = Chastota(o.L, EmkostKontura(chast, o.parazit));
  return {std::isfinite(chast), chast, f,
          PolosaDetali(f, DopuskKontura(dopusk, chast, o.parazit))};
}

// The neighbours of the computed L or C, each with the frequency it gives.
Podbor Podobrat(char marker, const Otvet& o) {
  float nizhe = 0;
  float vyshe = 0;
  if (!Sosedi(marker == 'L' ? o.L : o.C, *o.ryad, &nizhe, &vyshe)) {
    return {};
  }
  return {Postavit(marker, nizhe, o), Postavit(marker, vyshe, o)};
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
  o.n_par = Pary({l.data(), nl}, {c.data(), nc}, o.parazit, o.F, o.R, o.pary);
  const double dopusk = o.dopusk / 100;
  for (std::size_t i = 0; i < o.n_par; ++i) {
    o.polosy_par[i] = PolosaPary(o.pary[i].F, dopusk,
                                 DopuskKontura(dopusk, o.pary[i].C, o.parazit));
  }
}

}  // namespace

bool VRyadu(const Podbor& p) {
  return p.nizhe.est && p.vyshe.est && p.nizhe.chast == p.vyshe.chast;
}

bool Neudacha(const Otvet& o) { return o.tip == 0 || o.bez_detali; }

// Without a stray the circuit's capacitance is the part, to the bit, and
// the arithmetic is the calculator's alone.
Otvet Reshit(const char* str, const Parametry& p) {
  Otvet o;
  o.str = str;
  o.ryad = p.ryad;
  o.est_parazit = p.est_parazit;
  o.parazit = p.est_parazit ? p.parazit : 0;
  o.tip = Obrabotka(str, &o.L, &o.C, &o.F, &o.R);
  const bool c = Vychislyaetsya(o.tip, 'C');
  o.C_kontura = c ? o.C : EmkostKontura(o.C, o.parazit);
  Raschet(&o.L, &o.C_kontura, &o.F, &o.R, o.tip);
  if (c && !Detal(o.C_kontura, o.parazit, o.C)) {
    o.bez_detali = true;
    o.izbytok = o.parazit - o.C_kontura;
    o.C = NAN;
  }
  o.est_poteri = p.est_dobrotnost || p.est_poteri;
  if (o.est_poteri && !Neudacha(o)) {
    o.poteri = Propuskanie(
        p.est_dobrotnost ? p.dobrotnost : DobrotnostIzPoter(o.R, p.poteri), o.F,
        o.R);
  }
  if (o.ryad == nullptr) {
    return o;
  }
  o.dopusk = p.dopusk > 0 ? p.dopusk : o.ryad->dopusk;
  // A circuit with no part has no standard parts either.
  if (o.bez_detali) {
    return o;
  }
  const bool l = Vychislyaetsya(o.tip, 'L');
  if (l) {
    o.podbor_L = Podobrat('L', o);
  }
  if (c) {
    o.podbor_C = Podobrat('C', o);
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

std::size_t Dobavki(
    const Otvet& o,
    std::array<Dobavka, POLYA_PARAZITA.size() + POLYA_POTER.size()>& v) {
  std::size_t n = 0;
  if (o.est_parazit) {
    v[n++] = {POLYA_PARAZITA[0], o.parazit, true, false};
    v[n++] = {POLYA_PARAZITA[1], o.C_kontura, o.tip != 0, true};
  }
  if (o.est_poteri) {
    const Poteri& q = o.poteri;
    const std::array<double, POLYA_POTER.size()> x{q.Q, q.polosa, q.nizhe,
                                                   q.vyshe, q.R_dinamicheskoe};
    for (std::size_t i = 0; i < x.size(); ++i) {
      v[n++] = {POLYA_POTER[i], x[i], !Neudacha(o), false};
    }
  }
  return n;
}
