// The line editor at the prompt of an interactive session, with the lasting
// history.
#pragma once

#include <cstdio>

// Starts the editor on the terminal of standard input and `out`; false when
// it cannot start, and the session then reads plainly.
bool EditorOpen(std::FILE* out);

void EditorClose();

// Shows the prompt over the one the menu wrote, lets the user edit a line and
// sets [*begin, *end) to it, its line end included. False at the end of the
// input; `error` is then the system's error number, or 0 for Ctrl-D.
bool EditorLine(const char** begin, const char** end, int& error);

// Clears the screen and the scrollback with the terminal's own capabilities;
// a terminal that has none gets nothing.
void EditorClear();
