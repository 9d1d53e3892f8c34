#include <array>
#include <cstdlib>
#include <string_view>

#include "../common/texts.h"
#include "dialogue.h"

// A field of the page as a person fills it: a number, typed or pasted, with
// its prefix and unit or without, made into a number the program's reader
// takes. The field's text is read from its end: the unit, the prefix, then
// the number.

namespace {

// How many bytes of one of `kakie` the text starts with, or ends with;
// 0 for none.
template <std::size_t N>
std::size_t Odin(std::string_view s,
                 const std::array<std::u8string_view, N>& kakie,
                 bool nachalo = true) {
  for (const std::u8string_view p : kakie) {
    const std::string_view b = Bayty(p);
    if (nachalo ? s.starts_with(b) : s.ends_with(b)) {
      return b.size();
    }
  }
  return 0;
}
std::size_t Probel(std::string_view s, bool nachalo) {
  const std::size_t n = Odin(s, RAZDELITELI, nachalo);
  return n > 0 ? n : Odin(s, PROBELY, nachalo);
}

// The text without the spaces around it.
std::string_view Obrezat(std::string_view s) {
  for (std::size_t n = Probel(s, true); n > 0; n = Probel(s, true)) {
    s.remove_prefix(n);
  }
  for (std::size_t n = Probel(s, false); n > 0; n = Probel(s, false)) {
    s.remove_suffix(n);
  }
  return s;
}

// The unit at the end of the text, the longest spelling of any quantity's,
// dropped from it; null when there is none.
const Rod* Edinica(std::string_view& s) {
  const Rod* rod = nullptr;
  std::size_t n = 0;
  for (const Rod& r : RODY) {
    for (const std::u8string_view e : r.napisaniya) {
      if (e.size() > n && s.ends_with(Bayty(e))) {
        rod = &r;
        n = e.size();
      }
    }
  }
  s.remove_suffix(n);
  return rod;
}

// The prefix that starts `s` (`nachalo`) or ends it, the longest spelling;
// null when there is none. Its length in `n`.
const Pristavka* Napisanie(std::string_view s, bool nachalo, std::size_t& n) {
  const Pristavka* p = nullptr;
  n = 0;
  for (const Pristavka& v : PRISTAVKI) {
    for (const std::u8string_view e : v.napisaniya) {
      const std::string_view b = Bayty(e);
      if (!b.empty() && b.size() > n &&
          (nachalo ? s.starts_with(b) : s.ends_with(b))) {
        p = &v;
        n = b.size();
      }
    }
  }
  return p;
}

// What stands between the prefix's letter and the number written.
constexpr std::string_view NUL("\0", 1);

// The letter of the code of parts that stands for the decimal point
// without a prefix: 2R2 is 2,2.
constexpr char R = 'R';

// The superscript digit `s` starts with; -1 for none.
int Verhnyaya(std::string_view s) {
  for (std::size_t i = 0; i < VERHNIE.size(); ++i) {
    if (s.starts_with(Bayty(VERHNIE[i]))) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

// A number as the field writes it: its digits, how many of them stand
// before the point, the prefix a letter of the code of parts gave it, and
// the power of ten after it.
struct Chislo {
  std::array<char, LLL> cifry{};
  std::size_t n = 0;
  std::size_t celyh = 0;
  bool tochka = false;
  const Pristavka* kod = nullptr;
  int stepen = 0;
};

// What is wrong with a number; nothing when it is right.
enum class Beda { Net, Znak, DveTochki, NetCifr, Probel, Dlinnoe };

struct Itog {
  Beda beda = Beda::Net;
  // The character that is wrong.
  std::string_view znak;
};

Itog Ne(Beda o, std::string_view s = {}) {
  return {o, s.substr(0, std::max<std::size_t>(Utf8(s), 1))};
}

// The power of ten the page writes after a number, ·10⁻³¹, from its
// superscript digits.
Itog Stepen(std::string_view s, int& stepen) {
  const bool minus = s.starts_with(Bayty(MINUS_VVERHU));
  s.remove_prefix(minus ? MINUS_VVERHU.size() : 0);
  int e = 0;
  bool cifry = false;
  while (!s.empty()) {
    const int d = Verhnyaya(s);
    if (d < 0) {
      return Ne(Beda::Znak, s);
    }
    // No float has a power past a few dozen: a longer one reads as too long.
    e = std::min(e * 10 + d, 1000);
    cifry = true;
    s.remove_prefix(VERHNIE[static_cast<std::size_t>(d)].size());
  }
  if (!cifry) {
    return Ne(Beda::NetCifr);
  }
  stepen = minus ? -e : e;
  return {};
}

// Groups of a thousand: the first of one to three digits, each after a
// space of three.
struct Gruppy {
  std::size_t v_gruppe = 0;
  bool razdeleno = false;
  bool verno = true;
  void Cifra() { ++v_gruppe; }
  void Razdel() {
    verno =
        verno && v_gruppe >= 1 && (razdeleno ? v_gruppe == 3 : v_gruppe <= 3);
    razdeleno = true;
    v_gruppe = 0;
  }
  bool Konec() const { return verno && (!razdeleno || v_gruppe == 3); }
};

// Reads the digits of `s`, with one decimal point or comma, spaces
// between thousands, and in `kod` set a letter of the code of parts for
// the point (4n7, 2R2).
Itog Cifry(std::string_view s, bool kod, Chislo& c) {
  Gruppy g;
  while (!s.empty()) {
    std::size_t dlina = 0;
    const Pristavka* p = kod ? Napisanie(s, true, dlina) : nullptr;
    if (kod && p == nullptr && s.front() == R) {
      p = NaitiPristavku("");
      dlina = 1;
    }
    if (s.front() >= '0' && s.front() <= '9') {
      if (c.n == c.cifry.size()) {
        return Ne(Beda::Dlinnoe);
      }
      c.cifry[c.n++] = s.front();
      g.Cifra();
      dlina = 1;
    } else if (s.front() == '.' || s.front() == ',' || p != nullptr) {
      if (c.tochka) {
        return Ne(p != nullptr ? Beda::Znak : Beda::DveTochki, s);
      }
      c.tochka = true;
      c.celyh = c.n;
      c.kod = p;
      dlina = p != nullptr ? dlina : 1;
      if (!g.Konec()) {
        return Ne(Beda::Probel);
      }
      g = {};
    } else if (const std::size_t n = Odin(s, RAZDELITELI); n > 0) {
      g.Razdel();
      dlina = n;
    } else {
      return Ne(Beda::Znak, s);
    }
    s.remove_prefix(dlina);
  }
  if (!c.tochka) {
    c.celyh = c.n;
    if (!g.Konec()) {
      return Ne(Beda::Probel);
    }
  } else if (g.razdeleno) {
    return Ne(Beda::Probel);
  }
  return c.n == 0 ? Ne(Beda::NetCifr) : Itog{};
}

// The number of a field's text without its prefix and unit: digits, and
// the page's power of ten after them; the letter code of parts where
// `kod` allows it.
Itog ChitatChislo(std::string_view s, bool kod, Chislo& c) {
  const std::size_t st = s.find(Bayty(STEPEN));
  if (st != std::string_view::npos) {
    const Itog r = Cifry(s.substr(0, st), false, c);
    return r.beda != Beda::Net ? r
                               : Stepen(s.substr(st + STEPEN.size()), c.stepen);
  }
  return Cifry(s, kod, c);
}

// The reader's prefix nearest the power of ten `e`.
const Pristavka& Dlya(int e) {
  const Pristavka* best = nullptr;
  for (const Pristavka& p : PRISTAVKI) {
    if (p.chitaetsya && (best == nullptr ||
                         std::abs(e - p.stepen) < std::abs(e - best->stepen))) {
      best = &p;
    }
  }
  return *best;
}

// The number as the program's reader takes it: the digits with the point
// moved by `sdvig` places, no zero before them or at the end of a fraction,
// and the letter; false when that is longer than a line.
bool Zapisat(Tekst& t, const Chislo& c, int sdvig, std::string_view bukva) {
  std::string_view d(c.cifry.data(), c.n);
  auto tochka = static_cast<long>(c.celyh) + sdvig;
  while (!d.empty() && d.front() == '0') {
    d.remove_prefix(1);
    --tochka;
  }
  while (!d.empty() && static_cast<long>(d.size()) > std::max(tochka, 0L) &&
         d.back() == '0') {
    d.remove_suffix(1);
  }
  if (d.empty()) {
    Dobavit(t, "0");
    Dobavit(t, bukva);
    return true;
  }
  // Its length with the letter: "0.", the zeros and the digits; the
  // digits and the zeros; or the digits and the point.
  const auto n = static_cast<long>(d.size());
  const long dlina = tochka <= 0   ? 2 - tochka + n
                     : tochka >= n ? tochka
                                   : n + 1;
  if (dlina + static_cast<long>(bukva.size()) > static_cast<long>(LLL) - 1) {
    return false;
  }
  if (tochka <= 0) {
    Dobavit(t, "0.");
    for (long i = tochka; i < 0; ++i) {
      Dobavit(t, "0");
    }
    Dobavit(t, d);
  } else if (tochka >= static_cast<long>(d.size())) {
    Dobavit(t, d);
    for (long i = static_cast<long>(d.size()); i < tochka; ++i) {
      Dobavit(t, "0");
    }
  } else {
    const auto k = static_cast<std::size_t>(tochka);
    Dobavit(t, d.substr(0, k));
    Dobavit(t, ".");
    Dobavit(t, d.substr(k));
  }
  Dobavit(t, bukva);
  return true;
}

// What is wrong with a number, in the page's words.
void Skazat(Tekst& t, const Itog& r, const Rod& rod) {
  switch (r.beda) {
    case Beda::Znak: {
      Tekst znak;
      Citata(znak, r.znak, false);
      Pechat(t, rod.pristavki ? CHUZHOI_ZNAK : CHUZHOI_ZNAK_CHISLA,
             {std::string_view(znak.bytes.data(), znak.n)});
      return;
    }
    case Beda::DveTochki:
      Dobavit(t, DVE_TOCHKI);
      return;
    case Beda::NetCifr:
      Dobavit(t, NET_CIFR);
      return;
    case Beda::Probel:
      Dobavit(t, PROBEL);
      return;
    default:
      Dobavit(t, DLINNOE);
      return;
  }
}

// The longest spelling of a unit of any quantity the text starts with; 0
// for none.
std::size_t EdinicaVnachale(std::string_view s) {
  std::size_t n = 0;
  for (const Rod& r : RODY) {
    for (const std::u8string_view e : r.napisaniya) {
      n = !e.empty() && s.starts_with(Bayty(e)) ? std::max(n, e.size()) : n;
    }
  }
  return n;
}

// How many bytes of a unit, a prefix, or both the text starts with, the
// longest way a field takes them.
std::size_t Izvestno(std::string_view s) {
  std::size_t n = 0;
  const std::size_t edinica = EdinicaVnachale(s);
  if (Napisanie(s, true, n) == nullptr) {
    return edinica;
  }
  return std::max(edinica, n + EdinicaVnachale(s.substr(n)));
}

// Whether the text starts with a letter of the alphabets units are written
// in: Latin, Greek (µ among them) or Cyrillic.
bool Bukva(std::string_view s) {
  const auto b = [&s](std::size_t i) {
    return i < s.size() ? static_cast<unsigned char>(s[i]) : 0U;
  };
  if (b(0) < 0x80) {
    return (b(0) | 0x20U) >= 'a' && (b(0) | 0x20U) <= 'z';
  }
  if (Utf8(s) != 2) {
    return false;
  }
  const unsigned c = ((b(0) & 0x1FU) << 6U) | (b(1) & 0x3FU);
  return c == 0xB5 || (c >= 0x370 && c <= 0x4FF);
}

// What follows the last digit of a text the reader refuses, where that is
// what is wrong: letters that are no unit of a field (7 мгц, 10 uh: the
// unit with the letters after it), or a character after the unit (100 пФ.).
// Writes why and returns true; false when what follows the digits is a
// unit, or nothing, so that the number is what is wrong.
bool Hvost(Tekst& t, std::string_view s, const Rod& rod) {
  std::size_t cifry = 0;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = std::max<std::size_t>(Utf8(s.substr(i)), 1);
    if ((s[i] >= '0' && s[i] <= '9') || Verhnyaya(s.substr(i)) >= 0) {
      cifry = i + n;
    }
    i += n;
  }
  const std::string_view hvost = Obrezat(s.substr(cifry));
  const std::size_t k = Izvestno(hvost);
  const std::string_view posle = Obrezat(hvost.substr(k));
  if (cifry == 0 || posle.empty() || (k == 0 && !Bukva(posle))) {
    return false;
  }
  Tekst znak;
  if (!Bukva(posle)) {
    Citata(znak, posle.substr(0, std::max<std::size_t>(Utf8(posle), 1)), false);
    Pechat(t, ZNAK_POSLE_EDINICY,
           {std::string_view(znak.bytes.data(), znak.n)});
    return true;
  }
  std::size_t konec = hvost.size() - posle.size();
  while (konec < hvost.size() && Bukva(hvost.substr(konec))) {
    konec += Utf8(hvost.substr(konec));
  }
  Citata(znak, hvost.substr(0, konec), false);
  Pechat(t, NEZNAKOMAYA_EDINICA,
         {std::string_view(znak.bytes.data(), znak.n), rod.chto,
          Bayty(rod.napisaniya[0]), Bayty(rod.napisaniya[1])});
  return true;
}

// The field's own prefix, by its letter or as a field may write it (µ is
// u); null when the lists have none such for it.
const Pristavka* Svoya(std::string_view svoya, const Rod& rod) {
  std::size_t n = 0;
  const Pristavka* p = NaitiPristavku(svoya);
  p = p != nullptr ? p : Napisanie(svoya, true, n);
  return p != nullptr && (p->bukva == svoya || n == svoya.size()) &&
                 (rod.pristavki || p->bukva.empty())
             ? p
             : nullptr;
}

Prochteno NetSvoei(Tekst& t, std::string_view svoya) {
  Tekst znak;
  Citata(znak, svoya, false);
  Pechat(t, NET_EDINICY, {std::string_view(znak.bytes.data(), znak.n)});
  return Prochteno::Oshibka;
}

}  // namespace

Prochteno ChitatPole(std::string_view tekst, const Rod& rod,
                     std::string_view svoya, Tekst& t) {
  std::string_view s = Obrezat(tekst);
  if (s.empty()) {
    const Pristavka* p = Svoya(svoya, rod);
    if (p == nullptr) {
      return NetSvoei(t, svoya);
    }
    Dobavit(t, p->bukva);
    Dobavit(t, NUL);
    return Prochteno::Pusto;
  }
  // The prefix and unit as typed, for a unit of another quantity.
  const std::size_t konec = s.size();
  const Rod* edinica = Edinica(s);
  s = Obrezat(s);
  std::size_t n = 0;
  const Pristavka* pristavka = nullptr;
  if (rod.pristavki || (edinica != nullptr && edinica->pristavki)) {
    pristavka = Napisanie(s, false, n);
    s.remove_suffix(n);
  }
  const std::string_view napisano =
      Obrezat(tekst).substr(s.size(), konec - s.size());
  s = Obrezat(s);
  Chislo c;
  const Itog r = ChitatChislo(s, rod.pristavki && pristavka == nullptr, c);
  if (r.beda != Beda::Net) {
    if (!rod.pristavki || !Hvost(t, Obrezat(tekst), rod)) {
      Skazat(t, r, rod);
    }
    return Prochteno::Oshibka;
  }
  if (edinica != nullptr && edinica != &rod) {
    Pechat(t, CHUZHAYA_EDINICA, {Obrezat(napisano), edinica->chya, rod.chto});
    return Prochteno::Oshibka;
  }
  const Pristavka* p = c.kod != nullptr       ? c.kod
                       : pristavka != nullptr ? pristavka
                       : edinica != nullptr   ? NaitiPristavku("")
                                              : Svoya(svoya, rod);
  if (p == nullptr) {
    return NetSvoei(t, svoya);
  }
  const int e = p->stepen + c.stepen;
  const Pristavka& chitaet = rod.pristavki ? Dlya(e) : *NaitiPristavku("");
  Dobavit(t, p->bukva);
  Dobavit(t, NUL);
  if (!Zapisat(t, c, e - chitaet.stepen, chitaet.bukva)) {
    t.n = 0;
    Dobavit(t, DLINNOE);
    return Prochteno::Oshibka;
  }
  return c.kod == nullptr && pristavka == nullptr && edinica == nullptr
             ? Prochteno::VSvoei
             : Prochteno::Chislo;
}
