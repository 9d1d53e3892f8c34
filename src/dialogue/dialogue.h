// The console dialogue: the line reader, the echo, the report and the
// dialogue loop.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string_view>
#include <tuple>

#include "../arithmetic/arithmetic.h"
#include "../common/constants.h"
#include "../common/texts.h"
#include "../platform/terminal.h"
#include "parametry.h"

// What the reader noticed of the line it read last, for the warnings of a
// session in which nobody reads the echo. Each kind of character it did not
// keep has room of its own: one kind never crowds out the other.
struct Zametki {
  // The line it began on, counted from 1: of the input, or the argument.
  int stroka = 0;
  // What it dropped of the line, as it came, but spaces, tabs and line
  // ends; the first bytes of it when there is more than fits. For each byte,
  // how many characters the line had taken before it, kept or past the 80th:
  // so a warning can put them back among the kept ones, and the kept
  // characters cost nothing until one is written.
  std::array<char, 48> otbros{};
  std::array<std::uint8_t, 48> pered{};
  std::size_t n = 0;
  // The characters past the 80th, the first of them when there are more.
  std::array<char, 48> sverh{};
  std::size_t n_sverh = 0;
  // More was dropped than noted: of the characters it does not keep, of
  // those past the 80th.
  bool bolshe = false;
  bool bolshe_sverh = false;
  // A q among other characters ended the input, and more of it was at hand.
  bool prervano = false;
};
static_assert(LLL - 1 + std::tuple_size_v<decltype(Zametki::sverh)> <= 0xFF,
              "the characters a dropped byte follows fit in its note");

// What the reader reads: the characters in hand and where more come from.
// With neither a terminal nor arguments, the text in hand is all there is.
struct Vhod {
  const char* pos = nullptr;
  const char* end = nullptr;
  // Standard input, through the platform.
  Terminal* terminal = nullptr;
  // Entries given as arguments, each read as a line of its own; the list
  // ends with a null pointer.
  char* const* args = nullptr;
  // The input has ended; the reader gives the quit result from now on.
  bool konec = false;
  // Why the input failed (the system's error number), 0 if it did not.
  int oshibka = 0;
  // The line ends read so far, and what the reader noticed of the last line.
  int stroki = 0;
  Zametki zametki{};
  // Nothing has been read yet: a byte-order mark may come.
  bool nachalo = true;
};

// Takes in more characters; false at the end of the input.
bool Dalshe(Vhod& in);

// What follows the characters read, as far as it can be told without
// taking any of it from another reader of the input: whether the rest of the
// line holds more than spaces and tabs, whether anything after them does,
// and how many bytes from here the line ends, its line end with it (all
// that was looked through when the input ended first). What is in hand
// is looked through, then a regular file in place; of a pipe, more that has
// arrived is something after; at a terminal what is in hand is all. So the
// answer is the same wherever a read of a file ended.
struct Ostatok {
  bool v_stroke = false;
  bool dalshe = false;
  std::ptrdiff_t do_konca = 0;
};
Ostatok Ostalos(const Vhod& in);

// Leaves the input just past the line that `o` was told of to whoever reads
// it after the session: a q ends the reading there.
void Ostavit(const Vhod& in, const Ostatok& o);

// Reads one line, keeps the accepted characters (at most 80, the rest of a
// longer line is dropped), folds l c f r and the comma, and stores the
// zero-terminated result in `str`. Returns 0 for a line, 100 for the
// clear-screen command w, 101 for the quit command q and at the end of the
// input; the input after a q's line is left to whoever reads it next. A last
// line without a line end is still returned as a line first. A byte-order mark
// at the very start of standard input is passed over. Notes in `in.zametki`
// what it dropped: the characters it does not keep, those past the 80th, and
// the character a w takes with it; of a w line, `str` holds what was kept
// before the w, as typed.
int Vvod(Vhod& in, char (&str)[LLL]);

// An answer is put together here and written with one call of the output.
struct Tekst {
  std::array<char, 4096> bytes;
  std::size_t n = 0;
};

// Appends what fits. Inline: most pieces are a few bytes, of a length
// known where they are appended.
inline void Dobavit(Tekst& t, std::string_view s) {
  const std::size_t k = std::min(s.size(), t.bytes.size() - t.n);
  std::copy_n(s.data(), k, t.bytes.data() + t.n);
  t.n += k;
}

// Bytes a UTF-8 character has in all, by its first byte and the bytes
// that follow it; 0 when they are not one.
std::size_t Utf8(std::string_view s);

// Writes the normalised line and its caption, without a line end.
int Printl(Tekst& t, const char* str);

// One argument of Pechat: a number for %g, a text for %s, an int for %d.
struct Arg {
  // Implicit, so that arguments are written as printf's are.
  Arg(double x) : kind('g'), number(x) {}
  Arg(std::string_view s) : kind('s'), text(s) {}
  Arg(int n) : kind('d'), whole(n) {}
  char kind;
  double number = 0;
  std::string_view text;
  int whole = 0;
};

// The shortest text of any double has at most this many characters.
constexpr std::size_t KRATKO = 24;

// Writes a report format (%-Ng, %+.Nf, %s, %d and %%, and %v: the shortest
// text that reads back as the same double, without an exponent where that
// takes at most KRATKO characters) with its arguments: every number as
// printf writes it in the "C" locale, with the decimal comma, and infinite
// and undefined values in the program's own words. A number's directive
// also takes the text such a directive wrote of it before, and puts it in
// its field: a number shown twice is converted once.
void Pechat(Tekst& t, std::string_view fmt, std::initializer_list<Arg> args);

// A number as the report's %g writes it, in no field.
void ChisloG(Tekst& t, double x);

// Writes at `out` the shortest text that reads back as the finite float
// `x`, as std::to_chars(x) writes it: fixed or with an exponent, whichever
// is shorter, fixed of two as long. Returns where it ends; it takes at most
// KRATKO_FLOAT characters.
constexpr std::size_t KRATKO_FLOAT = 15;
char* Kratko(char* out, float x);

// A number for programs: the shortest text that reads back as exactly this
// float (or double), with a decimal point; an infinite or undefined value as
// the format has it (CSV: inf, -inf, nan; JSON: null).
void Tochno(Tekst& t, float x, Format format);
void Tochno(Tekst& t, double x, Format format);

// A standard part next to a computed L or C, and the frequency the circuit
// has with it in place of the computed one.
struct Sosed {
  // False next to a part the entry gave or one with no neighbours, and for a
  // standard value past the float range.
  bool est = false;
  float chast = 0;
  float f = 0;
  // Where the frequency may land with this part anywhere in its tolerance.
  Polosa polosa{};
};

// The standard parts next to one computed L or C: the one below it and the
// one above it; a part that is a standard value has it as both.
struct Podbor {
  Sosed nizhe;
  Sosed vyshe;
};

// Whether the part is a standard value: its one neighbour stands both below
// and above it.
bool VRyadu(const Podbor& p);

// An answer, computed once; each format writes it its own way.
struct Otvet {
  // The entry as the reader kept it.
  const char* str = nullptr;
  // The combination code; 0 for invalid data.
  int tip = 0;
  // The complete set, unscaled; what the entry gave, for invalid data.
  float L = 0;
  float C = 0;
  float F = 0;
  float R = 0;
  // The series asked for, or null, the tolerance of its parts in percent,
  // and the parts it offers.
  const Ryad* ryad = nullptr;
  double dopusk = 0;
  Podbor podbor_L;
  Podbor podbor_C;
  // With both parts computed: the circuits of their standard neighbours,
  // the closest first, and where each may land with both parts anywhere in
  // their tolerance.
  std::array<Kontur, PAR> pary{};
  std::array<Polosa, PAR> polosy_par{};
  std::size_t n_par = 0;
  // With a stray capacitance across the circuit, in farad: C is the part,
  // and F and R come from the circuit's capacitance, part and stray, which
  // the calculator took or gave. Where the stray alone exceeds that, there
  // is no part (C undefined), and `izbytok` says by how much.
  bool est_parazit = false;
  double parazit = 0;
  float C_kontura = 0;
  bool bez_detali = false;
  double izbytok = 0;
  // With the coil's losses: what its Q gives the circuit, where there is
  // one (valid data with a part).
  bool est_poteri = false;
  Poteri poteri{};
};

// Parses the entry and computes the missing pair for the circuit the
// command line describes: with a stray capacitance across it, with the
// coil's losses and, with a series, the standard parts for the computed L
// and C, of the tolerance `p.dopusk` in percent (0: the one the series is
// made for).
Otvet Reshit(const char* str, const Parametry& p);

// Whether the answer is no answer: invalid data, or no part beside the
// stray.
bool Neudacha(const Otvet& o);

// The answer as the report: the echo, then the parsed values and the
// report, or the invalid-data message.
void ZapisatTekst(Tekst& t, const Otvet& o);

// A quantity of a record for programs, or none: an invalid entry has no
// quantities, and a part the entry gave, or one with no neighbours, no
// standard parts.
struct Velichina {
  float x;
  bool est;
};

// The quantities of the record in the order of the fields after the entry
// and the code: L, C, F, R and, with a series, the eight of the standard
// parts, the four of the closest circuit of them and the ten ends of their
// bands; all but the tolerance, which the writers take from the answer.
// Returns how many there are.
std::size_t Velichiny(const Otvet& o, std::array<Velichina, POLYA.size()>& v);

// A field of the circuit as built, after the tolerance: its name, and its
// value or none. A float of the calculator is held exactly, and written as
// the float it is.
struct Dobavka {
  std::string_view imya;
  double x;
  bool est;
  bool odinarnoe;
};

// The fields of the circuit as built: with a stray, the stray (in every
// record, as the option gives it) and the circuit's capacitance, the one
// the circuit needs where there is no part; with the losses, those of
// POLYA_POTER. Empty for invalid data, and the losses' without a part.
// Returns how many there are.
std::size_t Dobavki(
    const Otvet& o,
    std::array<Dobavka, POLYA_PARAZITA.size() + POLYA_POTER.size()>& v);

// The answer as one CSV record, and the header line that comes first, with
// the fields the command line gives every record.
void ZapisatCsv(Tekst& t, const Otvet& o);
void ZagolovokCsv(Tekst& t, const Parametry& p);

// The answer as one JSON object on a line of its own.
void ZapisatJson(Tekst& t, const Otvet& o);

// The answer as the page's calculator shows it, one JSON object: the entry
// and its code; each quantity, given or computed, with its value, its text
// as the page writes it (Inzhenerno), that prefix's letter and the text with
// the unit, and what it is when it is no positive number (zero, inf, nan)
// or, for C, no part beside the stray; with a series, the tolerance, the
// neighbours of the computed parts and the pairs of them, each with its
// band (its ends, and the band as one text); with a stray, it and the
// circuit's capacitance, and the stray's excess where there is no part;
// with the losses, Q, the bandwidth, its edges at -3 dB as a band and the
// dynamic resistance, where there is a circuit; and the picture of the
// reactances against frequency: its axes' decades and the points of its
// two lines, computed by the calculator.
void ZapisatPokaz(const Otvet& o, std::FILE* out);

// What the page's lists offer, one JSON object: for each quantity a field
// may hold (RODY), its units, from the largest prefix down, each with its
// prefix's letter and its text (мкГн); the series with the tolerance each
// is graded for.
void ZapisatSpravochnik(Tekst& t);

// The tuning range: the design the command line asks for, as the report
// (the question, the ranges, the design or why there is none, the dial),
// then its circuits of standard parts; and as records for programs, the
// header, then the design (`i` = 0) or its i-th circuit of standard parts.
void ZapisatDiapazon(Tekst& t, const Sopryazhenie& o);
void ZapisatStandarty(Tekst& t, const Sopryazhenie& o);
void ZagolovokDiapazonaCsv(Tekst& t);
void ZapisatDiapazonCsv(Tekst& t, const Sopryazhenie& o, std::size_t i);
void ZapisatDiapazonJson(Tekst& t, const Sopryazhenie& o, std::size_t i);

// The tuning range as the page shows it, one JSON object: what was asked,
// whether there is a design ("design", "impossible" or "outside") and the
// page's words why there is none; the range of each part, each with its
// text; the design and, with a series, the circuits of standard parts, each
// with its parts, the band it tunes, whether that covers the band asked and
// its dial (the frequency at each tenth of the travel); and the round
// frequencies of the dial's picture. Every value with its text as the page
// writes it (ZnachenieStranicy).
void ZapisatDiapazonPokaz(const Sopryazhenie& o, std::FILE* out);

// What the page says of a value of its tuning range the command line
// refuses, by what was wrong (`o`): the option's name (band, variable,
// stray, coil, trimmer, padder, series), a NUL and the page's words why.
// False, with nothing written, for anything else: the page gives no such
// command line.
bool ZapisatOtkazDiapazona(Tekst& t, Oshibka o);

// Why there is no design, in words, the line ended: the band the variable
// covers, or the range of the part chosen.
void ZapisatProval(Tekst& t, const Sopryazhenie& o);

// Answers the tuning range the command line asks for, in its format; where
// there is no design, says why (in CSV and JSON on standard error). Returns
// the exit status: 1 when there is no design or the output failed.
int OtvetitDiapazon(Terminal& t, const Parametry& p);
// The quantity a field of the page holds, by the name the page gives it
// (henry, farad, hertz, ohm, percent, number); null for any other.
const Rod* NaitiRod(std::string_view imya);

// The prefix of the page's lists with this letter; null for any other.
const Pristavka* NaitiPristavku(std::string_view bukva);

// How the page wrote a value: in which prefix (the one without a letter for
// a power of ten) and whether as a word (zero, infinite, undefined).
struct Napisano {
  const Pristavka* pristavka;
  bool slovo;
};

// Writes `x`, a value of `rod`, as the page shows it, without its unit:
// six significant digits in the prefix `v` or, when it is null, in the one
// that puts 1 to 999 before the comma (750,264 with kilo), past tera and
// atto as a power of ten (1,59155·10⁻³¹); zero, infinite and undefined as
// words. A quantity without prefixes is written without one. With
// `tochno`, as many digits as the float nearest `x` needs to be read back.
Napisano Inzhenerno(Tekst& t, double x, const Rod& rod, const Pristavka* v,
                    bool tochno = false);

// What Inzhenerno wrote of a value, `chislo`, with its prefix and the unit
// of `rod` after a space (750,264 кГц); a word alone.
void SEdinicei(Tekst& t, std::string_view chislo, Napisano n, const Rod& rod);

// A value of `rod` in a record of the page's, without its braces: "x", the
// value as the shortest text that reads back as the same float (or
// double); "t", its number as Inzhenerno writes it; "p", that prefix's
// letter; "s", the number with the unit (SEdinicei).
void ZnachenieStranicy(Tekst& t, float x, const Rod& rod);
void ZnachenieStranicy(Tekst& t, double x, const Rod& rod);

// Two values of `rod`, the ends of a band or a range, as the page writes
// them, in `a` and `b`: the first without its unit where both take the same
// prefix (6,67388 and 8,15697 МГц), else each with its own.
void DvaZnacheniya(Tekst& a, Tekst& b, double ot, double doo, const Rod& rod);

// What the page's field of `rod` holds, read from its text `tekst`: the
// number with the prefix and unit written after it, in the letter code of
// parts (4n7, 2R2) or as the page writes a power of ten, spaces around it
// and between thousands; without a unit, in the field's own prefix
// `svoya`.
enum class Prochteno {
  // Writes the prefix's letter, a NUL and the number as the program's reader
  // takes it, with one of its letters (1,5 ТГц: T, then 1500G).
  Chislo = 0,
  // Nothing but spaces: writes the field's own prefix's letter and a NUL.
  Pusto = 1,
  // Writes what is wrong, in the page's words.
  Oshibka = 2,
  // As Chislo, for a number whose text names no prefix and no unit: it is
  // read in the field's own.
  VSvoei = 3,
};
Prochteno ChitatPole(std::string_view tekst, const Rod& rod,
                     std::string_view svoya, Tekst& t);

// Bytes as the warnings quote them, as many as a warning quotes: each
// character as it is, a control character, an invisible one and bytes that
// are no UTF-8 by their code; and `…` after them when more is left out.
void Citata(Tekst& t, std::string_view s, bool bolshe);

// Where nobody reads the echo: says on standard error what the reader
// dropped of the line it read last (`tip` its result, `str` what it kept)
// and what the parser drops of it, and that a q among other characters
// ended the input; and, while `podskazat` is set, that each argument is one
// entry, when an entry gives one quantity only (then clears it).
void Preduprezhdat(const Terminal& t, const Vhod& in, int tip, const char* str,
                   bool& podskazat);

// Answers the entries of `in` as the command line asks, until q or the end of
// the input: in the dialogue with the menu before every line and the pause
// after every answer. Returns the exit status: 1 when the input or the output
// failed (said so on standard error), or when an entry was invalid or had no
// part beside the stray outside the dialogue; else 0.
int Cikl(Terminal& t, Vhod& in, const Parametry& p);

// A coil measured from two resonances: the two entries as the reader kept
// them, the capacitance and frequency each gives (read in double
// precision), and what they give.
struct Izmerenie {
  std::array<const char*, 2> str{};
  std::array<double, 2> C{};
  std::array<double, 2> F{};
  Katushka katushka{};
};

// What is wrong with two readings that give no coil, in words: one
// frequency, or one capacitance; empty for none.
std::string_view Nesovmestimost(const Izmerenie& m);

// The coil measured from the two entries of `m.str`, into `m`: 0 once it
// is; the number of the first entry that gives no C and F above zero, both
// finite (1 or 2); or
// NESOVMESTIMY for readings that give no coil (Nesovmestimost says why).
constexpr int NESOVMESTIMY = 3;
int IzmeritKatushku(Izmerenie& m);

// The measurement as the report, as a CSV header and record, as a JSON
// object.
void ZapisatIzmerenieTekst(Tekst& t, const Izmerenie& m);
void ZapisatIzmerenieCsv(Tekst& t, const Izmerenie& m);
void ZapisatIzmerenieJson(Tekst& t, const Izmerenie& m);

// The coil measured from two readings as the page shows it, one JSON
// object, by what IzmeritKatushku gave (`itog`): its inductance and the
// stray capacitance across it, each as the answer's quantities are, and
// for a negative stray the words that flag it; or why there is none, in
// the page's words.
void ZapisatIzmereniePokaz(Tekst& t, const Izmerenie& m, int itog);

// Measures the coil from the two entries of `in` (until q or the end of the
// input) and writes it as the command line asks. Returns the exit status:
// for entries that are not two readings of C and F at different
// frequencies and capacitances, said so on standard error, 2 when they were
// the arguments, else 1; 1 when the input or the output failed; else 0.
int Zamer(Terminal& t, Vhod& in, const Parametry& p);

// Says on standard error what failed and why, in the program's own words
// where it has them; status 1.
int Failed(std::string_view what, int error);

// Says on standard error that the output failed and why; returns the exit
// status: 0 for a reader that went away (a broken pipe), else 1.
int WriteFailed();

// The program, started with the command line `argv`: does what it asks (the
// answers, the usage text or the version, or the message for an unknown
// option or value) in a session of the platform's. Returns the exit status:
// 2 for an unknown option or value.
int Programma(int argc, char** argv);
