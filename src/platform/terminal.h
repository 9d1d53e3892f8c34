// The platform layer: the only code that knows about terminals, consoles,
// code pages and locales.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

struct Terminal {
  std::FILE* out;
  // Where the warnings go: standard output's own stream when both outputs
  // are one file, so that each stands between the answers it belongs
  // between; else standard error.
  std::FILE* warnings;
  // Standard input and output are both a terminal: only then do the pause,
  // the clearing and the line editor act.
  bool interactive;
  // Standard output is a terminal: the shell's prompt that follows the
  // program wants a line of its own.
  bool screen;
  // Why standard input failed (the system's error number), 0 if it did not.
  int error;
  // A file or a pipe is read a chunk at a time.
  char buffer[16384];
  // How much output the output's buffer holds before it goes out, and how
  // much it may hold now: Write knows when output will go out.
  std::size_t room = BUFSIZ;
  std::size_t held = 0;
};

// What a session reads of standard input.
enum class Input {
  // Nothing: the entries are the arguments, or there are none to answer.
  None,
  // Lines as they come, even at a terminal: no line editor, no pause, no
  // clearing.
  Lines,
  // The dialogue: through the line editor when both ends are a terminal.
  Dialogue,
};

// Selects the locale and prepares a session that writes to standard output
// and reads what `input` says.
Terminal TerminalOpen(Input input);

// Gives the console back as the session found it.
void TerminalClose(const Terminal& t);

// Writes output: an answer, the menu, a header. Whenever output goes out,
// the warnings written before it have gone out first, so that on another
// file too none comes after the answer it belongs to; the output goes out
// when it fills its buffer.
void Write(Terminal& t, std::string_view bytes);

// Puts out the warnings, then the output; false when the output failed.
bool Flush(Terminal& t);

// Puts out everything written so far, warnings and answers, then takes in
// more of standard input: the next line the editor returns, or what one read
// of a file, a pipe or a console gives. False at the end of the input or when
// it failed (then `error` says why).
bool TerminalRead(Terminal& t, const char** begin, const char** end);

// What follows the input taken in, told without taking any of it: another
// reader (the shell, a program after this one) has all of it.
//
// Copies to `to` up to `n` bytes of standard input from `skip` bytes past
// what was taken in, where the input can be looked at in place: a regular
// file. Returns how many; 0 at its end, and where it cannot be looked at so.
std::size_t TerminalPeek(Terminal& t, std::size_t skip, char* to,
                         std::size_t n);

// Whether more of standard input waits where it cannot be looked at in
// place: of a pipe, whether any has arrived. Never at a terminal, whose next
// line is the shell's, nor of a regular file, which TerminalPeek looks at.
bool TerminalWaiting(const Terminal& t);

// Leaves standard input to whoever reads it after the session: a regular
// file's offset `used` bytes past what was taken in (before it when
// negative), just past the last byte the session used. Of a pipe or a
// terminal what was taken in is gone.
void TerminalLeave(Terminal& t, std::ptrdiff_t used);

// Writes a warning about the input where it keeps its place among the
// answers written so far and those that follow.
void Warn(const Terminal& t, std::string_view text);

// The words of the command line, `argc` of them, in UTF-8: as `argv` has
// them, or where the system hands a program its words in another encoding,
// from its own. Sets `argc` to how many there are.
char** CommandLine(int& argc, char** argv);

// Whether the write that failed last found its reader gone (a pipe closed at
// the other end): the reader wanted no more output, which is no failure.
bool ReaderGone();

// The system's own words for the error number `error`, in the user's
// language and in UTF-8 where the system has them so.
const char* SystemReason(int error);

// Writes the character `utf8`, one whole UTF-8 sequence, in the encoding
// the program's texts are written in to `out` (room for 4 bytes); returns
// how many bytes, 0 when that encoding has no such character.
std::size_t Znak(std::string_view utf8, char* out);

// Waits for one key press, in an interactive session only.
void Pause(const Terminal& t);

// Clears the screen and the scrollback, in an interactive session only.
void Clear(const Terminal& t);
