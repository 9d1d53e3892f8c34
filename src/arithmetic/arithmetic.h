// Circuit arithmetic: the entry parser, the resonance calculator and the
// display scaling. Quantities travel as the addresses of four separate floats
// in the order L, C, F, R.
#pragma once

// Reads a normalised line into the quantity set; returns the combination code:
// 0 when the line names no usable pair, 1 to 6 for the pair given
// (LC, LF, CF, RC, RL, RF). All four quantities are written.
int Obrabotka(const char* str, float* l, float* c, float* f, float* r);

// Computes the two quantities the combination code says are missing and
// writes back only those two. Any other code changes nothing. Returns 0.
int Raschet(float* l, float* c, float* f, float* r, int tip);

// Rescales one quantity in place to a prefix in steps of a thousand; returns
// the index of the prefix label (0 to 15).
int Preobr(float* adr);
