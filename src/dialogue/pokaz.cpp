#include <array>
#include <cmath>
#include <cstdio>
#include <utility>

#include "../arithmetic/arithmetic.h"
#include "../common/texts.h"
#include "dialogue.h"

// The page's calculator shows what these records hold and computes nothing:
// every value comes with its text as the page writes it, in the prefix
// that reads best. No text in them needs escaping: numbers, prefix letters
// and the program's own words.

namespace {

std::string_view Istina(bool b) { return b ? "true" : "false"; }

// What stands before an item of a list: nothing before the first.
std::string_view Zapyataya(bool pervyi) { return pervyi ? "" : ","; }

const Rod& HENRY = RODY[0];
const Rod& FARAD = RODY[1];
const Rod& HERTZ = RODY[2];
const Rod& OHM = RODY[3];
const Rod& NUMBER = RODY[5];
static_assert(RODY[0].imya == "henry" && RODY[1].imya == "farad" &&
              RODY[2].imya == "hertz" && RODY[3].imya == "ohm" &&
              RODY[5].imya == "number");

// A quantity as shown (ZnachenieStranicy), as an object under `klyuch`: a
// float of the calculator or a double of the design arithmetic.
template <typename T>
void Velichinu(Tekst& t, std::string_view klyuch, T x, const Rod& rod) {
  Pechat(t, "\"%s\":{", {klyuch});
  ZnachenieStranicy(t, x, rod);
  Dobavit(t, "}");
}

// Both ends of a band of frequencies, and the band as one text: the ends in
// one prefix when both take it (6,67388 – 8,15697 МГц), else each with its
// own.
template <typename T>
void Polosu(Tekst& t, std::string_view klyuch, T nachalo, T konec) {
  Pechat(t, "\"%s\":{", {klyuch});
  Velichinu(t, "from", nachalo, HERTZ);
  Dobavit(t, ",");
  Velichinu(t, "to", konec, HERTZ);
  Dobavit(t, ",\"s\":\"");
  Tekst a;
  Tekst b;
  DvaZnacheniya(a, b, nachalo, konec, HERTZ);
  Dobavit(t, {a.bytes.data(), a.n});
  Dobavit(t, DO);
  Dobavit(t, {b.bytes.data(), b.n});
  Dobavit(t, "\"}");
}

// How far `x` lies from `ot`, in percent, as the report writes it.
void Procenty(Tekst& t, std::string_view klyuch, float x, float ot) {
  Pechat(t, "\"%s\":\"%+.2f\"", {klyuch, Otklonenie(x, ot) * 100});
}

// What a quantity that is no positive number is: zero, infinite or
// undefined; null for any other.
std::string_view Osoboe(float x) {
  if (std::isnan(x)) {
    return "\"nan\"";
  }
  if (std::isinf(x)) {
    return "\"inf\"";
  }
  return x == 0 ? "\"zero\"" : "null";
}

// The entry, its code, the four quantities, each given or computed, and the
// series and the tolerance in use.
void Kolichestva(Tekst& t, const Otvet& o) {
  Pechat(t, "{\"entry\":\"%s\",\"code\":%d", {std::string_view(o.str), o.tip});
  constexpr std::string_view MARKERS = "LCFR";
  const std::array<float, 4> x{o.L, o.C, o.F, o.R};
  const std::array<const Rod*, 4> rody{&HENRY, &FARAD, &HERTZ, &OHM};
  for (std::size_t i = 0; i < MARKERS.size(); ++i) {
    Pechat(t, ",\"%s\":{", {MARKERS.substr(i, 1)});
    ZnachenieStranicy(t, x[i], *rody[i]);
    const bool detali_net = o.bez_detali && MARKERS[i] == 'C';
    Pechat(t, ",\"given\":%s,\"note\":%s}",
           {Istina(!Vychislyaetsya(o.tip, MARKERS[i])),
            detali_net ? "\"no-part\"" : Osoboe(x[i])});
  }
  if (o.ryad != nullptr) {
    Pechat(t, ",\"series\":\"%s\",\"tolerance\":\"%v\"",
           {o.ryad->imya, o.dopusk});
  }
}

// A standard neighbour of a computed part, as the report gives it.
void Soseda(Tekst& t, std::string_view part, const Sosed& s,
            std::string_view slovo, const Otvet& o) {
  Pechat(t, "{\"part\":\"%s\",\"where\":\"%s\",", {part, slovo});
  Velichinu(t, "v", s.chast, part == "L" ? HENRY : FARAD);
  Dobavit(t, ",");
  Velichinu(t, "f", s.f, HERTZ);
  Dobavit(t, ",");
  Procenty(t, "dF", s.f, o.F);
  Dobavit(t, ",");
  Polosu(t, "band", s.polosa.nachalo, s.polosa.konec);
  Dobavit(t, "},");
}

// The neighbours of the computed parts that exist, C first as in the
// report; a standard value once.
void Detali(Tekst& t, const Otvet& o) {
  Dobavit(t, ",\"parts\":[");
  const std::size_t start = t.n;
  for (const auto& [part, p] :
       {std::pair{"C", &o.podbor_C}, std::pair{"L", &o.podbor_L}}) {
    if (VRyadu(*p)) {
      Soseda(t, part, p->nizhe, IN_SERIES, o);
      continue;
    }
    if (p->nizhe.est) {
      Soseda(t, part, p->nizhe, BELOW, o);
    }
    if (p->vyshe.est) {
      Soseda(t, part, p->vyshe, ABOVE, o);
    }
  }
  // No comma after the last.
  t.n -= t.n > start ? 1 : 0;
  Dobavit(t, "]");
}

// The circuits of two standard parts, the closest first, each with its
// band; then the first one's band as the answer holds it.
void Pary(Tekst& t, const Otvet& o) {
  Dobavit(t, ",\"pairs\":[");
  for (std::size_t i = 0; i < o.n_par; ++i) {
    const Kontur& k = o.pary[i];
    Dobavit(t, i > 0 ? ",{" : "{");
    Velichinu(t, "L", k.L, HENRY);
    Dobavit(t, ",");
    Velichinu(t, "C", k.C, FARAD);
    Dobavit(t, ",");
    Velichinu(t, "F", k.F, HERTZ);
    Dobavit(t, ",");
    Procenty(t, "dF", k.F, o.F);
    Dobavit(t, ",");
    Velichinu(t, "R", k.R, OHM);
    Dobavit(t, ",");
    Procenty(t, "dR", k.R, o.R);
    Dobavit(t, ",");
    Polosu(t, "band", o.polosy_par[i].nachalo, o.polosy_par[i].konec);
    Dobavit(t, "}");
  }
  Dobavit(t, "]");
  if (o.n_par > 0) {
    Dobavit(t, ",");
    Polosu(t, "pairBand", o.polosy_par[0].nachalo, o.polosy_par[0].konec);
  }
}

// The circuit as built: with a stray, it and the circuit's capacitance
// (none for invalid data), and the stray's excess over that where there is
// no part; with the losses, what they give where there is a circuit.
void Postroen(Tekst& t, const Otvet& o) {
  if (o.est_parazit) {
    Dobavit(t, ",");
    Velichinu(t, "stray", o.parazit, FARAD);
    if (o.tip == 0) {
      Dobavit(t, ",\"C_circuit\":null");
    } else {
      Dobavit(t, ",");
      Velichinu(t, "C_circuit", o.C_kontura, FARAD);
    }
  }
  if (o.bez_detali) {
    Dobavit(t, ",");
    Velichinu(t, "excess", o.izbytok, FARAD);
  }
  if (!o.est_poteri) {
    return;
  }
  if (Neudacha(o)) {
    Dobavit(t, ",\"losses\":null");
    return;
  }
  const Poteri& q = o.poteri;
  Dobavit(t, ",\"losses\":{");
  Velichinu(t, "Q", q.Q, NUMBER);
  Dobavit(t, ",");
  Velichinu(t, "bandwidth", q.polosa, HERTZ);
  Dobavit(t, ",");
  Polosu(t, "edges", q.nizhe, q.vyshe);
  Dobavit(t, ",");
  Velichinu(t, "R_dynamic", q.R_dinamicheskoe, OHM);
  Dobavit(t, "}");
}

// The decades of an axis, from 10^ot to 10^doo, each labelled as a quantity
// of `rod` of its own.
void Dekady(Tekst& t, std::string_view klyuch, int ot, int doo,
            const Rod& rod) {
  Pechat(t, "\"%s\":[", {klyuch});
  for (int k = ot; k <= doo; ++k) {
    Dobavit(t, k > ot ? ",{" : "{");
    const float x = StepenDesyati(k);
    ZnachenieStranicy(t, x, rod);
    Dobavit(t, "}");
  }
  Dobavit(t, "]");
}

void Tochki(Tekst& t, std::string_view klyuch,
            const std::array<float, Grafik::TOCHEK>& x) {
  Pechat(t, ",\"%s\":[", {klyuch});
  for (std::size_t i = 0; i < x.size(); ++i) {
    Dobavit(t, i > 0 ? "," : "");
    Tochno(t, x[i], Format::Json);
  }
  Dobavit(t, "]");
}

// The picture: its axes' decades and its two lines, the capacitor's of the
// circuit's capacitance, part and stray; null when there is none.
void Kartinka(Tekst& t, const Otvet& o) {
  Grafik g;
  if (Neudacha(o) || !Postroit(o.L, o.C_kontura, o.F, g)) {
    Dobavit(t, ",\"chart\":null}\n");
    return;
  }
  Dobavit(t, ",\"chart\":{");
  Dekady(t, "ticksF", g.f0, g.f0 + DEKAD, HERTZ);
  Dobavit(t, ",");
  Dekady(t, "ticksX", g.r0, g.r1, OHM);
  Tochki(t, "f", g.f);
  Tochki(t, "xl", g.xl);
  Tochki(t, "xc", g.xc);
  Dobavit(t, "}}\n");
}

}  // namespace

void ZapisatPokaz(const Otvet& o, std::FILE* out) {
  // Each piece fits its own text with room to spare: four neighbours or four
  // pairs, each a few hundred bytes, or a picture of a dozen numbers.
  using Kusok = void (*)(Tekst&, const Otvet&);
  for (const Kusok k : {Kolichestva, Detali, Pary, Postroen, Kartinka}) {
    Tekst t;
    k(t, o);
    std::fwrite(t.bytes.data(), 1, t.n, out);
  }
}

void ZapisatIzmereniePokaz(Tekst& t, const Izmerenie& m, int itog) {
  if (itog == NESOVMESTIMY) {
    Pechat(t, "{\"why\":\"%s\"}\n", {Nesovmestimost(m)});
    return;
  }
  if (itog != 0) {
    Dobavit(t, "{\"why\":\"");
    Pechat(t, POKAZANIE, {itog});
    Dobavit(t, "\"}\n");
    return;
  }
  Dobavit(t, "{");
  Velichinu(t, "L", m.katushka.L, HENRY);
  Dobavit(t, ",");
  Velichinu(t, "stray", m.katushka.parazit, FARAD);
  if (m.katushka.parazit < 0) {
    Pechat(t, ",\"flag\":\"%s\"", {MINUS_PARAZIT});
  }
  Dobavit(t, "}\n");
}

void ZapisatSpravochnik(Tekst& t) {
  Dobavit(t, "{\"kinds\":{");
  for (const Rod& r : RODY) {
    Pechat(t, "%s\"%s\":[", {Zapyataya(&r == RODY.data()), r.imya});
    bool pervaya = true;
    for (const Pristavka& p : PRISTAVKI) {
      if (r.pristavki || p.bukva.empty()) {
        Pechat(t, "%s{\"p\":\"%s\",\"s\":\"%s%s\"}",
               {Zapyataya(pervaya), p.bukva, p.imya, r.edinica});
        pervaya = false;
      }
    }
    Dobavit(t, "]");
  }
  Dobavit(t, "},\"series\":[");
  for (const Ryad& r : Ryady()) {
    Pechat(t, "%s{\"name\":\"%s\",\"tolerance\":\"%v\"}",
           {Zapyataya(&r == Ryady().data()), r.imya, r.dopusk});
  }
  Dobavit(t, "]}\n");
}
