#include <algorithm>
#include <cstring>

#include "dialogue.h"

namespace {

// One number, left-aligned in `width` characters, with the decimal comma
// whatever locale the system offers. The padding is done here: one C runtime
// (MinGW's) drops it for exactly 100000.
void Chislo(std::FILE* out, double x, int width) {
  char buf[48];
  const int n = std::snprintf(buf, sizeof buf, "%g", x);
  if (n < 0) {
    return;
  }
  auto len = std::min(static_cast<std::size_t>(n), sizeof buf - 1);
  std::replace(buf, buf + len, '.', ',');
  for (; len < static_cast<std::size_t>(width) && len < sizeof buf; ++len) {
    buf[len] = ' ';
  }
  std::fwrite(buf, 1, len, out);
}

}  // namespace

void Pechat(std::FILE* out, const char* fmt, std::initializer_list<Arg> args) {
  const Arg* arg = args.begin();
  for (const char* p = fmt; *p != '\0'; ++p) {
    const std::size_t text = std::strcspn(p, "%");
    std::fwrite(p, 1, text, out);
    p += text;
    if (*p == '\0' || arg == args.end()) {
      break;
    }
    int width = 0;
    for (p += *(p + 1) == '-' ? 2 : 1; *p >= '0' && *p <= '9'; ++p) {
      width = width * 10 + (*p - '0');
    }
    if (*p == 'g' && arg->kind == 'g') {
      Chislo(out, arg->number, width);
    } else if (*p == 's' && arg->kind == 's') {
      std::fputs(arg->text, out);
    } else if (*p == 'd' && arg->kind == 'd') {
      std::fprintf(out, "%d", arg->whole);
    }
    ++arg;
  }
}
