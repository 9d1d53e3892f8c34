// The system's libedit, loaded when an interactive session starts: a session
// in a pipe never pays for loading it, and a system without it still runs
// the program, reading plainly.
#pragma once

#include <histedit.h>

struct Editline {
  decltype(&el_init) init;
  decltype(&el_end) end;
  decltype(&el_set) set;
  decltype(&el_gets) gets;
  decltype(&el_resize) resize;
  decltype(&el_line) line;
  decltype(&history_init) history_new;
  decltype(&history_end) history_free;
  decltype(&history) history_op;
};

// The library's functions, once EditlineLoad succeeded.
extern Editline editline;

// Loads the library; false when the system has none that fits.
bool EditlineLoad();
