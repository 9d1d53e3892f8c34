#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "../arithmetic/diapazon.h"
#include "../common/texts.h"
#include "dialogue.h"

// The page's tuning range shows what this record holds and computes
// nothing: every value comes with its text as the page writes it. No text
// in it needs escaping: numbers, prefix letters and the program's own words.

namespace {

const Rod& HENRY = RODY[0];
const Rod& FARAD = RODY[1];
const Rod& HERTZ = RODY[2];
static_assert(RODY[0].imya == "henry" && RODY[1].imya == "farad" &&
              RODY[2].imya == "hertz");

std::string_view Istina(bool b) { return b ? "true" : "false"; }

std::string_view Tekstom(const Tekst& t) { return {t.bytes.data(), t.n}; }

void Velichinu(Tekst& t, std::string_view klyuch, double x, const Rod& rod) {
  Pechat(t, "\"%s\":{", {klyuch});
  ZnachenieStranicy(t, x, rod);
  Dobavit(t, "}");
}

// A part that may be none (an infinite padder, a trimmer not needed): null.
void Chast(Tekst& t, std::string_view klyuch, double x, bool est,
           const Rod& rod) {
  if (est) {
    Velichinu(t, klyuch, x, rod);
  } else {
    Pechat(t, "\"%s\":null", {klyuch});
  }
}

// `fmt` with the texts of two values in its two places, the first without
// its unit where both take the same prefix.
void Dva(Tekst& t, std::string_view fmt, double a, double b, const Rod& rod) {
  Tekst ta;
  Tekst tb;
  DvaZnacheniya(ta, tb, a, b, rod);
  Pechat(t, fmt, {Tekstom(ta), Tekstom(tb)});
}

// `fmt` with the text of one value in its place.
void Odin(Tekst& t, std::string_view fmt, double x, const Rod& rod) {
  Tekst tx;
  const Napisano n = Inzhenerno(tx, x, rod, nullptr);
  Tekst s;
  SEdinicei(s, Tekstom(tx), n, rod);
  Pechat(t, fmt, {Tekstom(s)});
}

// Two ends, each a value, and the text `fmt` makes of them.
void Koncy(Tekst& t, std::string_view klyuch, double a, double b,
           const Rod& rod, std::string_view fmt) {
  Pechat(t, "\"%s\":{", {klyuch});
  Velichinu(t, "from", a, rod);
  Dobavit(t, ",");
  Velichinu(t, "to", b, rod);
  Dobavit(t, ",\"s\":\"");
  Dva(t, fmt, a, b, rod);
  Dobavit(t, "\"}");
}

// A band as the page writes one: 530 кГц – 1,7 МГц.
constexpr std::string_view POLOSA = "%s – %s";
static_assert(POLOSA.size() == DO.size() + 4 &&
              POLOSA.substr(2, DO.size()) == DO);

constexpr std::array<std::string_view, 3> VYBORY{"coil", "trimmer", "padder"};
static_assert(static_cast<std::size_t>(Vybor::Padder) == VYBORY.size());

std::size_t Kakaya(Vybor v) { return static_cast<std::size_t>(v) - 1; }

const Rod& RodVybora(Vybor v) { return v == Vybor::Katushka ? HENRY : FARAD; }

// Why there is no design, as the report says it, with the page's values.
void Proval(Tekst& t, const Sopryazhenie& o) {
  const Zadanie& z = o.zadanie;
  const Predely& p = o.predely;
  Dobavit(t, PROVAL.substr(1));
  if (o.ishod == Ishod::Nevozmozhno) {
    Dva(t, POKAZ_NEVOZMOZHNO, z.f_min, o.f_predel, HERTZ);
  } else if (z.vybor == Vybor::Katushka) {
    Dva(t, POKAZ_VNE_PREDELOV[Kakaya(z.vybor)], p.L_min, p.L_max, HENRY);
  } else if (z.vybor == Vybor::Trimmer) {
    Odin(t, POKAZ_VNE_PREDELOV[Kakaya(z.vybor)], p.trimmer_max, FARAD);
  } else if (std::isinf(p.padder_min)) {
    Dobavit(t, PADDER_LISHNII.substr(0, PADDER_LISHNII.size() - 1));
  } else {
    Odin(t, POKAZ_VNE_PREDELOV[Kakaya(z.vybor)], p.padder_min, FARAD);
  }
}
static_assert(PROVAL.starts_with(' ') && PADDER_LISHNII.ends_with('\n'));

// What was asked, whether there is a design and why not, and the ranges.
void Zadano(Tekst& t, const Sopryazhenie& o) {
  const Zadanie& z = o.zadanie;
  constexpr std::array<std::string_view, 3> ISHODY{"design", "impossible",
                                                   "outside"};
  static_assert(static_cast<std::size_t>(Ishod::VnePredelov) + 1 ==
                ISHODY.size());
  Pechat(t, "{\"result\":\"%s\",", {ISHODY[static_cast<std::size_t>(o.ishod)]});
  Koncy(t, "band", z.f_min, z.f_max, HERTZ, POLOSA);
  Dobavit(t, ",");
  Koncy(t, "variable", z.c_min, z.c_max, FARAD, POLOSA);
  Dobavit(t, ",");
  Velichinu(t, "stray", z.parazit, FARAD);
  if (z.vybor == Vybor::Net) {
    Dobavit(t, ",\"fixed\":null,\"value\":null");
  } else {
    Pechat(t, ",\"fixed\":\"%s\",", {VYBORY[Kakaya(z.vybor)]});
    Velichinu(t, "value", z.znachenie, RodVybora(z.vybor));
  }
  Dobavit(t, ",\"why\":");
  if (o.ishod == Ishod::Gotovo) {
    Dobavit(t, "null");
  } else {
    Dobavit(t, "\"");
    Proval(t, o);
    Dobavit(t, "\"");
  }
  if (o.ishod == Ishod::Nevozmozhno) {
    Dobavit(t, ",\"ranges\":null");
    return;
  }
  const Predely& p = o.predely;
  Dobavit(t, ",\"ranges\":{");
  Koncy(t, "L", p.L_min, p.L_max, HENRY, POKAZ_OT_DO);
  Dobavit(t, ",\"trimmer\":{");
  Velichinu(t, "from", 0.0, FARAD);
  Dobavit(t, ",");
  Velichinu(t, "to", p.trimmer_max, FARAD);
  Dobavit(t, ",\"s\":\"");
  Odin(t, POKAZ_TRIMMER, p.trimmer_max, FARAD);
  Dobavit(t, "\"},\"padder\":{");
  if (std::isinf(p.padder_min)) {
    Pechat(t, "\"from\":null,\"s\":\"%s\"}}", {POKAZ_NE_NUZHEN});
    return;
  }
  Velichinu(t, "from", p.padder_min, FARAD);
  Dobavit(t, ",\"s\":\"");
  Odin(t, POKAZ_PADDER, p.padder_min, FARAD);
  Dobavit(t, "\"}}");
}

// A circuit: its parts, the band it tunes, whether that holds the band
// asked, and its dial.
void Shemu(Tekst& t, const Shema& sh, bool trimmer, bool perekryvaet,
           const Shkala& k) {
  Velichinu(t, "L", sh.L, HENRY);
  Dobavit(t, ",");
  Chast(t, "trimmer", sh.trimmer, trimmer, FARAD);
  Dobavit(t, ",");
  Chast(t, "padder", sh.padder, std::isfinite(sh.padder), FARAD);
  Dobavit(t, ",");
  Koncy(t, "tuned", sh.f_low, sh.f_high, HERTZ, POLOSA);
  Pechat(t, ",\"covers\":%s,\"dial\":[", {Istina(perekryvaet)});
  for (std::size_t i = 0; i < k.size(); ++i) {
    Pechat(t, i == 0 ? "{\"at\":%d," : ",{\"at\":%d,",
           {static_cast<int>(i * 10)});
    Velichinu(t, "f", k[i], HERTZ);
    Dobavit(t, "}");
  }
  Dobavit(t, "]");
}

// The round frequencies of the dial's picture: over the band asked, the
// design's and that of the first circuit of standard parts.
void Razmetku(Tekst& t, const Sopryazhenie& o) {
  double ot = o.zadanie.f_min;
  double doo = o.zadanie.f_max;
  for (std::size_t i = 0; i <= std::min<std::size_t>(o.n_standart, 1); ++i) {
    const Shema& sh = i == 0 ? o.proekt : o.standart[0].shema;
    ot = std::min(ot, sh.f_low);
    doo = std::max(doo, sh.f_high);
  }
  Razmetka r;
  Dobavit(t, ",\"axis\":[");
  if (Razmetit(ot, doo, r)) {
    for (std::size_t i = 0; i < r.n; ++i) {
      Dobavit(t, i > 0 ? ",{" : "{");
      ZnachenieStranicy(t, r.x[i], HERTZ);
      Dobavit(t, "}");
    }
  }
  Dobavit(t, "]");
}

// Writes out what `t` holds, and empties it.
void Vyvesti(Tekst& t, std::FILE* out) {
  std::fwrite(t.bytes.data(), 1, t.n, out);
  t.n = 0;
}

}  // namespace

void ZapisatDiapazonPokaz(const Sopryazhenie& o, std::FILE* out) {
  // Each piece fits its own text with room to spare: what was asked, a
  // circuit with its dial of eleven values, the picture's marks.
  Tekst t;
  Zadano(t, o);
  Vyvesti(t, out);
  if (o.ishod != Ishod::Gotovo) {
    Dobavit(t,
            ",\"design\":null,\"series\":null,\"standard\":[],\"axis\":[]}\n");
    Vyvesti(t, out);
    return;
  }
  Dobavit(t, ",\"design\":{");
  Shemu(t, o.proekt, true, true, o.shkala);
  Dobavit(t, "}");
  Vyvesti(t, out);
  if (o.ryad == nullptr) {
    Dobavit(t, ",\"series\":null,\"standard\":[");
  } else {
    Pechat(t, ",\"series\":\"%s\",\"standard\":[", {o.ryad->imya});
  }
  for (std::size_t i = 0; i < o.n_standart; ++i) {
    const Standart& s = o.standart[i];
    Dobavit(t, i > 0 ? ",{" : "{");
    Shemu(t, s.shema, !s.bez_trimmera, s.perekryvaet, s.shkala);
    Dobavit(t, "}");
    Vyvesti(t, out);
  }
  Dobavit(t, "]");
  Razmetku(t, o);
  Dobavit(t, "}\n");
  Vyvesti(t, out);
}

bool ZapisatOtkazDiapazona(Tekst& t, Oshibka o) {
  struct Otkaz {
    Oshibka oshibka;
    std::string_view opciya;
    std::string_view pochemu;
  };
  constexpr std::array<Otkaz, 6> OTKAZY{{
      {Oshibka::Polosa, "band", OTKAZ_POLOSY},
      {Oshibka::Peremennyi, "variable", OTKAZ_PEREMENNOGO},
      {Oshibka::Parazit, "stray", OTKAZ_CHISLA},
      {Oshibka::Katushka, "coil", OTKAZ_CHISLA},
      {Oshibka::Trimmer, "trimmer", OTKAZ_CHISLA},
      {Oshibka::Padder, "padder", OTKAZ_CHISLA},
  }};
  for (const Otkaz& k : OTKAZY) {
    if (k.oshibka == o) {
      Dobavit(t, k.opciya);
      Dobavit(t, std::string_view("\0", 1));
      Dobavit(t, k.pochemu);
      return true;
    }
  }
  return false;
}
