#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <clocale>
#include <cstdlib>

#include "terminal.h"

namespace {

// The texts are compiled to this code page.
constexpr unsigned int CP_CYRILLIC = 1251;

// A console, not a file, a pipe or the NUL device (which _isatty calls a
// character device too).
bool IsConsole(std::FILE* stream) {
  DWORD mode = 0;
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  return GetConsoleMode(handle, &mode) != 0;
}

void Run(const Terminal& t, const char* command) {
  if (!t.interactive) {
    return;
  }
  std::fflush(t.out);
  (void)std::system(command);
}

}  // namespace

Terminal TerminalOpen(std::FILE* in, std::FILE* out) {
  std::setlocale(LC_ALL, "Russian");
  const unsigned int saved = GetConsoleOutputCP();
  SetConsoleOutputCP(CP_CYRILLIC);
  const bool console_in = IsConsole(in);
  // Redirected input is read byte for byte, as on every other platform: a
  // Ctrl-Z byte in a file is no end of input and a CR is dropped by the reader.
  if (!console_in) {
    _setmode(_fileno(in), _O_BINARY);
  }
  std::setvbuf(out, nullptr, _IOFBF, BUFSIZ);
  return {in, out, console_in && IsConsole(out), saved};
}

void TerminalClose(const Terminal& t) {
  if (t.saved != 0) {
    SetConsoleOutputCP(t.saved);
  }
}

// The system's own pause takes its key from the console. It would read
// redirected input instead, so it runs in an interactive session only.
void Pause(const Terminal& t) { Run(t, "pause"); }

void Clear(const Terminal& t) { Run(t, "cls"); }
