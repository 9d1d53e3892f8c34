#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogue/dialogue.h"

namespace {

// One call of the reader after another on the same input, until it quits.
struct Call {
  int result;
  std::string line;  // checked when the result is 0
};

struct Case {
  std::string input;
  std::vector<Call> calls;
  // Entries given as arguments, read instead of the input when there are any.
  std::vector<const char*> args = {};
};

const std::string D80(80, '7');
// An argument of a million line ends, then an entry.
const std::string LINE_ENDS = std::string(1000000, '\n') + "1uL1nC";

const Case CASES[] = {
    {"4,5ul\n", {{0, "4.5uL"}, {101, ""}}},
    {"4.5uL\n", {{0, "4.5uL"}, {101, ""}}},
    {"1 uF\n", {{0, "1uF"}, {101, ""}}},
    {"1kR\n", {{0, "1R"}, {101, ""}}},
    {"\n", {{0, ""}, {101, ""}}},
    {"GMKmunp gkUNPWQ LCFRlcfr\n", {{0, "GMKmunpLCFRLCFR"}, {101, ""}}},
    {"5w\n1L\n", {{100, ""}, {0, "1L"}, {101, ""}}},
    {"wq\n", {{100, ""}, {0, ""}, {101, ""}}},
    {"abcq\n1L\n", {{101, ""}}},
    {"1L\r\n2C\r\n", {{0, "1L"}, {0, "2C"}, {101, ""}}},
    {"w\r\n2L2C\r\n", {{100, ""}, {0, "2L2C"}, {101, ""}}},
    {"w\r1L\n", {{100, ""}, {0, "1L"}, {101, ""}}},
    {std::string("1\0L\xff\x80\xd0\xb9", 7) + "2C\n", {{0, "1L2C"}, {101, ""}}},
    {"\xff\n", {{0, ""}, {101, ""}}},
    {D80 + "123L\n", {{0, D80}, {101, ""}}},
    {D80 + "5w\n", {{100, ""}, {101, ""}}},
    {D80 + "1q\n", {{101, ""}}},
    // End of input: a last line without a line end still counts, once.
    {"4uL1nC", {{0, "4uL1nC"}, {101, ""}, {101, ""}}},
    {"xyz", {{0, ""}, {101, ""}}},
    {"", {{101, ""}, {101, ""}}},
    {"w", {{100, ""}, {101, ""}}},
    {"1L\nw", {{0, "1L"}, {100, ""}, {101, ""}}},
    // Each argument is one line, whatever line ends it holds; an empty one
    // is an empty line.
    {"", {{0, "1L1C"}, {0, ""}, {0, "2C"}, {101, ""}}, {"1L\n1C\n", "", "2c"}},
    {"", {{0, ""}, {0, "3R"}, {101, ""}}, {"\n", "3r"}},
    {"", {{0, "1uL1nC"}, {101, ""}}, {LINE_ENDS.c_str()}},
};

TEST(Vvod, ReadsNormalisesAndStops) {
  for (const Case& c : CASES) {
    SCOPED_TRACE("input: " + c.input);
    Vhod in{c.input.data(), c.input.data() + c.input.size()};
    std::vector<char*> args;
    for (const char* a : c.args) {
      args.push_back(const_cast<char*>(a));
    }
    args.push_back(nullptr);
    if (!c.args.empty()) {
      in = Vhod{};
      in.args = args.data();
    }
    for (const Call& expected : c.calls) {
      char str[LLL];
      std::fill(std::begin(str), std::end(str), '#');
      ASSERT_EQ(Vvod(in, str), expected.result);
      if (expected.result == 0) {
        EXPECT_EQ(std::string(str), expected.line);
      }
    }
  }
}

}  // namespace
