#include <array>
#include <charconv>
#include <span>

#include "../common/texts.h"
#include "dialogue.h"

// No field can hold a comma, a quote or a line end: the reader keeps none of
// them in an entry, and a number has none. So no field is ever quoted.

namespace {

void Imena(Tekst& t, std::span<const std::string_view> imena) {
  for (const std::string_view imya : imena) {
    Dobavit(t, ",");
    Dobavit(t, imya);
  }
}

// A field of the circuit as built: a float as the float it is.
void Dobavku(Tekst& t, const Dobavka& d) {
  if (d.odinarnoe) {
    Tochno(t, static_cast<float>(d.x), Format::Csv);
  } else {
    Tochno(t, d.x, Format::Csv);
  }
}

}  // namespace

void ZagolovokCsv(Tekst& t, const Parametry& p) {
  Dobavit(t, ENTRY);
  Dobavit(t, ",");
  Dobavit(t, CODE);
  Imena(t, std::span(POLYA).first(p.ryad != nullptr ? POLYA.size() : NABOR));
  if (p.est_parazit) {
    Imena(t, POLYA_PARAZITA);
  }
  if (p.est_dobrotnost || p.est_poteri) {
    Imena(t, POLYA_POTER);
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
  std::array<Dobavka, POLYA_PARAZITA.size() + POLYA_POTER.size()> d{};
  for (std::size_t i = 0, k = Dobavki(o, d); i < k; ++i) {
    Dobavit(t, ",");
    if (d[i].est) {
      Dobavku(t, d[i]);
    }
  }
  Dobavit(t, "\n");
}

void ZapisatIzmerenieCsv(Tekst& t, const Izmerenie& m) {
  Dobavit(t, POLYA_IZMERENIYA[0]);
  Imena(t, std::span(POLYA_IZMERENIYA).subspan(1));
  Pechat(t, "\n%s,%s,",
         {std::string_view(m.str[0]), std::string_view(m.str[1])});
  Tochno(t, m.katushka.L, Format::Csv);
  Dobavit(t, ",");
  Tochno(t, m.katushka.parazit, Format::Csv);
  Dobavit(t, "\n");
}
