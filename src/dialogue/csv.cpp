#include <array>
#include <charconv>

#include "../common/texts.h"
#include "dialogue.h"

// No field can hold a comma, a quote or a line end: the reader keeps none of
// them in an entry, and a number has none. So no field is ever quoted.

void ZagolovokCsv(Tekst& t, bool ryad) {
  Dobavit(t, ENTRY);
  Dobavit(t, ",");
  Dobavit(t, CODE);
  for (std::size_t i = 0; i < (ryad ? POLYA.size() : NABOR); ++i) {
    Dobavit(t, ",");
    Dobavit(t, POLYA[i]);
  }
  Dobavit(t, "\n");
}

void ZapisatCsv(Tekst& t, const Otvet& o) {
  std::array<Velichina, POLYA.size()> v;
  const std::size_t n = Velichiny(o, v);
  // Written without a format, which would cost more than both fields.
  Dobavit(t, o.str);
  std::array<char, 12> code{','};
  const char* end = std::to_chars(code.data() + 1, code.end(), o.tip).ptr;
  Dobavit(t, {code.data(), static_cast<std::size_t>(end - code.data())});
  for (std::size_t i = 0; i < n; ++i) {
    Dobavit(t, ",");
    if (v[i].est) {
      Tochno(t, v[i].x, Format::Csv);
    }
  }
  if (o.ryad != nullptr) {
    Dobavit(t, ",");
    Tochno(t, o.dopusk, Format::Csv);
  }
  Dobavit(t, "\n");
}
