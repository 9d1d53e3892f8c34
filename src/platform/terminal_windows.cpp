#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

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

// Standard output that is no console is written in large pieces: a pipe or
// NUL would get 4 KiB at a time. Standard error in a file of its own
// is kept back as well, and goes out before standard output does: then
// each piece of standard output costs a write of the warnings too, and the
// pieces are four times as large.
constexpr std::size_t PIECE = 65536;
char out_buffer[4 * PIECE];
char err_buffer[PIECE];

HANDLE Handle(std::FILE* f) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(f)));
}

// A file on a disk can be looked at in place: read, then the file pointer
// set back.
bool OnDisk() { return GetFileType(Handle(stdin)) == FILE_TYPE_DISK; }

// Whether standard output and standard error are one file. The system tells
// it of files on a disk only: of a pipe, a console or the NUL device it is
// not known.
enum class Odin { Da, Net, Neizvestno };
Odin OneFile() {
  BY_HANDLE_FILE_INFORMATION out{};
  BY_HANDLE_FILE_INFORMATION err{};
  const HANDLE o = Handle(stdout);
  const HANDLE e = Handle(stderr);
  if (GetFileType(o) != FILE_TYPE_DISK || GetFileType(e) != FILE_TYPE_DISK ||
      GetFileInformationByHandle(o, &out) == 0 ||
      GetFileInformationByHandle(e, &err) == 0) {
    return Odin::Neizvestno;
  }
  const bool same = out.dwVolumeSerialNumber == err.dwVolumeSerialNumber &&
                    out.nFileIndexHigh == err.nFileIndexHigh &&
                    out.nFileIndexLow == err.nFileIndexLow;
  return same ? Odin::Da : Odin::Net;
}

// Where it is not known, a warning keeps its place by the answers before it
// going out first and the warning itself at once.
bool around = false;

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
  const bool dialogue = input == Input::Dialogue && console_in;
  const bool screen = IsConsole(_fileno(stdout));
  const Odin one = OneFile();
  const std::size_t room = screen             ? BUFSIZ
                           : one != Odin::Net ? PIECE
                                              : sizeof out_buffer;
  std::setvbuf(stdout, screen ? nullptr : out_buffer, _IOFBF, room);
  if (one == Odin::Net) {
    std::setvbuf(stderr, err_buffer, _IOFBF, sizeof err_buffer);
  }
  around = one == Odin::Neizvestno;
  Terminal t{
      stdout, one == Odin::Da ? stdout : stderr, dialogue && screen, screen, 0,
      {}};
  t.room = room;
  return t;
}

void TerminalClose(const Terminal& t) {
  std::fflush(t.warnings);
  if (found != 0) {
    SetConsoleOutputCP(found);
  }
}

bool TerminalRead(Terminal& t, const char** begin, const char** end) {
  Flush(t);
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

std::size_t TerminalPeek(Terminal& /*t*/, std::size_t skip, char* to,
                         std::size_t n) {
  const int in = _fileno(stdin);
  const long long at = _lseeki64(in, 0, SEEK_CUR);
  if (at < 0 || !OnDisk() ||
      _lseeki64(in, at + static_cast<long long>(skip), SEEK_SET) < 0) {
    return 0;
  }
  const int got =
      _read(in, to, static_cast<unsigned int>(std::min<std::size_t>(n, 65536)));
  _lseeki64(in, at, SEEK_SET);
  return got > 0 ? static_cast<std::size_t>(got) : 0;
}

// Of a pipe what is in it now, left in it; a console's next line is the
// shell's.
bool TerminalWaiting(const Terminal& /*t*/) {
  const HANDLE in = Handle(stdin);
  DWORD waiting = 0;
  return GetFileType(in) == FILE_TYPE_PIPE &&
         PeekNamedPipe(in, nullptr, 0, nullptr, &waiting, nullptr) != 0 &&
         waiting > 0;
}

void TerminalLeave(Terminal& /*t*/, std::ptrdiff_t used) {
  if (used != 0 && OnDisk()) {
    _lseeki64(_fileno(stdin), used, SEEK_CUR);
  }
}

void Warn(const Terminal& t, std::string_view text) {
  if (around) {
    std::fflush(t.out);
  }
  std::fwrite(text.data(), 1, text.size(), t.warnings);
  if (around) {
    std::fflush(t.warnings);
  }
}

// The C runtime hands a program its words in the system's code page for
// programs, which has no letters of most languages; the system keeps them
// whole in UTF-16.
char** CommandLine(int& argc, char** argv) {
  int n = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &n);
  if (wide == nullptr) {
    return argv;
  }
  static std::vector<std::string> words(static_cast<std::size_t>(n));
  static std::vector<char*> pointers(static_cast<std::size_t>(n) + 1);
  for (std::size_t i = 0; i < words.size(); ++i) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0,
                                         nullptr, nullptr);
    words[i].resize(static_cast<std::size_t>(std::max(size, 1)));
    WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, words[i].data(), size, nullptr,
                        nullptr);
    pointers[i] = words[i].data();
  }
  LocalFree(wide);
  argc = n;
  return pointers.data();
}

// How often the console's input is looked at while the pause runs: far more
// often than a person presses keys.
constexpr DWORD WATCH_MS = 1;

// Whether a typed key is pressed among the console input waiting now, from
// its record `first` on.
bool Pressed(HANDLE in, DWORD first) {
  std::array<INPUT_RECORD, 64> waiting{};
  DWORD n = 0;
  PeekConsoleInputW(in, waiting.data(), waiting.size(), &n);
  return n > first &&
         std::any_of(waiting.begin() + first, waiting.begin() + n,
                     [](const INPUT_RECORD& r) { return Typed(r, true); });
}

// Runs the system's pause and watches the console's input meanwhile: a paste
// arrives at once, so the keys pressed with the one that ended the pause
// are waiting as soon as it has taken that one; a person's next key comes
// later. That moment is when the waiting input shrinks; when input is first
// seen, its first record may be the press the pause has yet to take. A busy
// machine may let the pause take its key and end between two looks: then
// what waits as it ends decides. True when the pause ended with a paste.
bool PauseEndedByPaste(const Terminal& t, HANDLE in) {
  std::fflush(t.out);
  STARTUPINFOW start{};
  start.cb = sizeof start;
  PROCESS_INFORMATION pause{};
  wchar_t command[] = L"cmd.exe /c pause";
  if (CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr,
                     nullptr, &start, &pause) == 0) {
    return false;
  }
  bool pasted = false;
  bool shrank = false;
  // Until it shrinks, the waiting input only grows: none was seen while
  // `was` is 0.
  DWORD was = 0;
  while (!shrank &&
         WaitForSingleObject(pause.hProcess, WATCH_MS) == WAIT_TIMEOUT) {
    DWORD now = 0;
    GetNumberOfConsoleInputEvents(in, &now);
    shrank = now < was;
    if (shrank || (now > 0 && was == 0)) {
      pasted = Pressed(in, 1);
    }
    was = now;
  }
  WaitForSingleObject(pause.hProcess, INFINITE);
  if (!shrank) {
    pasted = pasted || Pressed(in, 0);
  }
  CloseHandle(pause.hProcess);
  CloseHandle(pause.hThread);
  return pasted;
}

// The system's own pause takes its key from the console. It would read
// redirected input instead, so it runs in an interactive session only. Keys
// already in the console's input when it begins (typed ahead, pasted) are
// the line reader's: they are taken aside while the pause waits for a key
// pressed after it began, then given back in their order. A paste into the
// pause is input too: the pause took the press of its first character, but
// that character's release is still waiting, with the others behind it, so
// the press goes back in front of them. A key typed after the one that
// ended the pause is no paste: that key stays out of the entry.
void Pause(const Terminal& t) {
  if (!t.interactive) {
    return;
  }
  const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  const DWORD before = TakeAside(in, 0);
  const bool pasted = PauseEndedByPaste(t, in);
  DWORD n = TakeAside(in, before + 1);
  const auto rest = aside.begin() + before + 1;
  const auto end = aside.begin() + n;
  if (pasted && rest < end && Typed(*rest, false)) {
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
