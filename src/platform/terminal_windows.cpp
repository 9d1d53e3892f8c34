#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>

#include "terminal.h"

namespace {

// The texts are compiled to this code page.
constexpr unsigned int CP_CYRILLIC = 1251;

// The console's output code page as found, put back when the program ends.
unsigned int found = 0;

// A console, not a file, a pipe or the NUL device (which _isatty calls a
// character device too).
bool IsConsole(int fd) {
  DWORD mode = 0;
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
  return GetConsoleMode(handle, &mode) != 0;
}

// Ctrl-C, Ctrl-Break and the closing of the window end the program without
// returning through main; the console gets its code page back first. The
// system's own handling follows.
BOOL WINAPI PutCodePageBack(DWORD /*event*/) {
  SetConsoleOutputCP(found);
  return FALSE;
}

void Run(const Terminal& t, const char* command) {
  if (!t.interactive) {
    return;
  }
  std::fflush(t.out);
  (void)std::system(command);
}

}  // namespace

Terminal TerminalOpen(Input input) {
  std::setlocale(LC_ALL, "Russian");
  found = GetConsoleOutputCP();
  if (found != 0) {
    SetConsoleCtrlHandler(PutCodePageBack, TRUE);
    SetConsoleOutputCP(CP_CYRILLIC);
  }
  const bool reads = input != Input::None;
  const bool console_in = reads && IsConsole(_fileno(stdin));
  // Redirected input is read byte for byte, as on every other platform: a
  // Ctrl-Z byte in a file is no end of input and a CR is dropped by the reader.
  if (reads && !console_in) {
    _setmode(_fileno(stdin), _O_BINARY);
  }
  std::setvbuf(stdout, nullptr, _IOFBF, BUFSIZ);
  const bool dialogue = input == Input::Dialogue && console_in;
  return {stdout, dialogue && IsConsole(_fileno(stdout)), 0, {}};
}

void TerminalClose(const Terminal& /*t*/) {
  if (found != 0) {
    SetConsoleOutputCP(found);
  }
}

bool TerminalRead(Terminal& t, const char** begin, const char** end) {
  std::fflush(t.out);
  const int n = _read(_fileno(stdin), t.buffer, sizeof t.buffer);
  if (n > 0) {
    *begin = t.buffer;
    *end = t.buffer + n;
    return true;
  }
  // A closed standard input is no input at all, not a failed one.
  t.error = n < 0 && errno != EBADF ? errno : 0;
  return false;
}

// The system's own pause takes its key from the console. It would read
// redirected input instead, so it runs in an interactive session only.
void Pause(const Terminal& t) { Run(t, "pause"); }

void Clear(const Terminal& t) { Run(t, "cls"); }

// The C runtime turns a pipe closed at the other end into an error number of
// its own choosing; the system's error says what happened.
bool ReaderGone() {
  const DWORD error = GetLastError();
  return errno == EPIPE || error == ERROR_NO_DATA ||
         error == ERROR_BROKEN_PIPE || error == ERROR_PIPE_NOT_CONNECTED;
}
