// The tuning range: the coil, the trimmer and the padder with which a
// variable capacitor tunes a band. The coil is across the strays, a trimmer
// in parallel and the variable in series with a padder; all of it in double
// precision.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>

#include "arithmetic.h"

// The part the builder has chosen, the other two computed; with none, the
// design without a padder.
enum class Vybor { Net, Katushka, Trimmer, Padder };

// What the builder asks: the band, the variable capacitor's two ends, the
// strays across the circuit, and at most one part chosen.
struct Zadanie {
  double f_min = 0;  // hertz
  double f_max = 0;
  double c_min = 0;  // farad
  double c_max = 0;
  double parazit = 0;
  Vybor vybor = Vybor::Net;
  // Henry for the coil, farad for the trimmer and the padder.
  double znachenie = 0;
};

// A circuit and the band it tunes over the variable's whole travel: from
// f_low, the variable at its largest, to f_high, at its least. A padder
// that is infinite is none.
struct Shema {
  double L = 0;
  double trimmer = 0;
  double padder = INFINITY;
  double f_low = 0;
  double f_high = 0;
};

// The frequency at each tenth of the variable's travel, the capacitance
// straight in the angle: from 0 %, the variable at its least, to 100 %.
constexpr std::size_t DELENII = 11;
using Shkala = std::array<double, DELENII>;

// What each choice may be: the coil from the design without a padder (the
// least coil, the largest trimmer) to that with the least padder (the
// largest coil, no trimmer); the trimmer from 0; the padder from its least
// up, or none at all. A padder_min that is infinite: a band the variable
// and the strays cover exactly needs none, and takes none.
struct Predely {
  double L_min = 0;
  double L_max = 0;
  double trimmer_max = 0;
  double padder_min = INFINITY;
};

enum class Ishod {
  Gotovo,
  // The variable with the strays cannot swing across the band.
  Nevozmozhno,
  // The chosen part lies outside its range.
  VnePredelov,
};

// A circuit of standard parts: a neighbour of the design's coil with one of
// its padder's (or none), a part the builder chose being kept as it is, and
// the trimmer that puts the low end on f_min.
// Where even no trimmer leaves the low end below f_min, it has none. Whether
// the band it tunes holds the whole band asked.
struct Standart {
  Shema shema;
  bool bez_trimmera = false;
  bool perekryvaet = false;
  Shkala shkala{};
};

// Two neighbours of the coil by two of the padder; with a coil or a padder
// chosen, the other's two.
constexpr std::size_t STANDARTNYH = 4;

// The whole answer, as every writer shows it.
struct Sopryazhenie {
  // As asked, each pair of ends in rising order.
  Zadanie zadanie;
  Ishod ishod = Ishod::Nevozmozhno;
  // The top of the band this variable with these strays covers from f_min.
  double f_predel = 0;
  // With a band that can be covered: the ranges, and with the choice in its
  // range the design and its dial.
  Predely predely;
  Shema proekt;
  Shkala shkala{};
  // The series asked, or null; with the design, the circuits of its parts:
  // those that cover the band first, the least excess first; then the
  // rest, the nearest first.
  const Ryad* ryad = nullptr;
  std::array<Standart, STANDARTNYH> standart{};
  std::size_t n_standart = 0;
};

// Whether two values are the ends of a band or of a variable: positive,
// finite and different.
bool DvaKonca(double a, double b);

// Designs the circuit that tunes the band asked with the variable asked
// (their ends as DvaKonca takes them, in either order), with the series'
// standard parts where `ryad` is not null.
Sopryazhenie Sopryach(const Zadanie& z, const Ryad* ryad);
