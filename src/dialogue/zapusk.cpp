#include "../common/texts.h"
#include "dialogue.h"

namespace {

// A text the command line asked for; status 0 once it is written.
int Pokazat(const Terminal& t, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), t.out);
  return std::fflush(t.out) == 0 ? 0 : WriteFailed();
}

static_assert(OSHIBKI.size() == static_cast<std::size_t>(Oshibka::BezRyada) + 1,
              "a message for each kind of error");

// What was wrong with the command line, on standard error; status 2.
int Otkazat(const Parametry& p) {
  const std::string_view what = OSHIBKI[static_cast<std::size_t>(p.oshibka)];
  std::fwrite(what.data(), 1, what.size(), stderr);
  std::fputs(p.slovo, stderr);
  if (p.znachenie != nullptr) {
    std::fputc(' ', stderr);
    std::fputs(p.znachenie, stderr);
  }
  std::fwrite(SEE_HELP.data(), 1, SEE_HELP.size(), stderr);
  return 2;
}

// What the session reads of standard input for the command line `p`.
Input Istochnik(const Parametry& p) {
  if (p.deistvie != Deistvie::Otvety || p.zapisi != nullptr) {
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
  Vhod in{};
  if (p.zapisi != nullptr) {
    in.args = p.zapisi;
  } else {
    in.terminal = &t;
  }
  return Cikl(t, in, p);
}

}  // namespace

int Programma(int argc, char** argv) {
  const Parametry p = Razbor(argc, argv);
  Terminal t = TerminalOpen(Istochnik(p));
  const int status = Zapusk(t, p);
  TerminalClose(t);
  return status;
}
