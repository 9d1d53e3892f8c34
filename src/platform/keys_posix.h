// Keys as a terminal sends them: one press may be several bytes.
#pragma once

#include <cstddef>

constexpr std::size_t KEY_MAX = 16;

struct Key {
  unsigned char bytes[KEY_MAX];
  std::size_t n;
};

// True once `key` (n bytes, n >= 1) holds a whole key: a plain byte, a UTF-8
// character, or an escape sequence (arrow, function and editing keys, Alt+key).
bool KeyComplete(const unsigned char* key, std::size_t n);

enum class KeyRead { Key, Interrupted, End, Failed };

// Waits for one key on the terminal `fd` and reads all of its bytes. A signal
// that arrives while it waits interrupts it, so that the caller can answer
// the signal (redraw after a stop, say) before it waits again. End is the
// end of the input; Failed a read error, which errno tells.
KeyRead ReadKey(int fd, Key& key);
