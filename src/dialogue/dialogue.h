// The console dialogue: the line reader, the echo, the report and the
// dialogue loop.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "../common/constants.h"
#include "../platform/terminal.h"
#include "parametry.h"

// What the reader reads: the characters in hand and where more come from.
// With neither a terminal nor arguments, the text in hand is all there is.
struct Vhod {
  const char* pos = nullptr;
  const char* end = nullptr;
  // Standard input, through the platform.
  Terminal* terminal = nullptr;
  // Entries given as arguments, each read as a line of its own; the list
  // ends with a null pointer.
  char* const* args = nullptr;
  // The input has ended; the reader gives the quit result from now on.
  bool konec = false;
  // Why the input failed (the system's error number), 0 if it did not.
  int oshibka = 0;
};

// Takes in more characters; false at the end of the input.
bool Dalshe(Vhod& in);

// Reads one line, keeps the accepted characters (at most 80, the rest of a
// longer line is dropped), folds l c f r and the comma, and stores the
// zero-terminated result in `str`. Returns 0 for a line, 100 for the
// clear-screen command w, 101 for the quit command q and at the end of the
// input. A last line without a line end is still returned as a line first.
int Vvod(Vhod& in, char (&str)[LLL]);

// An answer is put together here and written with one call of the output.
struct Tekst {
  std::array<char, 4096> bytes;
  std::size_t n = 0;
};

// Appends what fits.
void Dobavit(Tekst& t, std::string_view s);

// Writes the normalised line and its caption, without a line end.
int Printl(Tekst& t, const char* str);

// One argument of Pechat: a number for %g, a text for %s, an int for %d.
struct Arg {
  // Implicit, so that arguments are written as printf's are.
  Arg(double x) : kind('g'), number(x) {}
  Arg(std::string_view s) : kind('s'), text(s) {}
  Arg(int n) : kind('d'), whole(n) {}
  char kind;
  double number = 0;
  std::string_view text;
  int whole = 0;
};

// Writes a report format (%-Ng, %s and %d) with its arguments: every number
// as printf's %g writes it in the "C" locale, with the decimal comma.
void Pechat(Tekst& t, std::string_view fmt, std::initializer_list<Arg> args);

// Computes the missing pair and prints the unscaled and the scaled quantity
// set. Leaves the quantities rescaled for display.
void Otchet(Tekst& t, float* l, float* c, float* f, float* r, int tip);

// Runs the dialogue on `in` until the user quits or the input ends: the menu
// before every line, the pause after every answer. Returns the exit status:
// 1 when the input or the output failed (said so on standard error), else 0.
int Dialog(const Terminal& t, Vhod& in);

// Answers each entry of `in` as the dialogue would answer it as a typed
// line, without the menu, the pause and the clearing. Returns 1 when an entry
// was invalid or the output failed, else 0.
int Zapisi(const Terminal& t, Vhod& in);

// Says on standard error that the output failed and why; returns the exit
// status: 0 for a reader that went away (a broken pipe), else 1.
int WriteFailed();

// Does what the command line asks: the dialogue, the entries, the usage text
// or the version, or the message for an unknown option. Returns the exit
// status: 2 for an unknown option.
int Zapusk(Terminal& t, const Parametry& p);
