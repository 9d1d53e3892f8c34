// A whole session fed through the dialogue, as a pipe would feed it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "dialogue/dialogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  static std::FILE* const sink = std::fopen("/dev/null", "w");
  std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
  if (in == nullptr || sink == nullptr) {
    return 0;
  }
  if (Dialog(Terminal{in, sink, false, 0}) != 0) {
    std::abort();
  }
  std::fclose(in);
  return 0;
}
