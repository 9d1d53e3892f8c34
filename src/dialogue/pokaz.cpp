#include <array>
#include <cmath>
#include <cstdio>
#include <utility>

#include "../arithmetic/arithmetic.h"
#include "../common/texts.h"
#include "dialogue.h"

// The page's calculator shows what these records hold and computes nothing:
// every value comes with the text and the prefix the report gives it. No
// text in them needs escaping: numbers, prefix letters and the program's own
// words.

namespace {

std::string_view Istina(bool b) { return b ? "true" : "false"; }

// What stands before an item of a list: nothing before the first.
std::string_view Zapyataya(bool pervyi) { return pervyi ? "" : ","; }

std::string_view Bukva(int raz) {
  for (const Pristavka& p : PRISTAVKI) {
    if (p.raz == raz) {
      return p.bukva;
    }
  }
  return {};
}

// A quantity as shown, without its braces: its value, and the text of it
// scaled to the prefix of `obrazec` as the report writes it, with that
// prefix's letter.
void Znachenie(Tekst& t, float x, float obrazec) {
  float s = x;
  const int raz = PreobrKak(obrazec, &s);
  Dobavit(t, "\"x\":");
  Tochno(t, x, Format::Json);
  Pechat(t, ",\"t\":\"%g\",\"p\":\"%s\"", {s, Bukva(raz)});
}

// The same as an object of its own, under `klyuch`.
void Velichinu(Tekst& t, std::string_view klyuch, float x, float obrazec) {
  Pechat(t, "\"%s\":{", {klyuch});
  Znachenie(t, x, obrazec);
  Dobavit(t, "}");
}
void Velichinu(Tekst& t, std::string_view klyuch, float x) {
  Velichinu(t, klyuch, x, x);
}

// Both ends of a band scaled to the prefix of its circuit's frequency `f`.
void Polosu(Tekst& t, std::string_view klyuch, Polosa p, float f) {
  Pechat(t, "\"%s\":{", {klyuch});
  Velichinu(t, "from", p.nachalo, f);
  Dobavit(t, ",");
  Velichinu(t, "to", p.konec, f);
  Dobavit(t, "}");
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
  for (std::size_t i = 0; i < MARKERS.size(); ++i) {
    Pechat(t, ",\"%s\":{", {MARKERS.substr(i, 1)});
    Znachenie(t, x[i], x[i]);
    Pechat(t, ",\"given\":%s,\"note\":%s}",
           {Istina(!Vychislyaetsya(o.tip, MARKERS[i])), Osoboe(x[i])});
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
  Velichinu(t, "v", s.chast);
  Dobavit(t, ",");
  Velichinu(t, "f", s.f);
  Dobavit(t, ",");
  Procenty(t, "dF", s.f, o.F);
  Dobavit(t, ",");
  Polosu(t, "band", s.polosa, s.f);
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
    Velichinu(t, "L", k.L);
    Dobavit(t, ",");
    Velichinu(t, "C", k.C);
    Dobavit(t, ",");
    Velichinu(t, "F", k.F);
    Dobavit(t, ",");
    Procenty(t, "dF", k.F, o.F);
    Dobavit(t, ",");
    Velichinu(t, "R", k.R);
    Dobavit(t, ",");
    Procenty(t, "dR", k.R, o.R);
    Dobavit(t, ",");
    Polosu(t, "band", o.polosy_par[i], k.F);
    Dobavit(t, "}");
  }
  Dobavit(t, "]");
  if (o.n_par > 0) {
    Dobavit(t, ",");
    Polosu(t, "pairBand", o.polosy_par[0], o.pary[0].F);
  }
}

// The decades of an axis, from 10^ot to 10^doo, each labelled as a quantity
// of its own.
void Dekady(Tekst& t, std::string_view klyuch, int ot, int doo) {
  Pechat(t, "\"%s\":[", {klyuch});
  for (int k = ot; k <= doo; ++k) {
    Dobavit(t, k > ot ? ",{" : "{");
    const float x = StepenDesyati(k);
    Znachenie(t, x, x);
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

// The picture: its axes' decades and its two lines; null when there is none.
void Kartinka(Tekst& t, const Otvet& o) {
  Grafik g;
  if (o.tip == 0 || !Postroit(o.L, o.C, o.F, g)) {
    Dobavit(t, ",\"chart\":null}\n");
    return;
  }
  Dobavit(t, ",\"chart\":{");
  Dekady(t, "ticksF", g.f0, g.f0 + DEKAD);
  Dobavit(t, ",");
  Dekady(t, "ticksX", g.r0, g.r1);
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
  for (const Kusok k : {Kolichestva, Detali, Pary, Kartinka}) {
    Tekst t;
    k(t, o);
    std::fwrite(t.bytes.data(), 1, t.n, out);
  }
}

void ZapisatSpravochnik(Tekst& t) {
  Dobavit(t, "{\"prefixes\":[");
  for (const Pristavka& p : PRISTAVKI) {
    Pechat(t, "%s{\"p\":\"%s\",\"name\":\"%s\",\"reads\":%s}",
           {Zapyataya(&p == PRISTAVKI.data()), p.bukva, p.imya,
            Istina(p.chitaetsya)});
  }
  Dobavit(t, "],\"series\":[");
  for (const Ryad& r : Ryady()) {
    Pechat(t, "%s{\"name\":\"%s\",\"tolerance\":\"%v\"}",
           {Zapyataya(&r == Ryady().data()), r.imya, r.dopusk});
  }
  Dobavit(t, "]}\n");
}
