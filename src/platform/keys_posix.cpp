#include "keys_posix.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace {

constexpr unsigned char ESC = 0x1B;

// The bytes after the first of one key arrive together; a lone ESC is a key
// of its own once this long has passed without more.
constexpr int KEY_GAP_MS = 100;

// Bytes a UTF-8 character with this lead byte has in all.
std::size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF7) {
    return 4;
  }
  if (lead >= 0xE0) {
    return 3;
  }
  if (lead >= 0xC0) {
    return 2;
  }
  return 1;
}

// A control sequence (ESC [ ...) ends with a byte from @ to ~; parameters and
// intermediates lie below it.
bool CsiFinal(unsigned char b) { return b >= 0x40 && b <= 0x7E; }

}  // namespace

bool KeyComplete(const unsigned char* key, std::size_t n) {
  if (key[0] != ESC) {
    return n >= Utf8Length(key[0]);
  }
  if (n < 2) {
    return false;
  }
  if (key[1] == '[') {
    return n >= 3 && CsiFinal(key[n - 1]);
  }
  if (key[1] == 'O') {
    return n >= 3;
  }
  return true;
}

KeyRead ReadKey(int fd, Key& key) {
  // Unlike a read, a wait is never resumed after a signal's handler.
  pollfd p{fd, POLLIN, 0};
  const ssize_t first = poll(&p, 1, -1) < 0 ? -1 : read(fd, key.bytes, 1);
  if (first < 0) {
    return errno == EINTR ? KeyRead::Interrupted : KeyRead::Failed;
  }
  if (first == 0) {
    return KeyRead::End;
  }
  for (key.n = 1; key.n < KEY_MAX && !KeyComplete(key.bytes, key.n); ++key.n) {
    if (poll(&p, 1, KEY_GAP_MS) != 1 || read(fd, key.bytes + key.n, 1) != 1) {
      break;
    }
  }
  return KeyRead::Key;
}
