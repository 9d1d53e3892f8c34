#include "signals_posix.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace {

// What the handlers need: the terminal, its modes as found and as the
// program has them, a way to write to it that never waits, and what
// happened since the program last looked.
int tty = -1;
termios found{};
termios own{};
int eol = -1;
volatile std::sig_atomic_t continued = 0;
volatile std::sig_atomic_t resized = 0;

constexpr int ENDING[] = {SIGINT, SIGQUIT, SIGTERM, SIGHUP};

// Catches `sig` unless the session ignores it (under nohup, say). Calls in
// progress resume after the handler; waits do not, so a waiting key reader
// sees the signal.
void Catch(int sig, void (*handler)(int)) {
  struct sigaction before = {};
  sigaction(sig, nullptr, &before);
  if (before.sa_handler == SIG_IGN) {
    return;
  }
  struct sigaction action = {};
  action.sa_handler = handler;
  action.sa_flags = SA_RESTART;
  sigaction(sig, &action, nullptr);
}

// The terminal is the program's to set while its process group is the
// terminal's foreground group. From the background a change of modes (or a
// write, under `stty tostop`) would stop the program instead.
bool Foreground() { return tcgetpgrp(tty) == getpgrp(); }

// The modes as found and a line end for the shell's prompt, in the
// foreground, then the signal's own action: the program ends by it as it
// would have, in the background too. Nothing here waits for the terminal,
// not even when the user stopped its output (Ctrl-S).
extern "C" void RestoreAndEnd(int sig) {
  if (Foreground()) {
    tcsetattr(tty, TCSANOW, &found);
    const char line_end = '\n';
    [[maybe_unused]] const ssize_t written = write(eol, &line_end, 1);
  }
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

// The modes as found while the program is stopped.
extern "C" void Stop(int /*sig*/) {
  const int saved_errno = errno;
  if (Foreground()) {
    tcsetattr(tty, TCSANOW, &found);
  }
  std::signal(SIGTSTP, SIG_DFL);
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGTSTP);
  sigprocmask(SIG_UNBLOCK, &stop, nullptr);
  std::raise(SIGTSTP);
  sigprocmask(SIG_BLOCK, &stop, nullptr);
  Catch(SIGTSTP, Stop);
  errno = saved_errno;
}

// The program's own modes again, and a note for the redraw, once it is
// continued in the foreground (fg); continued in the background (bg), it
// leaves the terminal to the shell.
extern "C" void Continue(int /*sig*/) {
  const int saved_errno = errno;
  if (Foreground()) {
    tcsetattr(tty, TCSANOW, &own);
    continued = 1;
  }
  errno = saved_errno;
}

extern "C" void Resize(int /*sig*/) { resized = 1; }

}  // namespace

void SignalsOpen(int fd) {
  if (tcgetattr(fd, &found) != 0) {
    return;
  }
  tty = fd;
  own = found;
  // A separate opening of the terminal: not waiting on it changes nothing
  // for the program's own.
  const char* name = ttyname(STDOUT_FILENO);
  if (name != nullptr) {
    eol = open(name, O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  }
  for (const int sig : ENDING) {
    Catch(sig, RestoreAndEnd);
  }
  Catch(SIGTSTP, Stop);
  Catch(SIGCONT, Continue);
  Catch(SIGWINCH, Resize);
}

void KeepModes() {
  termios now{};
  if (tty < 0 || tcgetattr(tty, &now) != 0) {
    return;
  }
  sigset_t cont;
  sigset_t before;
  sigemptyset(&cont);
  sigaddset(&cont, SIGCONT);
  sigprocmask(SIG_BLOCK, &cont, &before);
  own = now;
  sigprocmask(SIG_SETMASK, &before, nullptr);
}

sigset_t HoldSignals() {
  sigset_t held;
  sigemptyset(&held);
  for (const int sig : ENDING) {
    sigaddset(&held, sig);
  }
  sigaddset(&held, SIGTSTP);
  sigset_t was;
  sigprocmask(SIG_BLOCK, &held, &was);
  return was;
}

void ReleaseSignals(const sigset_t& was) {
  sigprocmask(SIG_SETMASK, &was, nullptr);
}

bool Continued() {
  const bool was = continued != 0;
  continued = 0;
  return was;
}

bool Resized() {
  const bool was = resized != 0;
  resized = 0;
  return was;
}
