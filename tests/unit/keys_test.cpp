#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/keys_posix.h"

namespace {

struct Sent {
  std::string bytes;  // everything the key sends
  const char* name;
};

const Sent KEYS[] = {
    {"a", "letter"},
    {"\n", "Enter"},
    {"\x1b[A", "Up"},
    {"\x1b[3~", "Delete"},
    {"\x1b[15~", "F5"},
    {"\x1b[1;5C", "Ctrl+Right"},
    {"\x1b[2@", "a sequence ending in the lowest final byte"},
    {"\x1b[[C", "F3 on the text console"},
    {"\x1bOP", "F1"},
    {"\x1bO1;2P", "Shift+F1 with parameters"},
    {"\x1bx", "Alt+x"},
    {"\x1b\x1b[D", "Alt+Left"},
    {"\x1b\xd1\x84", "Alt+Cyrillic ef"},
    {"\x1b[1;2;3;4;5;6;7;8~", "a sequence longer than a key's buffer"},
    {"\xd1\x84", "Cyrillic ef"},
    {"\xe2\x82\xac", "euro sign"},
    {"\xf0\x9f\x98\x80", "emoji"},
};

// A key is complete after its last byte, and not a byte before. (A lone
// Escape is never complete by its bytes: the pause ends it by a timeout.)
TEST(KeyComplete, TakesEachKeyWhole) {
  for (const Sent& k : KEYS) {
    SCOPED_TRACE(k.name);
    const auto* b = reinterpret_cast<const unsigned char*>(k.bytes.data());
    for (std::size_t n = 1; n < k.bytes.size(); ++n) {
      EXPECT_FALSE(KeyComplete(b, n)) << "after " << n << " bytes";
    }
    EXPECT_TRUE(KeyComplete(b, k.bytes.size()));
  }
}

// Keys sent back to back are read one at a time; a key too long to keep is
// still read to its end, keeping its first bytes and its last.
TEST(ReadKey, ReadsKeysOneAfterAnother) {
  int p[2];
  ASSERT_EQ(pipe(p), 0);
  std::string all;
  for (const Sent& k : KEYS) {
    all += k.bytes;
  }
  ASSERT_EQ(write(p[1], all.data(), all.size()),
            static_cast<ssize_t>(all.size()));
  close(p[1]);
  Key key{};
  for (const Sent& k : KEYS) {
    SCOPED_TRACE(k.name);
    ASSERT_EQ(ReadKey(p[0], key), KeyRead::Key);
    const std::string kept =
        k.bytes.size() <= KEY_MAX
            ? k.bytes
            : k.bytes.substr(0, KEY_MAX - 1) + k.bytes.back();
    EXPECT_EQ(std::string(reinterpret_cast<char*>(key.bytes), key.n), kept);
  }
  EXPECT_EQ(ReadKey(p[0], key), KeyRead::End);
  close(p[0]);
}

// Bytes that are no UTF-8 (another encoding's letters, pasted): a lead byte
// without its continuation bytes is one key, and the bytes after it are read
// anew, never taken into it.
TEST(ReadKey, EndsABrokenCharacterAtTheByteThatDoesNotContinueIt) {
  const struct {
    std::string sent;
    std::vector<std::string> keys;
  } ROWS[] = {
      {"\xf0uL", {"\xf0", "u", "L"}},
      {"\xd0\n", {"\xd0", "\n"}},
      {"\xe2\x82nC", {"\xe2\x82", "n", "C"}},
      {"\xf0\xd1\x84", {"\xf0", "\xd1\x84"}},
      {"\xf0\x1b[A", {"\xf0", "\x1b[A"}},
      {"\x1b\xd1uL", {"\x1b\xd1", "u", "L"}},
  };
  for (const auto& row : ROWS) {
    SCOPED_TRACE(row.sent);
    int p[2];
    ASSERT_EQ(pipe(p), 0);
    ASSERT_EQ(write(p[1], row.sent.data(), row.sent.size()),
              static_cast<ssize_t>(row.sent.size()));
    close(p[1]);
    std::vector<std::string> keys;
    Key key{};
    while (ReadKey(p[0], key) == KeyRead::Key) {
      keys.emplace_back(reinterpret_cast<char*>(key.bytes), key.n);
    }
    close(p[0]);
    EXPECT_EQ(keys, row.keys);
  }
}

// A read that fails for any other reason than a signal is a failure, not a
// wait to try again.
TEST(ReadKey, FailsWhenTheReadFails) {
  const int directory = open(".", O_RDONLY | O_DIRECTORY);
  ASSERT_GE(directory, 0);
  Key key{};
  EXPECT_EQ(ReadKey(directory, key), KeyRead::Failed);
  close(directory);
}

// What the plain reader keeps of a line typed at a terminal.
TEST(DropEscapes, KeepsNoByteOfASequence) {
  const struct {
    std::string typed, kept;
  } LINES[] = {
      {"4.5uL10\x1b[C\x1b[A\x1b[3~nC\n", "4.5uL10nC\n"},
      {"1\x1b[[C\x1b\x1b[D\x1b[1;2;3;4;5;6;7;8~uC\n", "1uC\n"},
      // A line end is never part of a sequence, nor is what follows it.
      {"1uC\x1b\n1R\x1b[1\n", "1uC\n1R\n"},
      {"1uC\x1b[", "1uC"},
  };
  for (const auto& line : LINES) {
    SCOPED_TRACE(line.typed);
    std::string text = line.typed;
    text.resize(DropEscapes(text.data(), text.size()));
    EXPECT_EQ(text, line.kept);
  }
}

}  // namespace
