#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogue/parametry.h"

namespace {

// The command line, after the program's name, as one string per argument.
Parametry Razobrat(const std::vector<std::string>& args) {
  std::vector<char*> argv{const_cast<char*>("rezonans")};
  for (const std::string& a : args) {
    argv.push_back(const_cast<char*>(a.c_str()));
  }
  argv.push_back(nullptr);
  return Razbor(static_cast<int>(argv.size() - 1), argv.data());
}

std::string Stroka(const std::vector<std::string>& args) {
  std::string line;
  for (const std::string& a : args) {
    line += a + " ";
  }
  return line;
}

struct Taken {
  std::vector<std::string> args;
  double dopusk;  // percent; 0 for the series' own
  Format format = Format::Text;
  double parazit = -1;     // farad; -1 for none
  double dobrotnost = -1;  // -1 for none, as for the loss in ohm
  double poteri = -1;
  bool izmerenie = false;
};

const Taken TAKEN[] = {
    {{"--series=E12", "--tolerance=2,5"}, 2.5},
    {{"--tolerance", "0.5", "--series", "E3"}, 0.5},
    {{"--series=E12", "--tolerance=99.9"}, 99.9},
    {{"--series=E12"}, 0},
    {{"--series=E12", "--tolerance=5%"}, 5},
    {{"--series=E12", "--tolerance", "2,5%"}, 2.5},
    {{"--series=E12", "--tolerance=99.99999"}, 99.99999},
    {{"--format=CSV"}, 0, Format::Csv},
    {{"--format", "Json"}, 0, Format::Json},
    {{"--stray=12,5p"}, 0, Format::Text, 12.5e-12},
    {{"--stray", "0"}, 0, Format::Text, 0},
    {{"--quality=120,5"}, 0, Format::Text, -1, 120.5},
    {{"--quality", "0.01"}, 0, Format::Text, -1, 0.01},
    {{"--loss=500mR"}, 0, Format::Text, -1, -1, 0.5},
    {{"--loss", "0"}, 0, Format::Text, -1, -1, 0},
    {{"--measure", "--format=csv"}, 0, Format::Csv, -1, -1, -1, true},
};

TEST(Razbor, TakesATolerance) {
  for (const Taken& t : TAKEN) {
    SCOPED_TRACE(Stroka(t.args));
    const Parametry p = Razobrat(t.args);
    ASSERT_EQ(p.deistvie, Deistvie::Otvety);
    EXPECT_EQ(p.dopusk, t.dopusk);
    EXPECT_EQ(p.format, t.format);
    EXPECT_EQ(p.est_parazit, t.parazit >= 0);
    EXPECT_EQ(p.est_parazit ? p.parazit : -1, t.parazit);
    EXPECT_EQ(p.est_dobrotnost ? p.dobrotnost : -1, t.dobrotnost);
    EXPECT_EQ(p.est_poteri ? p.poteri : -1, t.poteri);
    EXPECT_EQ(p.izmerenie, t.izmerenie);
  }
}

struct Refused {
  std::vector<std::string> args;
  Oshibka oshibka;
  const char* slovo;  // what the message names
};

// A percentage greater than 0 and less than 100, nothing else, and with a
// series only.
const Refused REFUSED[] = {
    {{"--series=E12", "--tolerance=0"}, Oshibka::Dopusk, "0"},
    {{"--series=E12", "--tolerance=100"}, Oshibka::Dopusk, "100"},
    {{"--series=E12", "--tolerance=150"}, Oshibka::Dopusk, "150"},
    {{"--series=E12", "--tolerance=-5"}, Oshibka::Dopusk, "-5"},
    {{"--series=E12", "--tolerance=1e3"}, Oshibka::Dopusk, "1e3"},
    {{"--series=E12", "--tolerance="}, Oshibka::Dopusk, ""},
    {{"--series=E12", "--tolerance=abc"}, Oshibka::Dopusk, "abc"},
    {{"--series=E12", "--tolerance=1,2,3"}, Oshibka::Dopusk, "1,2,3"},
    {{"--series=E12", "--tolerance=5%%"}, Oshibka::Dopusk, "5%%"},
    {{"--series=E12", "--tolerance=100.0"}, Oshibka::Dopusk, "100.0"},
    {{"--series=E12", "--tolerance=99.99999999999999"},
     Oshibka::Okruglenie,
     "99.99999999999999"},
    {{"--series=E12", "--tolerance"}, Oshibka::Znachenie, "--tolerance"},
    {{"--tolerance=5", "1L1C"}, Oshibka::BezRyada, "--tolerance=5"},
    // A stray capacitance as the program reads one, zero or more.
    {{"--stray=-5p"}, Oshibka::Parazit, "-5p"},
    {{"--stray="}, Oshibka::Parazit, ""},
    {{"--stray=12pF"}, Oshibka::Parazit, "12pF"},
    {{"--stray"}, Oshibka::Znachenie, "--stray"},
    // The tuning range: two different positive ends, one part chosen, the
    // band with the variable, and nothing the design leaves unused.
    {{"--band=530K", "--variable=10p-365p"}, Oshibka::Polosa, "530K"},
    {{"--band=1M-1M", "--variable=10p-365p"}, Oshibka::Polosa, "1M-1M"},
    {{"--band=0-1M", "--variable=10p-365p"}, Oshibka::Polosa, "0-1M"},
    {{"--band=1M-2M-3M", "--variable=10p-365p"}, Oshibka::Polosa, "1M-2M-3M"},
    {{"--band=1M-2MC", "--variable=10p-365p"}, Oshibka::Polosa, "1M-2MC"},
    {{"--band=1M-2M", "--variable=-10p"}, Oshibka::Peremennyi, "-10p"},
    {{"--band=1M-2M", "--variable=0-10p"}, Oshibka::Peremennyi, "0-10p"},
    {{"--band=1M-2M", "--variable=1p-2pF"}, Oshibka::Peremennyi, "1p-2pF"},
    {{"--band=1M-2M", "--variable=1p-2p", "--coil=5uC"},
     Oshibka::Katushka,
     "5uC"},
    {{"--band=1M-2M", "--variable=1p-2p", "--trimmer="}, Oshibka::Trimmer, ""},
    {{"--band=1M-2M", "--variable=1p-2p", "--padder", "x"},
     Oshibka::Padder,
     "x"},
    {{"--coil=5u", "--band=1M-2M", "--variable=1p-2p", "--padder", "5p"},
     Oshibka::DvaVybora,
     "--padder"},
    {{"--band=1M-2M", "--coil=5u"}, Oshibka::BezPary, "--band=1M-2M"},
    {{"--variable", "1p-2p"}, Oshibka::BezPary, "--variable"},
    {{"--trimmer=5p"}, Oshibka::VyborBezPolosy, "--trimmer=5p"},
    {{"--band=1M-2M", "--variable=1p-2p", "-"}, Oshibka::ZapisiDiapazona, "-"},
    {{"--band=1M-2M", "--variable=1p-2p", "--series=E6", "--tolerance=5"},
     Oshibka::DopuskDiapazona,
     "--tolerance=5"},
    // A Q above zero, a loss of zero or more, not both; nothing of a
    // circuit with a measurement of the coil.
    {{"--quality=0"}, Oshibka::Dobrotnost, "0"},
    {{"--quality=-5"}, Oshibka::Dobrotnost, "-5"},
    {{"--quality=5R"}, Oshibka::Dobrotnost, "5R"},
    {{"--loss=-1"}, Oshibka::Poteri, "-1"},
    {{"--loss="}, Oshibka::Poteri, ""},
    {{"--quality=50", "--loss", "2"}, Oshibka::DobrotnostIPoteri, "--loss"},
    {{"--loss=2", "--quality=50"}, Oshibka::DobrotnostIPoteri, "--quality=50"},
    {{"--stray=12p", "--measure"}, Oshibka::Izmerenie, "--stray=12p"},
    {{"--measure", "--series", "E12"}, Oshibka::Izmerenie, "--series"},
    {{"--measure", "--quality=50"}, Oshibka::Izmerenie, "--quality=50"},
    {{"--loss=0", "--measure"}, Oshibka::Izmerenie, "--loss=0"},
    {{"--measure=1"}, Oshibka::Parametr, "--measure=1"},
    // Nothing the tuning range has no use for.
    {{"--band=1M-2M", "--variable=1p-2p", "--quality=50"},
     Oshibka::SDiapazonom,
     "--quality=50"},
    {{"--measure", "--band=1M-2M", "--variable=1p-2p"},
     Oshibka::SDiapazonom,
     "--measure"},
};

TEST(Razbor, RefusesATolerance) {
  for (const Refused& r : REFUSED) {
    SCOPED_TRACE(Stroka(r.args));
    const Parametry p = Razobrat(r.args);
    ASSERT_EQ(p.deistvie, Deistvie::Oshibka);
    EXPECT_EQ(p.oshibka, r.oshibka);
    EXPECT_STREQ(p.slovo, r.slovo);
  }
}

struct Range {
  std::vector<std::string> args;
  Zadanie zadanie;
};

// The ends as given, either first; a quantity's marker in either case.
const Range RANGES[] = {
    {{"--band=530K-1,7M", "--variable=10p-365p"},
     {530e3, 1.7e6, 10e-12, 365e-12}},
    {{"--variable", "365pc-15pC", "--band", "6,2Mf-5,9MF", "--stray=25p"},
     {6.2e6, 5.9e6, 365e-12, 15e-12, 25e-12}},
    {{"--band=1M-2M", "--variable=1p-2p", "--coil=5ul", "--coil=6u"},
     {1e6, 2e6, 1e-12, 2e-12, 0, Vybor::Katushka, 6e-6}},
    {{"--trimmer=0", "--band=1M-2M", "--variable=1p-2p"},
     {1e6, 2e6, 1e-12, 2e-12, 0, Vybor::Trimmer, 0}},
    {{"--band=1M-2M", "--variable=1p-2p", "--padder=470pC", "--format=csv"},
     {1e6, 2e6, 1e-12, 2e-12, 0, Vybor::Padder, 470e-12}},
};

TEST(Razbor, TakesATuningRange) {
  for (const Range& r : RANGES) {
    SCOPED_TRACE(Stroka(r.args));
    const Parametry p = Razobrat(r.args);
    ASSERT_EQ(p.deistvie, Deistvie::Otvety);
    ASSERT_TRUE(p.diapazon);
    EXPECT_EQ(p.zapisi, nullptr);
    const Zadanie& z = p.zadanie;
    const Zadanie& w = r.zadanie;
    EXPECT_EQ(z.f_min, w.f_min);
    EXPECT_EQ(z.f_max, w.f_max);
    EXPECT_EQ(z.c_min, w.c_min);
    EXPECT_EQ(z.c_max, w.c_max);
    EXPECT_EQ(z.parazit, w.parazit);
    EXPECT_EQ(z.vybor, w.vybor);
    EXPECT_EQ(z.znachenie, w.znachenie);
  }
  EXPECT_FALSE(Razobrat({"--stray=5p", "1uL1nC"}).diapazon);
}

// A program may be started with no arguments at all, not even its name: its
// vector is one null pointer, and nothing past it is the parser's to write.
TEST(Razbor, TakesAnEmptyArgumentVector) {
  char guard[] = "guard";
  struct {
    char* argv[1];
    char* after;
  } v{{nullptr}, guard};
  const Parametry p = Razbor(0, v.argv);
  EXPECT_EQ(p.deistvie, Deistvie::Otvety);
  EXPECT_EQ(p.zapisi, nullptr);
  EXPECT_EQ(v.argv[0], nullptr);
  EXPECT_EQ(v.after, guard);
}

}  // namespace
