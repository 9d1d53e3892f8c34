// The command line: options, then the entries to answer.
#pragma once

#include "../arithmetic/arithmetic.h"
#include "../arithmetic/diapazon.h"

enum class Deistvie { Otvety, Spravka, Versiya, Oshibka };

// How answers are written: the report, or one record a line for programs.
enum class Format { Text, Csv, Json };

// What was wrong with the command line.
enum class Oshibka {
  Parametr,
  Format,
  Ryad,
  Znachenie,
  Dopusk,
  // A tolerance below 100 as typed that a double holds as 100.
  Okruglenie,
  BezRyada,
  Parazit,
  // The tuning range: a band's or a variable's ends, the value of a part
  // chosen, a second part chosen, a band without a variable or the other
  // way round, a part chosen without either, entries or a tolerance with
  // them.
  Polosa,
  Peremennyi,
  Katushka,
  Trimmer,
  Padder,
  DvaVybora,
  BezPary,
  VyborBezPolosy,
  ZapisiDiapazona,
  DopuskDiapazona,
  // The coil's losses and its measurement.
  Dobrotnost,
  Poteri,
  DobrotnostIPoteri,
  Izmerenie,
  // An option the tuning range does not take: a measurement, a Q, a loss.
  SDiapazonom,
};

struct Parametry {
  Deistvie deistvie = Deistvie::Otvety;
  Format format = Format::Text;
  // The series of standard parts to offer, or null, and the tolerance of
  // its parts in percent: 0 for the one the series is made for.
  const Ryad* ryad = nullptr;
  double dopusk = 0;
  // The stray capacitance across the circuit in farad, when it is given.
  bool est_parazit = false;
  double parazit = 0;
  // The tuning range asked (--band and --variable, with --stray and at
  // most one of --coil, --trimmer, --padder): the answer is its design.
  bool diapazon = false;
  Zadanie zadanie{};
  // The coil's losses, when given: its quality factor, or its series loss
  // resistance in ohm, from which each answer's Q follows.
  bool est_dobrotnost = false;
  double dobrotnost = 0;
  bool est_poteri = false;
  double poteri = 0;
  // The entries are two readings of one coil, for its inductance and the
  // stray capacitance across it.
  bool izmerenie = false;
  // The entries given as arguments, in a list that ends with a null pointer;
  // null when they come from standard input.
  char* const* zapisi = nullptr;
  // What was wrong, and the word it was wrong in; with the value that
  // followed an option as a word of its own, that value too.
  Oshibka oshibka = Oshibka::Parametr;
  const char* slovo = nullptr;
  const char* znachenie = nullptr;
};

// -h and --help ask for the usage text, -V and --version for the version;
// the first of them counts. --format, --series and --tolerance take a
// value, after = or as the next argument; the name of a format may be in
// either case; a tolerance is a percentage greater than 0 and less than 100,
// with a decimal point or comma and a % after it or not, and needs a series.
// --stray takes a capacitance as the program reads one (12p, 12,5pC), zero
// or more; --quality a number above zero, --loss a resistance (2,5, 500mR),
// zero or more, not both. --measure takes no value, and none of --stray,
// --series, --quality and --loss goes with it.
// --band and --variable take two ends, FROM-TO in either order, each a value
// as the program reads one (a frequency, a capacitance), positive and
// different; they go together, and with them at most one of --coil,
// --trimmer and --padder (an inductance, a capacitance, each zero or more),
// which need them; with them no entries and no tolerance.
// Options may stand anywhere before "--", which ends them; every other argument
// is an entry, and the entries are moved to the front of argv. An unknown
// option or value is an error whatever else is given.
Parametry Razbor(int argc, char** argv);

// Standard input is the dialogue: the report, with no entries as arguments
// and no measurement.
bool Dialogovyi(const Parametry& p);
