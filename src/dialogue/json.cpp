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
  Dobavit(t, "}\n");
}
