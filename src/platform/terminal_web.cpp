#include <array>
#include <cstring>

#include "terminal.h"
#include "terminal_web.h"

// In a page the session's standard input is what the page put in memory,
// and its standard output goes through the page's own system interface back
// to the page: no terminal, never a pause or a clearing.

namespace {

const char* input = nullptr;
const char* input_end = nullptr;

// Each write of standard output or error is a call into the page, which
// keeps the two apart: they come in large pieces, from the first text the
// page asks for on, and a warning costs no call of its own.
std::array<char, 65536> piece;
const int buffered = std::setvbuf(stdout, piece.data(), _IOFBF, piece.size());
std::array<char, 16384> warnings;
const int kept = std::setvbuf(stderr, warnings.data(), _IOFBF, warnings.size());

}  // namespace

void WebInput(const char* begin, const char* end) {
  input = begin;
  input_end = end;
}

Terminal TerminalOpen(Input /*input*/) {
  return {stdout, stderr, false, false, 0, {}};
}

void TerminalClose(const Terminal& t) {
  std::fflush(t.out);
  std::fflush(t.warnings);
}

// The page keeps the two apart: neither's order by the other's matters.
void Write(Terminal& t, std::string_view bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), t.out);
}

bool Flush(Terminal& t) {
  std::fflush(t.warnings);
  return std::fflush(t.out) == 0;
}

bool TerminalRead(Terminal& t, const char** begin, const char** end) {
  Flush(t);
  if (input == input_end) {
    return false;
  }
  *begin = input;
  *end = input_end;
  input = input_end;
  return true;
}

// The page puts the whole input in hand at once: nothing follows it.
std::size_t TerminalPeek(Terminal& /*t*/, std::size_t /*skip*/, char* /*to*/,
                         std::size_t /*n*/) {
  return 0;
}

bool TerminalWaiting(const Terminal& /*t*/) { return false; }

void TerminalLeave(Terminal& /*t*/, std::ptrdiff_t /*used*/) {}

void Warn(const Terminal& t, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), t.warnings);
}

char** CommandLine(int& /*argc*/, char** argv) { return argv; }

bool ReaderGone() { return false; }

// The page reads the texts as UTF-8.
std::size_t Znak(std::string_view utf8, char* out) { return utf8.copy(out, 4); }

const char* SystemReason(int error) { return std::strerror(error); }

void Pause(const Terminal& /*t*/) {}

void Clear(const Terminal& /*t*/) {}
