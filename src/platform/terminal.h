// The platform layer: the only code that knows about terminals, consoles,
// code pages and locales.
#pragma once

#include <cstdio>

struct Terminal {
  std::FILE* in;
  std::FILE* out;
  // Both ends are a terminal: only then do the pause and the clearing act.
  bool interactive;
  // What the platform puts back when the session ends (the console's output
  // code page on Windows).
  unsigned int saved;
};

// Selects the locale and prepares the console for a session on in and out.
Terminal TerminalOpen(std::FILE* in, std::FILE* out);

// Gives the console back as the session found it.
void TerminalClose(const Terminal& t);

// Waits for one key press, in an interactive session only.
void Pause(const Terminal& t);

// Clears the screen and the scrollback, in an interactive session only.
void Clear(const Terminal& t);
