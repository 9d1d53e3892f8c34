#include <algorithm>
#include <cmath>

#include "../common/texts.h"
#include "dialogue.h"

namespace {

// Whether an entry is a reading: a capacitance and a frequency above zero,
// both finite; a capacitance of 0 is the coil alone. Read in double
// precision: the arithmetic starts from the readings as typed.
bool Pokazanie(const char* str, double& c, double& f) {
  double l = 0;
  double r = 0;
  return ObrabotkaTochno(str, &l, &c, &f, &r) == 3 && std::isfinite(c) &&
         std::isfinite(f) && f > 0;
}

void Zapisat(Tekst& tx, const Izmerenie& m, Format format) {
  switch (format) {
    case Format::Text:
      ZapisatIzmerenieTekst(tx, m);
      break;
    case Format::Csv:
      ZapisatIzmerenieCsv(tx, m);
      break;
    case Format::Json:
      ZapisatIzmerenieJson(tx, m);
      break;
  }
}

}  // namespace

std::string_view Nesovmestimost(const Izmerenie& m) {
  if (m.F[0] == m.F[1]) {
    return MEASURE_SAME_F;
  }
  return m.C[0] == m.C[1] ? MEASURE_SAME_C : std::string_view();
}

int IzmeritKatushku(Izmerenie& m) {
  for (std::size_t i = 0; i < m.str.size(); ++i) {
    if (!Pokazanie(m.str[i], m.C[i], m.F[i])) {
      return static_cast<int>(i) + 1;
    }
  }
  if (!Nesovmestimost(m).empty()) {
    return NESOVMESTIMY;
  }
  m.katushka = Izmerit(m.C[0], m.F[0], m.C[1], m.F[1]);
  return 0;
}

// Every entry is read before anything is answered: the readings are two
// only when the input holds no third. A line that keeps nothing is no
// entry, nor is a w line.
int Zamer(Terminal& t, Vhod& in, const Parametry& p) {
  char str[3][LLL];
  Izmerenie m;
  Tekst oshibki;
  int n = 0;
  bool podskazat =
      p.zapisi != nullptr && p.zapisi[0] != nullptr && p.zapisi[1] != nullptr;
  const std::string_view gde = GDE[in.args != nullptr ? 1 : 0];
  for (;;) {
    char(&s)[LLL] = str[std::min(n, 2)];
    const int tip = Vvod(in, s);
    if (!t.interactive) {
      Preduprezhdat(t, in, tip, s, podskazat);
    }
    if (tip == 101) {
      break;
    }
    if (tip == 100 || s[0] == '\0') {
      continue;
    }
    if (n < 2) {
      m.str[n] = s;
      if (!Pokazanie(s, m.C[n], m.F[n])) {
        Pechat(oshibki, MEASURE_ENTRY,
               {gde, in.zametki.stroka, std::string_view(s)});
      }
    }
    ++n;
  }
  if (in.oshibka != 0) {
    return Failed(READ_FAILED, in.oshibka);
  }
  if (n != 2) {
    oshibki.n = 0;
    Pechat(oshibki, MEASURE_COUNT, {n});
  } else if (oshibki.n == 0 && !Nesovmestimost(m).empty()) {
    Pechat(oshibki, MEASURE_FAILED, {Nesovmestimost(m)});
  }
  if (oshibki.n > 0) {
    Warn(t, {oshibki.bytes.data(), oshibki.n});
    return p.zapisi != nullptr ? 2 : 1;
  }
  m.katushka = Izmerit(m.C[0], m.F[0], m.C[1], m.F[1]);
  Tekst tx;
  Zapisat(tx, m, p.format);
  Write(t, {tx.bytes.data(), tx.n});
  return !Flush(t) || std::ferror(t.out) != 0 ? WriteFailed() : 0;
}
