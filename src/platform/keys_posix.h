// How many bytes one key press sends on a terminal.
#pragma once

#include <cstddef>

// True once `key` (n bytes, n >= 1) holds a whole key: a plain byte, a UTF-8
// character, or an escape sequence (arrow, function and editing keys, Alt+key).
bool KeyComplete(const unsigned char* key, std::size_t n);
