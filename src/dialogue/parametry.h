// The command line: options, then the entries to answer.
#pragma once

enum class Deistvie { Dialog, Zapisi, Spravka, Versiya, Oshibka };

struct Parametry {
  Deistvie deistvie;
  // The entries given as arguments (Zapisi), in a list that ends with a null
  // pointer; the unknown option (Oshibka).
  char* const* zapisi;
  const char* neizvestnyi;
};

// -h and --help ask for the usage text, -V and --version for the version;
// the first of them counts. Options may stand anywhere before "--", which
// ends them; every other argument is an entry. An unknown option is an error
// whatever else is given.
Parametry Razbor(int argc, char** argv);
