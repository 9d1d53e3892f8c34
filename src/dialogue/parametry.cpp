#include "parametry.h"

#include <string_view>

Parametry Razbor(int argc, char** argv) {
  Parametry p{Deistvie::Dialog, nullptr, nullptr};
  int end = argc;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--") {
      end = i;
      break;
    }
    // A lone "-" is no option; with the entries, it is an empty line.
    if (arg.size() < 2 || arg[0] != '-') {
      continue;
    }
    const bool first = p.deistvie == Deistvie::Dialog;
    if (arg == "-h" || arg == "--help") {
      p.deistvie = first ? Deistvie::Spravka : p.deistvie;
    } else if (arg == "-V" || arg == "--version") {
      p.deistvie = first ? Deistvie::Versiya : p.deistvie;
    } else {
      return {Deistvie::Oshibka, nullptr, argv[i]};
    }
  }
  if (p.deistvie != Deistvie::Dialog) {
    return p;
  }
  // The "--" leaves the list; the null pointer that ends it moves up too.
  for (int i = end; i < argc; ++i) {
    argv[i] = argv[i + 1];
  }
  const int entries = argc - 1 - (end < argc ? 1 : 0);
  return entries > 0 ? Parametry{Deistvie::Zapisi, argv + 1, nullptr} : p;
}
