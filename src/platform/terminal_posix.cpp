#include <langinfo.h>
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

// Takes one whole key: a key that sends several bytes leaves none of them to
// the line reader. After a stop the pause is shown again and still waits.
void WaitForKey(std::FILE* out) {
  Key key{};
  while (ReadKey(STDIN_FILENO, key) == KeyRead::Interrupted) {
    if (Continued()) {
      ShowPause(out);
    }
  }
}

bool editing = false;

// The user's own locale, so that what the C library says comes in the user's
// language. The program's texts are UTF-8, and the line editor measures them
// by the locale's characters: where the user's are not UTF-8, characters are
// handled as UTF-8 is, and every line stays in one encoding. Nothing written
// depends on the rest of the locale.
void UserLocale() {
  std::setlocale(LC_ALL, "");
  for (const char* name : {"C.UTF-8", "UTF-8"}) {
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) {
      return;
    }
    std::setlocale(LC_CTYPE, name);
  }
}

}  // namespace

Terminal TerminalOpen(Input input) {
  UserLocale();
  // A closed pipe shows as a write error, which ends the dialogue.
  std::signal(SIGPIPE, SIG_IGN);
  std::setvbuf(stdout, nullptr, _IOFBF, BUFSIZ);
  const bool interactive = input == Input::Dialogue &&
                           isatty(STDIN_FILENO) != 0 &&
                           isatty(STDOUT_FILENO) != 0;
  if (interactive) {
    SignalsOpen(STDIN_FILENO);
    editing = EditorOpen(stdout);
  }
  return {stdout, interactive, 0, {}};
}

void TerminalClose(const Terminal& /*t*/) { EditorClose(); }

bool TerminalRead(Terminal& t, const char** begin, const char** end) {
  std::fflush(t.out);
  if (editing) {
    return EditorLine(begin, end, t.error);
  }
  for (;;) {
    const ssize_t n = read(STDIN_FILENO, t.buffer, sizeof t.buffer);
    if (n > 0) {
      *begin = t.buffer;
      *end = t.buffer + n;
      return true;
    }
    // A closed standard input is no input at all, not a failed one.
    if (n == 0 || errno == EBADF) {
      return false;
    }
    if (errno != EINTR) {
      t.error = errno;
      return false;
    }
  }
}

void Pause(const Terminal& t) {
  if (!t.interactive) {
    return;
  }
  ShowPause(t.out);
  termios saved{};
  if (tcgetattr(STDIN_FILENO, &saved) == 0) {
    const termios raw = Raw(saved);
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    WaitForKey(t.out);
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
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
