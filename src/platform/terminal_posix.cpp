#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <clocale>
#include <csignal>
#include <iterator>

#include "../common/texts.h"
#include "keys_posix.h"
#include "terminal.h"

namespace {

// The bytes after the first of one key arrive together; a lone ESC is a key
// of its own once this long has passed without more.
constexpr int KEY_GAP_MS = 100;

constexpr int KEY_MAX = 16;

constexpr int SIGNALS[] = {SIGINT, SIGTERM, SIGHUP};

// Echo and line editing back on, then the signal's own action. A handler can
// reach no saved state, so it turns back on what the pause turned off.
extern "C" void RestoreAndDie(int sig) {
  termios mode{};
  if (tcgetattr(STDIN_FILENO, &mode) == 0) {
    mode.c_lflag |= ICANON | ECHO;
    tcsetattr(STDIN_FILENO, TCSANOW, &mode);
  }
  const char eol = '\n';
  [[maybe_unused]] const ssize_t written = write(STDOUT_FILENO, &eol, 1);
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

// Takes one whole key: a key that sends several bytes leaves none of them to
// the line reader.
void ReadKey(int fd) {
  unsigned char key[KEY_MAX];
  if (read(fd, key, 1) != 1) {
    return;
  }
  for (std::size_t n = 1; n < KEY_MAX && !KeyComplete(key, n); ++n) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, KEY_GAP_MS) != 1 || read(fd, key + n, 1) != 1) {
      return;
    }
  }
}

using Dispositions = struct sigaction[std::size(SIGNALS)];

// While the terminal is in raw mode, the signals that end the program put it
// back first. A signal the session ignores (under nohup, say) stays ignored.
void CatchSignals(Dispositions& before) {
  struct sigaction restore = {};
  restore.sa_handler = RestoreAndDie;
  for (std::size_t i = 0; i < std::size(SIGNALS); ++i) {
    sigaction(SIGNALS[i], nullptr, &before[i]);
    if (before[i].sa_handler != SIG_IGN) {
      sigaction(SIGNALS[i], &restore, nullptr);
    }
  }
}

void ReleaseSignals(const Dispositions& before) {
  for (std::size_t i = 0; i < std::size(SIGNALS); ++i) {
    sigaction(SIGNALS[i], &before[i], nullptr);
  }
}

// One key at a time, not echoed; Ctrl-C still interrupts.
termios Raw(termios mode) {
  mode.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  mode.c_cc[VMIN] = 1;
  mode.c_cc[VTIME] = 0;
  return mode;
}

}  // namespace

Terminal TerminalOpen(std::FILE* in, std::FILE* out) {
  std::setlocale(LC_ALL, "Russian");
  // A closed pipe shows as a write error, which ends the dialogue.
  std::signal(SIGPIPE, SIG_IGN);
  std::setvbuf(out, nullptr, _IOFBF, BUFSIZ);
  const bool interactive = isatty(fileno(in)) != 0 && isatty(fileno(out)) != 0;
  return {in, out, interactive, 0};
}

void TerminalClose(const Terminal& /*t*/) {}

void Pause(const Terminal& t) {
  if (!t.interactive) {
    return;
  }
  std::fputs(PAUSE, t.out);
  std::fflush(t.out);
  const int fd = fileno(t.in);
  termios saved{};
  if (tcgetattr(fd, &saved) == 0) {
    Dispositions before{};
    CatchSignals(before);
    const termios raw = Raw(saved);
    tcsetattr(fd, TCSANOW, &raw);
    ReadKey(fd);
    tcsetattr(fd, TCSANOW, &saved);
    ReleaseSignals(before);
  }
  std::fputc('\n', t.out);
}

void Clear(const Terminal& t) {
  if (!t.interactive) {
    return;
  }
  // Cursor home, erase the screen, erase the scrollback.
  std::fputs("\033[H\033[2J\033[3J", t.out);
  std::fflush(t.out);
}
