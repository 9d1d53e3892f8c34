// The page's entry: what the page in a browser asks of the core. Everything
// comes back as a session's standard output and standard error do.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

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
  const char* pos = mesto + argc * DLINA;
  for (int i = 0; i < argc; ++i) {
    slova.push_back(Slovo({pos, Dlina(i)}));
    pos += Dlina(i);
  }
  std::vector<char*> argv{const_cast<char*>("rezonans")};
  for (std::string& s : slova) {
    argv.push_back(s.data());
  }
  const auto words = static_cast<int>(argv.size());
  argv.push_back(nullptr);
  WebInput(pos, mesto + n);
  return Programma(words, argv.data());
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
