// The page's entry: what the page in a browser asks of the core. Everything
// comes back as a session's standard output and standard error do.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "arithmetic/diapazon.h"
#include "dialogue/dialogue.h"
#include "platform/terminal_web.h"

namespace {

// What the page wrote for the next call: the length of each word of a
// command line (four bytes, in WebAssembly's order), the words, then the
// standard input.
char* mesto = nullptr;
constexpr std::size_t DLINA = sizeof(std::uint32_t);

void Napisat(std::string_view s) { std::fwrite(s.data(), 1, s.size(), stdout); }

// The `i`-th word's length.
std::size_t Dlina(int i) {
  std::uint32_t n = 0;
  std::memcpy(&n, mesto + i * DLINA, DLINA);
  return n;
}

// A word of the command line as the program is given it. A command line
// cannot hold a NUL, and the page's may: it is written as a terminal shows
// it, so that the word is no option, value or entry it would be without it.
std::string Slovo(std::string_view w) {
  std::string s;
  for (const char ch : w) {
    s += ch == '\0' ? NUL_ZNAK : std::string_view(&ch, 1);
  }
  return s;
}

// The `argc` words of the command line the page put in `mesto`, each as the
// program is given it, in `slova`, and in `argv` after the program's name,
// closed by a null pointer; returns where the standard input starts.
const char* Slova(int argc, std::vector<std::string>& slova,
                  std::vector<char*>& argv) {
  const char* pos = mesto + argc * DLINA;
  for (int i = 0; i < argc; ++i) {
    slova.push_back(Slovo({pos, Dlina(i)}));
    pos += Dlina(i);
  }
  argv = {const_cast<char*>("rezonans")};
  for (std::string& w : slova) {
    argv.push_back(w.data());
  }
  argv.push_back(nullptr);
  return pos;
}

int Chislo(const std::vector<char*>& argv) {
  return static_cast<int>(argv.size()) - 1;
}

}  // namespace

extern "C" {

// Room for `n` bytes for the next call; null when there is none.
char* rezonans_mesto(std::size_t n) {
  std::free(mesto);
  mesto = static_cast<char*>(std::malloc(n + 1));
  return mesto;
}

// A session of the program with the `argc` words of the command line after
// its name and the standard input after them, `n` bytes in all with the
// words' lengths: what the program does when it is started so. Returns its
// exit status.
int rezonans_zapusk(int argc, std::size_t n) {
  std::vector<std::string> slova;
  std::vector<char*> argv;
  const char* pos = Slova(argc, slova, argv);
  WebInput(pos, mesto + n);
  return Programma(Chislo(argv), argv.data());
}

// The calculator's answer to the entry in the input, `n` bytes in all with
// the `argc` words of a command line and their lengths before it (the
// series, the tolerance, the stray and the Q), as the page shows it
// (ZapisatPokaz). Returns 0 once it is written; 1 when the reader keeps
// less than the whole entry (it is longer than a line); for words the
// program refuses, 3 for a tolerance below 100 that rounds to 100, 4 for a
// stray, 5 for a Q, 2 for any other; each with nothing written.
int rezonans_pokaz(int argc, std::size_t n) {
  std::vector<std::string> slova;
  std::vector<char*> argv;
  const char* pos = Slova(argc, slova, argv);
  const Parametry p = Razbor(Chislo(argv), argv.data());
  if (p.deistvie == Deistvie::Oshibka) {
    switch (p.oshibka) {
      case Oshibka::Okruglenie:
        return 3;
      case Oshibka::Parazit:
        return 4;
      case Oshibka::Dobrotnost:
        return 5;
      default:
        return 2;
    }
  }
  Vhod in{pos, mesto + n};
  char str[LLL];
  const Zametki& z = in.zametki;
  if (Vvod(in, str) != 0 || z.n > 0 || z.n_sverh > 0 || z.bolshe ||
      z.bolshe_sverh) {
    return 1;
  }
  ZapisatPokaz(Reshit(str, p), stdout);
  std::fflush(stdout);
  return 0;
}

// The tuning range the `argc` words of a command line in `mesto` ask for
// (--band, --variable, --stray, --coil, --trimmer, --padder, --series), `n`
// bytes in all with their lengths, as the page shows it
// (ZapisatDiapazonPokaz): returns 0 once it is written, the design or why
// there is none. 2 for a value the program refuses, with the option's name,
// a NUL and the page's words why (ZapisatOtkazDiapazona); 3 for words that
// ask for no tuning range or that the page never gives, with nothing
// written.
int rezonans_diapazon(int argc, std::size_t /*n*/) {
  std::vector<std::string> slova;
  std::vector<char*> argv;
  Slova(argc, slova, argv);
  const Parametry p = Razbor(Chislo(argv), argv.data());
  if (p.deistvie == Deistvie::Oshibka) {
    Tekst t;
    if (!ZapisatOtkazDiapazona(t, p.oshibka)) {
      return 3;
    }
    Napisat({t.bytes.data(), t.n});
    std::fflush(stdout);
    return 2;
  }
  if (p.deistvie != Deistvie::Otvety || !p.diapazon) {
    return 3;
  }
  ZapisatDiapazonPokaz(Sopryach(p.zadanie, p.ryad), stdout);
  std::fflush(stdout);
  return 0;
}

// What the page's field of the quantity named by the first of the `argc`
// words in `mesto` holds, its own prefix's letter the second, read from
// the text after them, `n` bytes in all with the words' lengths
// (ChitatPole): 0 with the prefix's letter, a NUL and the number as the
// program's reader takes it, 3 the same for a text that names no prefix or
// unit; 1 for a field of spaces, with its own prefix's letter and a NUL; 2
// with what is wrong; 4 for a quantity the page has not, with nothing
// written.
int rezonans_chitat(int argc, std::size_t n) {
  std::vector<std::string> slova;
  std::vector<char*> argv;
  const char* pos = Slova(argc, slova, argv);
  const Rod* rod = argc >= 1 ? NaitiRod(slova[0]) : nullptr;
  if (rod == nullptr) {
    return 4;
  }
  Tekst t;
  const Prochteno p =
      ChitatPole({pos, static_cast<std::size_t>(mesto + n - pos)}, *rod,
                 argc >= 2 ? slova[1] : "", t);
  Napisat({t.bytes.data(), t.n});
  std::fflush(stdout);
  return static_cast<int>(p);
}

// A value of the quantity named by the first of the `argc` words, written
// as the page writes it (Inzhenerno), in the prefix whose letter is the
// second word or, without one, in the one that reads best; with a third
// word, "tochno", in as many digits as reading it back takes. The value is
// the text after the words, `n` bytes in all with their lengths. Writes
// the number, a NUL, the prefix's letter, a NUL and the number with the
// unit; returns 0; 1 for a quantity, a prefix, a word or a value the page
// has not, with nothing written.
int rezonans_tekst(int argc, std::size_t n) {
  std::vector<std::string> slova;
  std::vector<char*> argv;
  const char* pos = Slova(argc, slova, argv);
  const Rod* rod = argc >= 1 ? NaitiRod(slova[0]) : nullptr;
  const Pristavka* p = argc >= 2 ? NaitiPristavku(slova[1]) : nullptr;
  const std::string chislo(pos, static_cast<std::size_t>(mesto + n - pos));
  char* end = nullptr;
  const double x = std::strtod(chislo.c_str(), &end);
  const bool tochno = argc >= 3 && slova[2] == "tochno";
  if (rod == nullptr || (argc >= 2 && p == nullptr) || (argc >= 3 && !tochno) ||
      chislo.empty() || end != chislo.c_str() + chislo.size()) {
    return 1;
  }
  Tekst t;
  const Napisano v = Inzhenerno(t, x, *rod, p, tochno);
  const std::string_view tekst(t.bytes.data(), t.n);
  Tekst s;
  SEdinicei(s, tekst, v, *rod);
  Napisat(tekst);
  std::fputc('\0', stdout);
  Napisat(v.pristavka->bukva);
  std::fputc('\0', stdout);
  Napisat({s.bytes.data(), s.n});
  std::fflush(stdout);
  return 0;
}

// What the page's lists offer (ZapisatSpravochnik).
void rezonans_spravochnik() {
  Tekst t;
  ZapisatSpravochnik(t);
  Napisat({t.bytes.data(), t.n});
  std::fflush(stdout);
}

// What the reader makes of the line typed, `n` bytes with its line end: 0
// for an entry, 100 for the clearing command, 101 for the quit command.
int rezonans_vvod(std::size_t n) {
  Vhod in{mesto, mesto + n};
  char str[LLL];
  return Vvod(in, str);
}

// The menu's explanation of the input: the menu without the commands' line
// and the prompt.
void rezonans_poyasnenie() {
  const std::string_view menu = MENU.substr(0, MENU.size() - PROMPT.size());
  const std::size_t start = menu.find("\n\n") + 2;
  const std::size_t end = menu.find_last_not_of('\n') + 1;
  Napisat(menu.substr(start, end - start));
  std::fflush(stdout);
}

// The page's `i`-th own words: the place, a NUL, the text. False past the
// last.
bool rezonans_nadpis(std::size_t i) {
  if (i >= NADPISI.size()) {
    return false;
  }
  Napisat(NADPISI[i].mesto);
  std::fputc('\0', stdout);
  Napisat(NADPISI[i].tekst);
  std::fflush(stdout);
  return true;
}
}

// The coil measured from two readings: the two entries in the input, `n`
// bytes, a line each, as the page shows it (ZapisatIzmereniePokaz). Returns 0
// once it is written; 1 when the reader keeps less than an entry whole,
// with nothing written.
extern "C" int rezonans_zamer(std::size_t n) {
  Vhod in{mesto, mesto + n};
  char str[2][LLL];
  Izmerenie m;
  for (std::size_t i = 0; i < m.str.size(); ++i) {
    const Zametki& z = in.zametki;
    if (Vvod(in, str[i]) != 0 || z.n > 0 || z.bolshe || z.bolshe_sverh) {
      return 1;
    }
    m.str[i] = str[i];
  }
  Tekst t;
  ZapisatIzmereniePokaz(t, m, IzmeritKatushku(m));
  Napisat({t.bytes.data(), t.n});
  std::fflush(stdout);
  return 0;
}
