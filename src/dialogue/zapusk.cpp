#include "../common/texts.h"
#include "dialogue.h"

namespace {

// A text the command line asked for; status 0 once it is written.
int Pokazat(const Terminal& t, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), t.out);
  return std::fflush(t.out) == 0 ? 0 : WriteFailed();
}

}  // namespace

int Zapusk(Terminal& t, const Parametry& p) {
  switch (p.deistvie) {
    case Deistvie::Spravka:
      return Pokazat(t, USAGE);
    case Deistvie::Versiya:
      return Pokazat(t, VERSION);
    case Deistvie::Oshibka:
      std::fwrite(UNKNOWN_OPTION.data(), 1, UNKNOWN_OPTION.size(), stderr);
      std::fputs(p.neizvestnyi, stderr);
      std::fwrite(SEE_HELP.data(), 1, SEE_HELP.size(), stderr);
      return 2;
    case Deistvie::Zapisi: {
      Vhod in{};
      in.args = p.zapisi;
      return Zapisi(t, in);
    }
    case Deistvie::Dialog:
      break;
  }
  Vhod in{};
  in.terminal = &t;
  return Dialog(t, in);
}
