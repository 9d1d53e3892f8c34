#include <algorithm>

#include "../common/texts.h"
#include "dialogue.h"

namespace {

// A text the command line asked for; status 0 once it is written.
int Pokazat(const Terminal& t, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), t.out);
  return std::fflush(t.out) == 0 ? 0 : WriteFailed();
}

// Appends `s` to a message for standard error, after writing out what the
// message holds when `s` does not fit.
void Dopisat(Tekst& t, std::string_view s) {
  if (t.bytes.size() - t.n < s.size()) {
    std::fwrite(t.bytes.data(), 1, t.n, stderr);
    t.n = 0;
  }
  Dobavit(t, s);
}

// A word of the command line, in UTF-8, in the encoding of the program's
// texts: a character that encoding lacks is shown as '?'. Bytes that are no
// UTF-8 come through as they are where the texts are UTF-8.
void Slovo(Tekst& t, std::string_view s) {
  while (!s.empty()) {
    const std::size_t n = std::max<std::size_t>(Utf8(s), 1);
    char znak[4];
    const std::size_t k = Znak(s.substr(0, n), znak);
    Dopisat(t, k > 0 ? std::string_view(znak, k) : "?");
    s.remove_prefix(n);
  }
}

static_assert(OSHIBKI.size() ==
                  static_cast<std::size_t>(Oshibka::SDiapazonom) + 1,
              "a message for each kind of error");

// What was wrong with the command line, on standard error; status 2.
int Otkazat(const Parametry& p) {
  Tekst tx;
  Dopisat(tx, OSHIBKI[static_cast<std::size_t>(p.oshibka)]);
  Slovo(tx, p.slovo);
  if (p.znachenie != nullptr) {
    Dopisat(tx, " ");
    Slovo(tx, p.znachenie);
  }
  Dopisat(tx, SEE_HELP);
  std::fwrite(tx.bytes.data(), 1, tx.n, stderr);
  return 2;
}

// What the session reads of standard input for the command line `p`.
Input Istochnik(const Parametry& p) {
  if (p.deistvie != Deistvie::Otvety || p.zapisi != nullptr || p.diapazon) {
    return Input::None;
  }
  return Dialogovyi(p) ? Input::Dialogue : Input::Lines;
}

// Does what the command line asks in the session `t`.
int Zapusk(Terminal& t, const Parametry& p) {
  switch (p.deistvie) {
    case Deistvie::Spravka:
      return Pokazat(t, USAGE);
    case Deistvie::Versiya:
      return Pokazat(t, VERSION);
    case Deistvie::Oshibka:
      return Otkazat(p);
    case Deistvie::Otvety:
      break;
  }
  if (p.diapazon) {
    return OtvetitDiapazon(t, p);
  }
  Vhod in{};
  if (p.zapisi != nullptr) {
    in.args = p.zapisi;
  } else {
    in.terminal = &t;
  }
  return p.izmerenie ? Zamer(t, in, p) : Cikl(t, in, p);
}

}  // namespace

int Programma(int argc, char** argv) {
  argv = CommandLine(argc, argv);
  const Parametry p = Razbor(argc, argv);
  Terminal t = TerminalOpen(Istochnik(p));
  const int status = Zapusk(t, p);
  TerminalClose(t);
  return status;
}
