// Signals in an interactive session. The program leaves the terminal as it
// found it whenever it ends by a signal or stops for job control, and takes
// its own modes back when it is continued.
#pragma once

// Remembers the modes of the terminal `fd` and catches the signals that end
// the program (interrupt, quit, terminate, hang-up), the stop from the
// keyboard and the change of the window's size.
void SignalsOpen(int fd);

// True once for every time the program was stopped and continued.
bool Continued();

// True once for every change of the window's size.
bool Resized();
