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
};

TEST(Razbor, TakesATolerance) {
  for (const Taken& t : TAKEN) {
    SCOPED_TRACE(Stroka(t.args));
    const Parametry p = Razobrat(t.args);
    ASSERT_EQ(p.deistvie, Deistvie::Otvety);
    EXPECT_EQ(p.dopusk, t.dopusk);
    EXPECT_EQ(p.format, t.format);
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
