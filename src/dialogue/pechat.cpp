#include <algorithm>
#include <cstdarg>
#include <cstring>

#include "dialogue.h"

namespace {

// One number, left-aligned in `width` characters, with the decimal comma
// whatever locale the system offers. The padding is done here: one C runtime
// (MinGW's) drops it for exactly 100000.
void Chislo(std::FILE* out, double x, int width) {
  char buf[32];
  const int n = std::snprintf(buf, sizeof buf, "%g", x);
  if (n < 0) {
    return;
  }
  const auto len = std::min(static_cast<std::size_t>(n), sizeof buf - 1);
  std::replace(buf, buf + len, '.', ',');
  std::fwrite(buf, 1, len, out);
  for (int pad = width - static_cast<int>(len); pad > 0; --pad) {
    std::putc(' ', out);
  }
}

}  // namespace

// The report's formats use %-Ng, %s and %d only.
void Pechat(std::FILE* out, const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  for (const char* p = fmt; *p != '\0'; ++p) {
    const std::size_t text = std::strcspn(p, "%");
    std::fwrite(p, 1, text, out);
    p += text;
    if (*p == '\0') {
      break;
    }
    int width = 0;
    for (p += *(p + 1) == '-' ? 2 : 1; *p >= '0' && *p <= '9'; ++p) {
      width = width * 10 + (*p - '0');
    }
    if (*p == 'g') {
      Chislo(out, va_arg(args, double), width);
    } else if (*p == 's') {
      std::fputs(va_arg(args, const char*), out);
    } else if (*p == 'd') {
      std::fprintf(out, "%d", va_arg(args, int));
    }
  }
  va_end(args);
}
