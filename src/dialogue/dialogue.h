// The console dialogue: the line reader, the echo and the dialogue loop.
#pragma once

#include <cstdio>
#include <initializer_list>

#include "../common/constants.h"
#include "../platform/terminal.h"

// Reads one line from `in`, keeps the accepted characters (at most 80, the
// rest of a longer line is dropped), folds l c f r and the comma, and stores
// the zero-terminated result in `str`. Returns 0 for a line, 100 for the
// clear-screen command w, 101 for the quit command q and at end of input. A
// last line without a line end is still returned as a line first.
int Vvod(std::FILE* in, char (&str)[LLL]);

// Writes the normalised line and its caption, without a line end.
int Printl(std::FILE* out, const char* str);

// One argument of Pechat: a number for %g, a text for %s, an int for %d.
struct Arg {
  // Implicit, so that arguments are written as printf's are.
  Arg(double x) : kind('g'), number(x) {}
  Arg(const char* s) : kind('s'), text(s) {}
  Arg(int n) : kind('d'), whole(n) {}
  char kind;
  double number = 0;
  const char* text = nullptr;
  int whole = 0;
};

// Writes a report format (%-Ng, %s and %d) with its arguments, with the decimal
// comma in every number.
void Pechat(std::FILE* out, const char* fmt, std::initializer_list<Arg> args);

// Computes the missing pair and prints the unscaled and the scaled quantity
// set. Leaves the quantities rescaled for display.
void Otchet(std::FILE* out, float* l, float* c, float* f, float* r, int tip);

// Runs the dialogue until the user quits or the input ends; returns the exit
// status (not 0 only when the results could not be written).
int Dialog(const Terminal& t);
