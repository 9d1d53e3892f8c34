// Keys as a terminal sends them: one press may be several bytes.
#pragma once

#include <cstddef>

constexpr std::size_t KEY_MAX = 16;

struct Key {
  unsigned char bytes[KEY_MAX];
  std::size_t n;
};

// True once `key` (n bytes, n >= 1) holds a whole key: a plain byte, a UTF-8
// character, or an escape sequence (arrow, function and editing keys, Alt with
// any of these). A sequence runs to its final byte however long it is: only
// its first bytes and its last one decide.
bool KeyComplete(const unsigned char* key, std::size_t n);

// Drops every escape sequence from the n bytes of text at `text`, whole,
// except a line end that cuts one short; returns how many bytes remain.
std::size_t DropEscapes(char* text, std::size_t n);

enum class KeyRead { Key, Interrupted, End, Failed };

// Waits for one key and reads all of its bytes: first from the bytes set
// aside, then from the terminal `fd`. A signal that arrives while it waits
// for a key interrupts it, so that the caller can answer the signal (redraw
// after a stop, say) before it waits again; a signal between the bytes of
// one key does not. A key longer than KEY_MAX is still read to its end; it
// keeps its first bytes and its last. A UTF-8 lead byte followed by a byte
// that does not continue it is a key of its own, and no character; that
// byte begins the next key. End is the end of the input; Failed a read
// error, which errno tells.
KeyRead ReadKey(int fd, Key& key);

// The same, from the terminal only: a key pressed now, not one set aside.
KeyRead ReadNewKey(int fd, Key& key);

// True when more bytes arrive on `fd` right after a key, or came with it:
// the key was part of a paste, not a press of its own.
bool MoreArriving(int fd);

// Sets aside, after what is set aside already, the bytes of `key`, a byte
// that came with it, and then everything waiting on `fd` now: typed ahead or
// pasted, they belong to the line reader. False when not all of it fit.
bool SetAside(const Key& key, int fd);

// Moves the oldest set-aside line (or what there is of it), at most `room`
// bytes, to `to`; returns how many.
std::size_t TakeSetAside(char* to, std::size_t room);
