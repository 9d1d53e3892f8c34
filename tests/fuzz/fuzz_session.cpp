// A whole session fed through the dialogue, as a pipe would feed it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "dialogue/dialogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  static std::FILE* null = std::fopen("/dev/null", "w");
  static Terminal sink{null, null, false, false, 0, {}};
  if (sink.out == nullptr) {
    return 0;
  }
  const auto* text = reinterpret_cast<const char*>(data);
  Vhod in{text, text + size};
  if (Cikl(sink, in, Parametry{}) != 0) {
    std::abort();
  }
  return 0;
}
