#include "parametry.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct Imya {
  std::string_view imya;
  Format format;
};
constexpr std::array<Imya, 3> FORMATY{{
    {"text", Format::Text},
    {"csv", Format::Csv},
    {"json", Format::Json},
}};
static_assert(FORMATY.back().format == Format::Json, "a format is missing");

// The options that take a value, and what is wrong with a value they do not
// know.
struct Znachimyi {
  std::string_view imya;
  Oshibka oshibka;
};
constexpr std::array<Znachimyi, 11> ZNACHIMYE{{
    {"--format", Oshibka::Format},
    {"--series", Oshibka::Ryad},
    {"--tolerance", Oshibka::Dopusk},
    {"--stray", Oshibka::Parazit},
    // The tuning range.
    {"--band", Oshibka::Polosa},
    {"--variable", Oshibka::Peremennyi},
    {"--coil", Oshibka::Katushka},
    {"--trimmer", Oshibka::Trimmer},
    {"--padder", Oshibka::Padder},
    // The coil's losses.
    {"--quality", Oshibka::Dobrotnost},
    {"--loss", Oshibka::Poteri},
}};
static_assert(ZNACHIMYE.back().oshibka == Oshibka::Poteri,
              "an option is missing");

// The options of a circuit to answer for, which a measurement of the coil
// has none of.
bool OKonture(Oshibka oshibka) {
  return oshibka == Oshibka::Parazit || oshibka == Oshibka::Ryad ||
         oshibka == Oshibka::Dobrotnost || oshibka == Oshibka::Poteri;
}

Parametry Oshibochno(Oshibka oshibka, const char* slovo,
                     const char* znachenie = nullptr) {
  Parametry p;
  p.deistvie = Deistvie::Oshibka;
  p.oshibka = oshibka;
  p.slovo = slovo;
  p.znachenie = znachenie;
  return p;
}

// Takes the value of an option: after its "=", else the next argument.
// Null when there is none.
const char* Znachenie(std::string_view option, int argc, char** argv, int& i) {
  const std::string_view arg = argv[i];
  if (arg.size() > option.size()) {
    return argv[i] + option.size() + 1;
  }
  return i + 1 < argc ? argv[++i] : nullptr;
}

// Whether `arg` is `option`, alone or with "=value".
bool Est(std::string_view arg, std::string_view option) {
  return arg.starts_with(option) &&
         (arg.size() == option.size() || arg[option.size()] == '=');
}

// A percentage: digits, with one decimal point or comma among them, and a %
// after them or not; negative for anything else. `menshe` tells whether it
// is below 100 as typed, whatever the double it is read into.
double Procent(std::string_view s, bool& menshe) {
  s.remove_suffix(s.ends_with('%') ? 1 : 0);
  // A fraction longer than a double tells apart is read to here, rather
  // than overflowing into no number at all.
  constexpr double KEPT = 1e18;
  double p = 0;
  double del = 1;
  int whole = 0;
  bool zap = false;
  bool digits = false;
  for (const char ch : s) {
    if (ch >= '0' && ch <= '9' && !(zap && p >= KEPT)) {
      p = p * 10 + (ch - '0');
      del *= zap ? 10 : 1;
      whole = zap ? whole : std::min(whole * 10 + (ch - '0'), 100);
      digits = true;
    } else if ((ch == '.' || ch == ',') && !zap) {
      zap = true;
    } else if (ch < '0' || ch > '9') {
      return -1;
    }
  }
  menshe = whole < 100;
  return digits ? p / del : -1;
}

// Whether two words are the same but for the case of their Latin letters.
bool Odinakovo(std::string_view a, std::string_view b) {
  const auto malaya = [](char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
  };
  return std::equal(
      a.begin(), a.end(), b.begin(), b.end(),
      [&malaya](char x, char y) { return malaya(x) == malaya(y); });
}

const Znachimyi* NaitiZnachimyi(std::string_view arg) {
  for (const Znachimyi& o : ZNACHIMYE) {
    if (Est(arg, o.imya)) {
      return &o;
    }
  }
  return nullptr;
}

// The tuning range's options as given: each the word of the option and,
// where its value is a word of its own, that word.
struct Slovo {
  const char* opciya = nullptr;
  const char* znachenie = nullptr;
};
struct Diapazon {
  Slovo polosa;
  Slovo peremennyi;
  Slovo vybor;
  // The first option the tuning range has no use for: a measurement, a Q, a
  // loss.
  Slovo lishnii;
};

// The part an option chooses; none for any other option.
Vybor Chast(Oshibka o) {
  switch (o) {
    case Oshibka::Katushka:
      return Vybor::Katushka;
    case Oshibka::Trimmer:
      return Vybor::Trimmer;
    case Oshibka::Padder:
      return Vybor::Padder;
    default:
      return Vybor::Net;
  }
}

bool Diapazonnyi(Oshibka o) {
  return o == Oshibka::Polosa || o == Oshibka::Peremennyi ||
         Chast(o) != Vybor::Net;
}

// Two ends, FROM-TO, each a value with the quantity's marker or without.
bool Konci(std::string_view s, char marker, double& a, double& b) {
  const std::size_t dash = s.find('-');
  return dash != std::string_view::npos &&
         ChitatZnachenie(s.substr(0, dash), marker, a) &&
         ChitatZnachenie(s.substr(dash + 1), marker, b) && DvaKonca(a, b);
}

// Sets what an option of the tuning range asks for; false when its value is
// not one.
bool VybratDiapazon(Parametry& p, Oshibka o, const char* value) {
  Zadanie& z = p.zadanie;
  if (o == Oshibka::Polosa) {
    return Konci(value, 'F', z.f_min, z.f_max);
  }
  if (o == Oshibka::Peremennyi) {
    return Konci(value, 'C', z.c_min, z.c_max);
  }
  z.vybor = Chast(o);
  return ChitatZnachenie(value, z.vybor == Vybor::Katushka ? 'L' : 'C',
                         z.znachenie);
}

// Notes the word of an option of the tuning range; the tolerance's too.
void Zapomnit(Diapazon& d, Slovo& dopusk, Oshibka o, const Slovo& slovo) {
  if (o == Oshibka::Polosa) {
    d.polosa = slovo;
  } else if (o == Oshibka::Peremennyi) {
    d.peremennyi = slovo;
  } else if (Chast(o) != Vybor::Net) {
    d.vybor = slovo;
  } else if (o == Oshibka::Dopusk) {
    dopusk = slovo;
  }
  const bool lishnii = o == Oshibka::Izmerenie || o == Oshibka::Dobrotnost ||
                       o == Oshibka::Poteri;
  if (lishnii && d.lishnii.opciya == nullptr) {
    d.lishnii = slovo;
  }
}

// The options of the tuning range go together, and with nothing the
// answer to it leaves unused. `zapis` is the first entry, or null.
Parametry Proverit(Parametry p, const Diapazon& d, const char* zapis,
                   const Slovo& dopusk) {
  const bool polosa = d.polosa.opciya != nullptr;
  const bool peremennyi = d.peremennyi.opciya != nullptr;
  if (polosa != peremennyi) {
    const Slovo& s = polosa ? d.polosa : d.peremennyi;
    return Oshibochno(Oshibka::BezPary, s.opciya, s.znachenie);
  }
  if (!polosa && d.vybor.opciya != nullptr) {
    return Oshibochno(Oshibka::VyborBezPolosy, d.vybor.opciya,
                      d.vybor.znachenie);
  }
  if (polosa && zapis != nullptr) {
    return Oshibochno(Oshibka::ZapisiDiapazona, zapis);
  }
  if (polosa && dopusk.opciya != nullptr) {
    return Oshibochno(Oshibka::DopuskDiapazona, dopusk.opciya,
                      dopusk.znachenie);
  }
  if (polosa && d.lishnii.opciya != nullptr) {
    return Oshibochno(Oshibka::SDiapazonom, d.lishnii.opciya,
                      d.lishnii.znachenie);
  }
  p.diapazon = polosa;
  p.zadanie.parazit = p.parazit;
  return p;
}

// Sets what the value option `o` asks for; false when the value is unknown,
// with what is wrong with it in `oshibka`.
bool Vybrat(Parametry& p, const Znachimyi& o, const char* value,
            Oshibka& oshibka) {
  oshibka = o.oshibka;
  if (Diapazonnyi(o.oshibka)) {
    return VybratDiapazon(p, o.oshibka, value);
  }
  if (o.oshibka == Oshibka::Ryad) {
    p.ryad = NaitiRyad(value);
    return p.ryad != nullptr;
  }
  if (o.oshibka == Oshibka::Parazit) {
    p.est_parazit = ChitatZnachenie(value, 'C', p.parazit);
    return p.est_parazit;
  }
  if (o.oshibka == Oshibka::Dobrotnost) {
    p.est_dobrotnost =
        ChitatZnachenie(value, '\0', p.dobrotnost) && p.dobrotnost > 0;
    return p.est_dobrotnost;
  }
  if (o.oshibka == Oshibka::Poteri) {
    p.est_poteri = ChitatZnachenie(value, 'R', p.poteri);
    return p.est_poteri;
  }
  if (o.oshibka == Oshibka::Dopusk) {
    bool menshe = false;
    const double dopusk = Procent(value, menshe);
    if (dopusk > 0 && dopusk < 100) {
      p.dopusk = dopusk;
      return true;
    }
    oshibka = menshe && dopusk >= 100 ? Oshibka::Okruglenie : oshibka;
    return false;
  }
  for (const Imya& f : FORMATY) {
    if (Odinakovo(f.imya, value)) {
      p.format = f.format;
      return true;
    }
  }
  return false;
}

}  // namespace

Parametry Razbor(int argc, char** argv) {
  Parametry p;
  // A program started with no arguments at all, not even its name, has a
  // vector of one null pointer: nothing in it to move or end.
  if (argc < 1) {
    return p;
  }
  int entries = 1;
  bool options = true;
  // The tolerance as given, option and value, until a series is known to go
  // with it; its value apart when it is a word of its own.
  Slovo dopusk;
  Diapazon diapazon;
  // The first option of a circuit to answer for, likewise, until a
  // measurement of the coil is known to refuse it.
  Slovo kontur;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    // A lone "-" is no option; with the entries, it is an empty line.
    if (!options || arg.size() < 2 || arg[0] != '-') {
      argv[entries++] = argv[i];
      continue;
    }
    const bool first = p.deistvie == Deistvie::Otvety;
    if (arg == "--") {
      options = false;
    } else if (arg == "-h" || arg == "--help") {
      p.deistvie = first ? Deistvie::Spravka : p.deistvie;
    } else if (arg == "-V" || arg == "--version") {
      p.deistvie = first ? Deistvie::Versiya : p.deistvie;
    } else if (arg == "--measure") {
      p.izmerenie = true;
      Zapomnit(diapazon, dopusk, Oshibka::Izmerenie, {argv[i]});
    } else if (const auto* o = NaitiZnachimyi(arg)) {
      const int option = i;
      const char* value = Znachenie(o->imya, argc, argv, i);
      if (value == nullptr) {
        return Oshibochno(Oshibka::Znachenie, argv[i]);
      }
      const Slovo slovo{argv[option], option == i ? nullptr : value};
      const Vybor chast = Chast(o->oshibka);
      if (chast != Vybor::Net && p.zadanie.vybor != Vybor::Net &&
          p.zadanie.vybor != chast) {
        return Oshibochno(Oshibka::DvaVybora, slovo.opciya, slovo.znachenie);
      }
      Oshibka oshibka{};
      if (!Vybrat(p, *o, value, oshibka)) {
        return Oshibochno(oshibka, value);
      }
      Zapomnit(diapazon, dopusk, o->oshibka, slovo);
      if (p.est_dobrotnost && p.est_poteri) {
        return Oshibochno(Oshibka::DobrotnostIPoteri, slovo.opciya,
                          slovo.znachenie);
      }
      if (OKonture(o->oshibka) && kontur.opciya == nullptr) {
        kontur = slovo;
      }
    } else {
      return Oshibochno(Oshibka::Parametr, argv[i]);
    }
  }
  if (dopusk.opciya != nullptr && p.ryad == nullptr) {
    return Oshibochno(Oshibka::BezRyada, dopusk.opciya, dopusk.znachenie);
  }
  if (p.izmerenie && kontur.opciya != nullptr) {
    return Oshibochno(Oshibka::Izmerenie, kontur.opciya, kontur.znachenie);
  }
  argv[entries] = nullptr;
  p.zapisi = entries > 1 ? argv + 1 : nullptr;
  return Proverit(p, diapazon, argv[1], dopusk);
}

bool Dialogovyi(const Parametry& p) {
  return p.format == Format::Text && p.zapisi == nullptr && !p.izmerenie;
}
