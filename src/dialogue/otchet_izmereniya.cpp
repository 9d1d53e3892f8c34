#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "../common/texts.h"
#include "dialogue.h"

namespace {

// The longest report: the echo of two readings of 80 kept characters, every
// text, the numbers of the readings and of the answer, each at most 24
// characters, and the longest label twice.
constexpr std::size_t CHISLO = 24;
constexpr std::size_t IZMERENIE_MAX =
    3 * RULE.size() + 2 * (LLL - 1 + CAPTION.size() + 1) +
    MEASURE_HEADING.size() + 2 * (READING.size() + 4 + 2 * CHISLO) +
    UNDERLINE.size() + MEASURED_L.size() + STRAY.size() + 2 * (12 + CHISLO) +
    PASTE.size() + CHISLO + NEGATIVE_STRAY.size() + CLOSING.size();
static_assert(IZMERENIE_MAX <= sizeof(Tekst::bytes));

// The letters the reader takes for the labels of the report, by the index
// the display scaling returns: giga down to pico; none past them.
constexpr std::array<std::string_view, 8> BUKVY{"G", "M", "K", "",
                                                "m", "u", "n", "p"};
static_assert(BUKVY.size() == 8 &&
              mnoj[7].find("Пико") != std::string_view::npos);

// A quantity scaled to its prefix as the report scales it, with its label;
// readings that contradict each other give negative ones, scaled to the
// prefix of their magnitude.
void Stroka(Tekst& t, std::string_view line, double x) {
  const int raz = PreobrKak(std::fabs(x), &x);
  Pechat(t, line, {x, mnoj[static_cast<std::size_t>(raz)]});
}

// The stray as --stray takes it: scaled as the report scales it where the
// reader has that prefix, else to the nearest it has, giga or pico; given
// only where the reader takes the text back, which a value far past either
// (written with an exponent) it does not.
void Vstavka(Tekst& t, double parazit) {
  double x = parazit;
  auto raz = static_cast<std::size_t>(Preobr(&x));
  if (raz >= BUKVY.size()) {
    x = parazit;
    raz = static_cast<std::size_t>(PreobrKak(parazit > 1 ? 1e9 : 1e-12, &x));
  }
  Tekst znachenie;
  Pechat(znachenie, "%g%s", {x, BUKVY[raz]});
  const std::string_view tekst(znachenie.bytes.data(), znachenie.n);
  double nazad = 0;
  if (ChitatZnachenie(tekst, 'C', nazad)) {
    Pechat(t, PASTE, {tekst});
  }
}

}  // namespace

void ZapisatIzmerenieTekst(Tekst& t, const Izmerenie& m) {
  for (const char* str : m.str) {
    Dobavit(t, RULE);
    Printl(t, str);
    Dobavit(t, "\n");
  }
  Dobavit(t, RULE);
  Dobavit(t, MEASURE_HEADING);
  for (std::size_t i = 0; i < m.str.size(); ++i) {
    const int nomer = static_cast<int>(i) + 1;
    Pechat(t, READING, {nomer, m.C[i], nomer, m.F[i]});
  }
  Dobavit(t, UNDERLINE);
  Stroka(t, MEASURED_L, m.katushka.L);
  Stroka(t, STRAY, m.katushka.parazit);
  if (m.katushka.parazit < 0) {
    Dobavit(t, NEGATIVE_STRAY);
  } else {
    Vstavka(t, m.katushka.parazit);
  }
  Dobavit(t, CLOSING);
}
