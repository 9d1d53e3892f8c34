// Circuit arithmetic: the entry parser, the resonance calculator and the
// display scaling. Quantities travel as the addresses of four separate floats
// in the order L, C, F, R.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// Reads a normalised line into the quantity set; returns the combination code:
// 0 when the line names no usable pair, 1 to 6 for the pair given
// (LC, LF, CF, RC, RL, RF). All four quantities are written.
int Obrabotka(const char* str, float* l, float* c, float* f, float* r);

// Whether the calculator computes the quantity with this marker (L, C, F or
// R) for the combination code `tip`: it is not of the pair the entry gave.
// False for every quantity of invalid data.
bool Vychislyaetsya(int tip, char marker);

// Computes the two quantities the combination code says are missing and
// writes back only those two. Any other code changes nothing. Returns 0.
int Raschet(float* l, float* c, float* f, float* r, int tip);

// Rescales one quantity in place to a prefix in steps of a thousand; returns
// the index of the prefix label (0 to 15).
int Preobr(float* adr);

// A series of preferred values: one decade of them as integers with
// `razryady` significant digits (2 or 3), repeated in every decade.
struct Ryad {
  std::string_view imya;
  std::span<const std::uint16_t> znacheniya;
  int razryady;
};

// The series named E3, E6, E12, E24, E48, E96 or E192 (a lower-case e too);
// null for any other name.
const Ryad* NaitiRyad(std::string_view imya);

// The standard values next to a part: the greatest below it and the least
// above it, across decade edges; a part within a millionth of a standard
// value has that value as both. A neighbour past the float range is written
// as infinity: there is no such part. False, with nothing written, for a
// part that is not a positive normal float (0, below the normal range,
// negative, infinite or undefined).
bool Sosedi(float chast, const Ryad& ryad, float* nizhe, float* vyshe);
