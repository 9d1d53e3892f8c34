#include "keys_posix.h"

namespace {

constexpr unsigned char ESC = 0x1B;

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
