// Circuit arithmetic: the entry parser, the resonance calculator and the
// display scaling. Quantities travel as the addresses of four separate floats
// in the order L, C, F, R.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// Reads a normalised line into the quantity set; returns the combination code:
// 0 when the line names no usable pair, 1 to 6 for the pair given
// (LC, LF, CF, RC, RL, RF). All four quantities are written.
int Obrabotka(const char* str, float* l, float* c, float* f, float* r);

// The same reading in double precision, for readings whose digits the
// design arithmetic takes as typed: the same grammar and the same rule for
// the digits after the point, each number the double nearest the digits it
// keeps (at most 40 significant ones).
int ObrabotkaTochno(const char* str, double* l, double* c, double* f,
                    double* r);

// What the parser drops of a normalised line: what follows its last
// quantity marker (digits, a scale letter). Empty when it has no marker.
const char* Hvost(const char* str);

// How many quantity markers a normalised line has.
int Metok(const char* str);

// Whether the calculator computes the quantity with this marker (L, C, F or
// R) for the combination code `tip`: it is not of the pair the entry gave.
// False for every quantity of invalid data.
bool Vychislyaetsya(int tip, char marker);

// Reads the value of an option as the program reads a quantity's number, in
// double precision: digits with at most one decimal point or comma and at
// most one prefix letter (G M K m u n p) among them, and after them, where
// `marker` is a quantity marker (L, C, F or R), that marker in either case.
// A prefix letter between digits, or R between the digits of ohms, stands
// for the point, as parts are marked (4n7 is 4.7n, 2R2 is 2.2), in a number
// without one. False, with nothing written, for anything else: no digits, a
// sign, a second point or prefix, another character, or a text past 64
// characters.
bool ChitatZnachenie(std::string_view s, char marker, double& x);

// Computes the two quantities the combination code says are missing and
// writes back only those two. Any other code changes nothing. Returns 0.
int Raschet(float* l, float* c, float* f, float* r, int tip);

// Rescales one quantity in place to a prefix in steps of a thousand; returns
// the index of the prefix label (0 to 15).
int Preobr(float* adr);

// Rescales a quantity in place to the prefix that `obrazec` takes (the ends
// of a band to the prefix of its frequency); returns the index of the
// prefix label. Preobr is this with the quantity as its own pattern.
int PreobrKak(float obrazec, float* adr);

// The same for a double of the design arithmetic, by the same thresholds,
// divided without rounding to a float.
int Preobr(double* adr);
int PreobrKak(double obrazec, double* adr);

// A series of preferred values: one decade of them as integers with
// `razryady` significant digits (2 or 3), repeated in every decade; and the
// tolerance its parts are made for, in percent.
struct Ryad {
  std::string_view imya;
  std::span<const std::uint16_t> znacheniya;
  int razryady;
  double dopusk;
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
// The same for a double; a part that is not a positive normal double has
// none.
bool Sosedi(double chast, const Ryad& ryad, double* nizhe, double* vyshe);

// How far `x` lies from `ot`, as a fraction of `ot`.
double Otklonenie(float x, float ot);

// The frequencies a circuit of frequency `f` may resonate at, from the
// lowest to the highest.
struct Polosa {
  float nachalo;
  float konec;
};

// With one part anywhere within the tolerance `dopusk` (a fraction) of its
// value and the other as it is: f/sqrt(1+t) to f/sqrt(1-t).
Polosa PolosaDetali(float f, double dopusk);

// With both parts anywhere within their tolerances, `dopusk_L` of the
// inductance and `dopusk_C` of the capacitance: f/sqrt((1+tL)(1+tC)) to
// f/sqrt((1-tL)(1-tC)); f/(1+t) to f/(1-t) where they are the same.
Polosa PolosaPary(float f, double dopusk_L, double dopusk_C);

// A circuit of two given parts and what it gives: F, and R = 2 pi F L.
struct Kontur {
  float L;
  float C;
  float F;
  float R;
};

// The most circuits Pary makes: two inductances by two capacitances.
constexpr std::size_t PAR = 4;

// The circuits of each of the inductances `l` with each of the
// capacitances `c` (at most two of each) and the stray capacitance
// `parazit` across them, ordered by how far their F lies from `f`; F that
// lie within a millionth of each other as far, by how far their R lies from
// `r`. Returns how many were written to `pary`; each holds its part C.
std::size_t Pary(std::span<const float> l, std::span<const float> c,
                 double parazit, float f, float r, std::span<Kontur, PAR> pary);

// The series in the order of their size, E3 first.
std::span<const Ryad> Ryady();

// The picture of an answer: the reactance of its inductor and of its
// capacitor against frequency, on logarithmic axes of whole decades.
constexpr int DEKAD = 3;
struct Grafik {
  // The frequency axis runs from 10^f0 to 10^(f0 + DEKAD), the answer's F in
  // its middle decade; the reactance axis from 10^r0 to 10^r1.
  int f0 = 0;
  int r0 = 0;
  int r1 = 0;
  // At each decade of the frequency axis and at the answer's F, rising: the
  // frequency, the inductor's reactance there (what an entry of that F with
  // the answer's L computes as R) and the capacitor's (F with its C).
  static constexpr std::size_t TOCHEK = DEKAD + 2;
  std::array<float, TOCHEK> f{};
  std::array<float, TOCHEK> xl{};
  std::array<float, TOCHEK> xc{};
};

// Ten to the power `k`, as a float: a decade of an axis.
float StepenDesyati(int k);

// Draws up the picture of the complete set L, C, F; false, with nothing
// written, when some quantity or reactance on the axes is not a positive
// normal float: there is no such picture.
bool Postroit(float l, float c, float f, Grafik& g);

// The circuit as built: the part beside the stray capacitance across it,
// the coil's losses, and the coil measured. Design arithmetic, in double
// precision; what goes into the calculator is rounded to a float once.

// The capacitance of a circuit of the part `chast` with the stray `parazit`
// across it (farad).
float EmkostKontura(float chast, double parazit);

// The part a circuit of capacitance `kontur` needs beside the stray
// `parazit`, in `chast`: 0 where less than a millionth of the circuit's
// capacitance is left, its rounding. False, with nothing written, when the
// stray alone, rounded to a float, exceeds it: there is no such part.
bool Detal(float kontur, double parazit, float& chast);

// The tolerance (a fraction) of the capacitance of a circuit whose part
// `chast` has the tolerance `dopusk` and the stray `parazit` exact.
double DopuskKontura(double dopusk, float chast, double parazit);

// The Q of a coil of reactance `r` at resonance with the series loss
// resistance `poteri` (ohm); infinite without losses.
double DobrotnostIzPoter(float r, double poteri);

// What the coil's Q gives a circuit of frequency `f` and reactance `r`: the
// bandwidth F/Q, its edges at -3 dB, F (sqrt(1 + 1/(4Q^2)) -+ 1/(2Q)), and
// the parallel circuit's dynamic resistance at resonance, Q R.
struct Poteri {
  double Q;
  double polosa;
  double nizhe;
  double vyshe;
  double R_dinamicheskoe;
};
Poteri Propuskanie(double q, float f, float r);

// A coil and the stray capacitance across it, found from two resonances:
// with the capacitor `c1` at the frequency `f1`, with `c2` at `f2`.
// Cs = (f2^2 c2 - f1^2 c1) / (f1^2 - f2^2), L = 1 / ((2 pi f1)^2 (c1 + Cs));
// a stray within a millionth of the larger capacitor is none.
struct Katushka {
  double L;
  double parazit;
};
Katushka Izmerit(double c1, double f1, double c2, double f2);
// A linear axis over the values from `ot` to `doo`: round values a step of
// 1, 2 or 5 times a power of ten apart, from the greatest at or below `ot`
// to the least at or above `doo`, the finest step that takes at most
// RAZMETKA - 1 of them.
constexpr std::size_t RAZMETKA = 9;
struct Razmetka {
  std::array<double, RAZMETKA> x{};
  std::size_t n = 0;
};

// Marks out the axis; false, with nothing written, where `ot` and `doo` are
// not finite with `doo` above `ot`.
bool Razmetit(double ot, double doo, Razmetka& r);
