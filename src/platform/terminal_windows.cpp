#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>

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

// Console input taken aside while the system's pause runs.
std::array<INPUT_RECORD, 4096> aside;

// Moves what waits in the console's input to `aside`, from `n` on, keeping
// its last place free; returns where it ends.
DWORD TakeAside(HANDLE in, DWORD n) {
  DWORD waiting = 0;
  DWORD taken = 0;
  if (n + 1 < aside.size() &&
      GetNumberOfConsoleInputEvents(in, &waiting) != 0 && waiting > 0) {
    ReadConsoleInputW(in, aside.data() + n,
                      std::min<DWORD>(waiting, aside.size() - 1 - n), &taken);
  }
  return n + taken;
}

// A press (or a release) of a key that types a character.
bool Typed(const INPUT_RECORD& r, bool down) {
  return r.EventType == KEY_EVENT && (r.Event.KeyEvent.bKeyDown != 0) == down &&
         r.Event.KeyEvent.uChar.UnicodeChar != 0;
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
  const bool screen = IsConsole(_fileno(stdout));
  return {stdout, dialogue && screen, screen, 0, {}};
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
// redirected input instead, so it runs in an interactive session only. Keys
// already in the console's input when it begins (typed ahead, pasted) are
// the line reader's: they are taken aside while the pause waits for a key
// pressed after it began, then given back in their order. A paste into the
// pause is input too: the pause took the press of its first character, but
// that character's release is still waiting, with the others behind it, so
// the press goes back in front of them.
void Pause(const Terminal& t) {
  if (!t.interactive) {
    return;
  }
  const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  const DWORD before = TakeAside(in, 0);
  Run(t, "pause");
  DWORD n = TakeAside(in, before + 1);
  const auto rest = aside.begin() + before + 1;
  const auto end = aside.begin() + n;
  const auto press = [](const INPUT_RECORD& r) { return Typed(r, true); };
  if (rest < end && Typed(*rest, false) && std::any_of(rest + 1, end, press)) {
    aside[before] = *rest;
    aside[before].Event.KeyEvent.bKeyDown = TRUE;
  } else {
    std::move(rest, end, rest - 1);
    --n;
  }
  DWORD given = 0;
  if (n > 0) {
    WriteConsoleInputW(in, aside.data(), n, &given);
  }
}

void Clear(const Terminal& t) { Run(t, "cls"); }

// The texts are Windows-1251; a character it lacks is not made up.
std::size_t Znak(std::string_view utf8, char* out) {
  wchar_t wide[2];
  const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                    static_cast<int>(utf8.size()), wide, 2);
  BOOL lacks = FALSE;
  const int k = n > 0 ? WideCharToMultiByte(CP_CYRILLIC, WC_NO_BEST_FIT_CHARS,
                                            wide, n, out, 4, nullptr, &lacks)
                      : 0;
  return lacks == FALSE && k > 0 ? static_cast<std::size_t>(k) : 0;
}

// The C runtime turns a pipe closed at the other end into an error number of
// its own choosing; the system's error says what happened.
const char* SystemReason(int error) { return std::strerror(error); }

bool ReaderGone() {
  const DWORD error = GetLastError();
  return errno == EPIPE || error == ERROR_NO_DATA ||
         error == ERROR_BROKEN_PIPE || error == ERROR_PIPE_NOT_CONNECTED;
}
