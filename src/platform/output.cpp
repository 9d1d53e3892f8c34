#include "terminal.h"

// Standard output goes out when it fills its buffer, `room` bytes (the bytes
// as written: a C runtime that makes CR LF of a line end does so as it puts
// them out); the warnings held back on a stream of their own go out first.

void Write(Terminal& t, std::string_view bytes) {
  // One stream for both keeps them in order by itself.
  if (t.warnings != t.out && t.held + bytes.size() > t.room) {
    Flush(t);
  }
  t.held += bytes.size();
  std::fwrite(bytes.data(), 1, bytes.size(), t.out);
}

bool Flush(Terminal& t) {
  std::fflush(t.warnings);
  t.held = 0;
  return std::fflush(t.out) == 0;
}
