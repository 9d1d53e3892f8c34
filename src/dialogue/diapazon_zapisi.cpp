#include <array>
#include <cmath>

#include "../arithmetic/diapazon.h"
#include "../common/texts.h"
#include "dialogue.h"

// The records of the tuning range for programs: the kind, then numbers, as
// the shortest text that reads back as the same double; a field with none
// is empty in CSV, null in JSON. No field needs quoting or escaping.

namespace {

struct Dannoe {
  double x;
  bool est;
};
using Dannye = std::array<Dannoe, POLYA_DIAPAZONA.size() - 1>;

// The fields after the kind. The parts and the band tuned are the
// circuit's; of a band that cannot be covered, the band the variable
// covers from f_min stands as the band tuned; the ranges are the band's.
Dannye Sobrat(const Sopryazhenie& o, std::size_t i) {
  const Zadanie& z = o.zadanie;
  const Predely& p = o.predely;
  const Shema& sh = i == 0 ? o.proekt : o.standart[i - 1].shema;
  const bool gotovo = o.ishod == Ishod::Gotovo;
  const bool nevozmozhno = o.ishod == Ishod::Nevozmozhno;
  return {{
      {z.f_min, true},
      {z.f_max, true},
      {z.c_min, true},
      {z.c_max, true},
      {z.parazit, true},
      {sh.L, gotovo},
      {sh.trimmer, gotovo},
      {sh.padder, gotovo && std::isfinite(sh.padder)},
      {nevozmozhno ? z.f_min : sh.f_low, gotovo || nevozmozhno},
      {nevozmozhno ? o.f_predel : sh.f_high, gotovo || nevozmozhno},
      {p.L_min, !nevozmozhno},
      {p.L_max, !nevozmozhno},
      {p.trimmer_max, !nevozmozhno},
      {p.padder_min, !nevozmozhno && std::isfinite(p.padder_min)},
  }};
}

std::string_view Vid(std::size_t i) { return VIDY[i == 0 ? 0 : 1]; }

// The dial of the design or of a circuit of standard parts; none where
// there is no design.
const Shkala* Shkaly(const Sopryazhenie& o, std::size_t i) {
  if (o.ishod != Ishod::Gotovo) {
    return nullptr;
  }
  return i == 0 ? &o.shkala : &o.standart[i - 1].shkala;
}

}  // namespace

void ZagolovokDiapazonaCsv(Tekst& t) {
  for (std::size_t i = 0; i < POLYA_DIAPAZONA.size(); ++i) {
    Dobavit(t, i == 0 ? "" : ",");
    Dobavit(t, POLYA_DIAPAZONA[i]);
  }
  Dobavit(t, "\n");
}

void ZapisatDiapazonCsv(Tekst& t, const Sopryazhenie& o, std::size_t i) {
  Dobavit(t, Vid(i));
  for (const Dannoe& d : Sobrat(o, i)) {
    Dobavit(t, ",");
    if (d.est) {
      Tochno(t, d.x, Format::Csv);
    }
  }
  Dobavit(t, "\n");
}

void ZapisatDiapazonJson(Tekst& t, const Sopryazhenie& o, std::size_t i) {
  Pechat(t, "{\"%s\":\"%s\"", {POLYA_DIAPAZONA[0], Vid(i)});
  const Dannye d = Sobrat(o, i);
  for (std::size_t k = 0; k < d.size(); ++k) {
    Pechat(t, ",\"%s\":", {POLYA_DIAPAZONA[k + 1]});
    if (d[k].est) {
      Tochno(t, d[k].x, Format::Json);
    } else {
      Dobavit(t, "null");
    }
  }
  Pechat(t, ",\"%s\":", {DIAL});
  const Shkala* k = Shkaly(o, i);
  if (k == nullptr) {
    Dobavit(t, "null}\n");
    return;
  }
  for (std::size_t j = 0; j < k->size(); ++j) {
    Pechat(t, j == 0 ? "[[%d," : ",[%d,", {static_cast<int>(j * 10)});
    Tochno(t, (*k)[j], Format::Json);
    Dobavit(t, "]");
  }
  Dobavit(t, "]}\n");
}
