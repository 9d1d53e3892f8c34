#include <array>

#include "../common/texts.h"
#include "dialogue.h"

// The entry needs no escaping: the reader keeps no quote, backslash or
// control character in it.

void ZapisatJson(Tekst& t, const Otvet& o) {
  std::array<Velichina, POLYA.size()> v{};
  const std::size_t n = Velichiny(o, v);
  Pechat(t, "{\"%s\":\"%s\",\"%s\":%d",
         {ENTRY, std::string_view(o.str), CODE, o.tip});
  for (std::size_t i = 0; i < n; ++i) {
    Pechat(t, ",\"%s\":", {POLYA[i]});
    if (v[i].est) {
      Tochno(t, v[i].x, Format::Json);
    } else {
      Dobavit(t, "null");
    }
  }
  if (o.ryad != nullptr) {
    Pechat(t, ",\"%s\":", {POLYA.back()});
    Tochno(t, o.dopusk, Format::Json);
  }
  std::array<Dobavka, POLYA_PARAZITA.size() + POLYA_POTER.size()> d{};
  for (std::size_t i = 0, k = Dobavki(o, d); i < k; ++i) {
    Pechat(t, ",\"%s\":", {d[i].imya});
    if (!d[i].est) {
      Dobavit(t, "null");
    } else if (d[i].odinarnoe) {
      Tochno(t, static_cast<float>(d[i].x), Format::Json);
    } else {
      Tochno(t, d[i].x, Format::Json);
    }
  }
  Dobavit(t, "}\n");
}

void ZapisatIzmerenieJson(Tekst& t, const Izmerenie& m) {
  Pechat(t, "{\"%s\":\"%s\",\"%s\":\"%s\",\"%s\":",
         {POLYA_IZMERENIYA[0], std::string_view(m.str[0]), POLYA_IZMERENIYA[1],
          std::string_view(m.str[1]), POLYA_IZMERENIYA[2]});
  Tochno(t, m.katushka.L, Format::Json);
  Pechat(t, ",\"%s\":", {POLYA_IZMERENIYA[3]});
  Tochno(t, m.katushka.parazit, Format::Json);
  Dobavit(t, "}\n");
}
