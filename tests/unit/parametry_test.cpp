#include <gtest/gtest.h>

#include "dialogue/parametry.h"

namespace {

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
