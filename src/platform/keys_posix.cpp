#include "keys_posix.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace {

constexpr unsigned char ESC = 0x1B;

// The bytes after the first of one key arrive together; a lone ESC is a key
// of its own once this long has passed without more.
constexpr std::chrono::milliseconds KEY_GAP{100};

// Bytes that follow a key this closely were sent with it: a paste. A key
// held down repeats far more slowly.
constexpr std::chrono::milliseconds PASTE_GAP{20};

// Bytes that reached the terminal before the program asked for them, oldest
// first: they wait here for the line reader. Room for everything the
// terminal itself holds, twice over.
unsigned char ahead[8192];
std::size_t ahead_begin = 0;
std::size_t ahead_end = 0;

// The byte that ended a broken UTF-8 character by not continuing it: the
// oldest byte not yet taken, with which the next key begins.
unsigned char held = 0;
bool holding = false;

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

// The parameter and intermediate bytes of a sequence; any other byte ends it.
bool Parameter(unsigned char b) { return b >= 0x20 && b <= 0x3F; }

// ESC before any other key than a sequence is that key with Alt: the key
// begins after it.
std::size_t AltPrefix(const unsigned char* key, std::size_t n) {
  std::size_t prefix = 0;
  while (n - prefix >= 2 && key[prefix] == ESC && key[prefix + 1] != '[' &&
         key[prefix + 1] != 'O') {
    ++prefix;
  }
  return prefix;
}

// Whether `b` may be the next byte of the key begun at `key`: after a UTF-8
// lead byte only a continuation byte is. Any other byte is no part of a
// broken character, but a key of its own.
bool Continues(const unsigned char* key, std::size_t n, unsigned char b) {
  const unsigned char first = key[AltPrefix(key, n)];
  return first < 0xC0 || (b >= 0x80 && b <= 0xBF);
}

// True when a byte arrives on `fd` within `wait`. A signal does not end the
// wait: it goes on for the time that was left.
bool Arrives(int fd, std::chrono::milliseconds wait) {
  const auto until = std::chrono::steady_clock::now() + wait;
  for (;;) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(
        until - std::chrono::steady_clock::now());
    pollfd p{fd, POLLIN, 0};
    const int ready = poll(
        &p, 1,
        static_cast<int>(std::max(left, std::chrono::milliseconds{0}).count()));
    if (ready >= 0 || errno != EINTR) {
      return ready > 0;
    }
  }
}

bool TakeAhead(unsigned char& b) {
  if (ahead_begin == ahead_end) {
    return false;
  }
  b = ahead[ahead_begin++];
  return true;
}

// The next byte of a key that has begun.
bool NextByte(int fd, bool aside, unsigned char& b) {
  return (aside && TakeAhead(b)) ||
         (Arrives(fd, KEY_GAP) && read(fd, &b, 1) == 1);
}

KeyRead Read(int fd, bool aside, Key& key) {
  if (holding) {
    key.bytes[0] = held;
    holding = false;
  } else if (!aside || !TakeAhead(key.bytes[0])) {
    // Unlike a read, a wait is never resumed after a signal's handler.
    pollfd p{fd, POLLIN, 0};
    const ssize_t first = poll(&p, 1, -1) < 0 ? -1 : read(fd, key.bytes, 1);
    if (first <= 0) {
      if (first == 0) {
        return KeyRead::End;
      }
      return errno == EINTR ? KeyRead::Interrupted : KeyRead::Failed;
    }
  }
  unsigned char b = 0;
  for (key.n = 1; !KeyComplete(key.bytes, key.n) && NextByte(fd, aside, b);) {
    if (!Continues(key.bytes, key.n, b)) {
      held = b;
      holding = true;
      break;
    }
    key.bytes[std::min(key.n, KEY_MAX - 1)] = b;
    key.n = std::min(key.n + 1, KEY_MAX);
  }
  return KeyRead::Key;
}

}  // namespace

bool KeyComplete(const unsigned char* key, std::size_t n) {
  const std::size_t prefix = AltPrefix(key, n);
  key += prefix;
  n -= prefix;
  if (key[0] != ESC) {
    return n >= Utf8Length(key[0]);
  }
  if (n < 3) {
    return false;
  }
  // ESC [ [ and a letter are the function keys of the text console.
  return !Parameter(key[n - 1]) && (n >= 4 || key[2] != '[' || key[1] != '[');
}

std::size_t DropEscapes(char* text, std::size_t n) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  std::size_t kept = 0;
  for (std::size_t i = 0; i < n;) {
    if (bytes[i] != ESC) {
      text[kept++] = text[i++];
      continue;
    }
    std::size_t length = 1;
    while (!KeyComplete(bytes + i, length) && i + length < n &&
           text[i + length] != '\n') {
      ++length;
    }
    i += length;
  }
  return kept;
}

KeyRead ReadKey(int fd, Key& key) { return Read(fd, true, key); }

KeyRead ReadNewKey(int fd, Key& key) { return Read(fd, false, key); }

bool MoreArriving(int fd) { return holding || Arrives(fd, PASTE_GAP); }

bool SetAside(const Key& key, int fd) {
  std::memmove(ahead, ahead + ahead_begin, ahead_end - ahead_begin);
  ahead_end -= ahead_begin;
  ahead_begin = 0;
  if (key.n + (holding ? 1 : 0) > sizeof ahead - ahead_end) {
    return false;
  }
  std::memcpy(ahead + ahead_end, key.bytes, key.n);
  ahead_end += key.n;
  if (holding) {
    ahead[ahead_end++] = held;
    holding = false;
  }
  pollfd p{fd, POLLIN, 0};
  while (poll(&p, 1, 0) > 0) {
    if (ahead_end == sizeof ahead) {
      return false;
    }
    const ssize_t n = read(fd, ahead + ahead_end, sizeof ahead - ahead_end);
    if (n <= 0) {
      break;
    }
    ahead_end += static_cast<std::size_t>(n);
  }
  return true;
}

std::size_t TakeSetAside(char* to, std::size_t room) {
  const unsigned char* from = ahead + ahead_begin;
  const unsigned char* end = ahead + ahead_end;
  const unsigned char* line_end =
      std::find(from, end, static_cast<unsigned char>('\n'));
  const std::size_t n =
      std::min(room, static_cast<std::size_t>(line_end - from) +
                         (line_end < end ? 1 : 0));
  std::memcpy(to, from, n);
  ahead_begin += n;
  return n;
}
