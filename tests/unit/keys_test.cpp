#include <gtest/gtest.h>

#include <string>

#include "platform/keys_posix.h"

namespace {

struct Key {
  std::string bytes;  // everything the key sends
  const char* name;
};

const Key KEYS[] = {
    {"a", "letter"},
    {"\n", "Enter"},
    {"\x1b[A", "Up"},
    {"\x1b[3~", "Delete"},
    {"\x1b[15~", "F5"},
    {"\x1b[1;5C", "Ctrl+Right"},
    {"\x1bOP", "F1"},
    {"\x1bx", "Alt+x"},
    {"\xd1\x84", "Cyrillic ef"},
    {"\xe2\x82\xac", "euro sign"},
    {"\xf0\x9f\x98\x80", "emoji"},
};

// A key is complete after its last byte, and not a byte before. (A lone
// Escape is never complete by its bytes: the pause ends it by a timeout.)
TEST(KeyComplete, TakesEachKeyWhole) {
  for (const Key& k : KEYS) {
    SCOPED_TRACE(k.name);
    const auto* b = reinterpret_cast<const unsigned char*>(k.bytes.data());
    for (std::size_t n = 1; n < k.bytes.size(); ++n) {
      EXPECT_FALSE(KeyComplete(b, n)) << "after " << n << " bytes";
    }
    EXPECT_TRUE(KeyComplete(b, k.bytes.size()));
  }
}

}  // namespace
