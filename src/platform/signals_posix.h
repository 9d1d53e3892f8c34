// Signals in an interactive session. The program leaves the terminal as it
// found it whenever it ends by a signal or stops for job control, and takes
// its own modes back whenever it is continued, whatever stopped it.
#pragma once

#include <csignal>

// Remembers the modes of the terminal `fd` and catches the signals that end
// the program (interrupt, quit, terminate, hang-up), the stop from the
// keyboard, the continue and the change of the window's size.
void SignalsOpen(int fd);

// The modes the terminal has now are the program's own: a continue puts
// them back.
void KeepModes();

// Holds back the signals that end or stop the program, for a moment in
// which a file must not be left half written; returns the mask to put back
// with ReleaseSignals.
sigset_t HoldSignals();
void ReleaseSignals(const sigset_t& was);

// True once for every time the program was continued.
bool Continued();

// True once for every change of the window's size.
bool Resized();
