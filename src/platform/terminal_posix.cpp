#include <langinfo.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstring>

#include "../common/texts.h"
#include "editor_posix.h"
#include "keys_posix.h"
#include "signals_posix.h"
#include "terminal.h"

namespace {

// One key at a time, not echoed; Ctrl-C and Ctrl-Z still act.
termios Raw(termios mode) {
  mode.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  mode.c_cc[VMIN] = 1;
  mode.c_cc[VTIME] = 0;
  return mode;
}

void ShowPause(std::FILE* out) {
  std::fwrite(PAUSE.data(), 1, PAUSE.size(), out);
  std::fflush(out);
}

// Waits for a key pressed after the pause began and takes it whole: a key
// that sends several bytes leaves none of them to the line reader. Bytes
// that come with the key are a paste, not a press: they end the pause and go
// to the reader with it. After a stop the pause is shown again and still
// waits.
void WaitForKey(std::FILE* out) {
  for (;;) {
    Key key{};
    const KeyRead got = ReadNewKey(STDIN_FILENO, key);
    if (got != KeyRead::Interrupted) {
      if (got == KeyRead::Key && MoreArriving(STDIN_FILENO)) {
        SetAside(key, STDIN_FILENO);
      }
      return;
    }
    if (Continued()) {
      ShowPause(out);
    }
  }
}

// Shows the prompt again once the program is continued while it waits for
// a line, until one can be read.
void AwaitLine(std::FILE* out) {
  pollfd p{STDIN_FILENO, POLLIN, 0};
  while (poll(&p, 1, -1) < 0 && errno == EINTR) {
    if (Continued()) {
      std::fwrite(PROMPT.data(), 1, PROMPT.size(), out);
      std::fflush(out);
    }
  }
}

bool editing = false;
// Standard input is a terminal, read plainly: keys arrive as the bytes they
// send, and the reader keeps none of an escape sequence.
bool keyboard = false;

// The user's own locale, so that what the C library says comes in the user's
// language. The program's texts are UTF-8, and the line editor measures them
// by the locale's characters: where the user's are not UTF-8, characters are
// handled as UTF-8 is, and every line stays in one encoding. Nothing written
// depends on the rest of the locale. Loading it takes longer than the rest of
// a start, so only the line editor and a failure's reason ask for it.
void UserLocale() {
  std::setlocale(LC_ALL, "");
  for (const char* name : {"C.UTF-8", "UTF-8"}) {
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) {
      return;
    }
    std::setlocale(LC_CTYPE, name);
  }
}

// Standard output that is no terminal is written in large pieces: a pipe or
// /dev/null would get 4 KiB at a time. Standard error in a file of its own
// is kept back as well, and goes out before standard output does: then
// each piece of standard output costs a write of the warnings too, and the
// pieces are four times as large.
constexpr std::size_t PIECE = 65536;
char out_buffer[4 * PIECE];
char err_buffer[PIECE];

// Standard output and standard error are one file (2>&1): written through
// one stream, the warnings keep their place among the answers.
bool OneFile() {
  struct stat out {};
  struct stat err {};
  return fstat(STDOUT_FILENO, &out) == 0 && fstat(STDERR_FILENO, &err) == 0 &&
         out.st_dev == err.st_dev && out.st_ino == err.st_ino;
}

// Standard input is a regular file: it can be looked at in place, and its
// offset moved.
bool RegularInput() {
  struct stat in {};
  return fstat(STDIN_FILENO, &in) == 0 && S_ISREG(in.st_mode);
}

}  // namespace

Terminal TerminalOpen(Input input) {
  // A closed pipe shows as a write error, which ends the dialogue; so does
  // a file grown to the size limit, and the history stays in memory.
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
  const bool screen = isatty(STDOUT_FILENO) != 0;
  const bool interactive =
      input == Input::Dialogue && isatty(STDIN_FILENO) != 0 && screen;
  std::FILE* warnings = OneFile() ? stdout : stderr;
  const std::size_t room = screen               ? BUFSIZ
                           : warnings == stdout ? PIECE
                                                : sizeof out_buffer;
  std::setvbuf(stdout, screen ? nullptr : out_buffer, _IOFBF, room);
  if (interactive) {
    UserLocale();
    SignalsOpen(STDIN_FILENO);
    editing = EditorOpen(stdout);
  } else if (warnings == stderr) {
    std::setvbuf(stderr, err_buffer, _IOFBF, sizeof err_buffer);
  }
  keyboard = !editing && isatty(STDIN_FILENO) != 0;
  Terminal t{stdout, warnings, interactive, screen, 0, {}};
  t.room = room;
  return t;
}

void TerminalClose(const Terminal& t) {
  EditorClose();
  std::fflush(t.warnings);
}

bool TerminalRead(Terminal& t, const char** begin, const char** end) {
  Flush(t);
  if (editing) {
    return EditorLine(begin, end, t.error);
  }
  for (;;) {
    // A line set aside was typed ahead or pasted into the pause: the
    // terminal did not show it at the prompt, the reader does.
    std::size_t n = TakeSetAside(t.buffer, sizeof t.buffer);
    const bool aside = n > 0;
    if (!aside) {
      if (keyboard) {
        AwaitLine(t.out);
      }
      const ssize_t got = read(STDIN_FILENO, t.buffer, sizeof t.buffer);
      // A closed standard input is no input at all, not a failed one.
      if (got == 0 || (got < 0 && errno == EBADF)) {
        return false;
      }
      if (got < 0 && errno != EINTR) {
        t.error = errno;
        return false;
      }
      n = got < 0 ? 0 : static_cast<std::size_t>(got);
    }
    if (keyboard) {
      n = DropEscapes(t.buffer, n);
    }
    if (aside) {
      Write(t, {t.buffer, n});
    }
    if (n > 0) {
      *begin = t.buffer;
      *end = t.buffer + n;
      return true;
    }
  }
}

std::size_t TerminalPeek(Terminal& /*t*/, std::size_t skip, char* to,
                         std::size_t n) {
  const off_t at = lseek(STDIN_FILENO, 0, SEEK_CUR);
  if (at < 0 || !RegularInput()) {
    return 0;
  }
  ssize_t got = 0;
  do {
    got = pread(STDIN_FILENO, to, n, at + static_cast<off_t>(skip));
  } while (got < 0 && errno == EINTR);
  return got > 0 ? static_cast<std::size_t>(got) : 0;
}

bool TerminalWaiting(const Terminal& /*t*/) {
  pollfd p{STDIN_FILENO, POLLIN, 0};
  return isatty(STDIN_FILENO) == 0 && !RegularInput() && poll(&p, 1, 0) > 0 &&
         (p.revents & POLLIN) != 0;
}

void TerminalLeave(Terminal& /*t*/, std::ptrdiff_t used) {
  if (used != 0 && RegularInput()) {
    lseek(STDIN_FILENO, static_cast<off_t>(used), SEEK_CUR);
  }
}

void Warn(const Terminal& t, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), t.warnings);
}

char** CommandLine(int& /*argc*/, char** argv) { return argv; }

void Pause(const Terminal& t) {
  if (!t.interactive) {
    return;
  }
  Continued();
  ShowPause(t.out);
  termios saved{};
  if (tcgetattr(STDIN_FILENO, &saved) == 0) {
    const termios raw = Raw(saved);
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    KeepModes();
    // What was typed before the pause began is the reader's, whole; the
    // pause waits for a key pressed after that, unless the input came
    // faster than it can be kept.
    if (SetAside(Key{}, STDIN_FILENO)) {
      WaitForKey(t.out);
    }
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    KeepModes();
  }
  std::fputc('\n', t.out);
}

void Clear(const Terminal& t) {
  if (t.interactive && editing) {
    EditorClear();
    std::fflush(t.out);
  }
}

bool ReaderGone() { return errno == EPIPE; }

// The texts are UTF-8, whatever the user's locale.
std::size_t Znak(std::string_view utf8, char* out) { return utf8.copy(out, 4); }

const char* SystemReason(int error) {
  UserLocale();
  return std::strerror(error);
}
