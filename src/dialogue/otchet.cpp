#include "../arithmetic/arithmetic.h"
#include "../common/texts.h"
#include "dialogue.h"

void Otchet(std::FILE* out, float* l, float* c, float* f, float* r, int tip) {
  Raschet(l, c, f, r, tip);
  std::fputs(RULE.data(), out);
  std::fputs(HEADING, out);
  Pechat(out, PLAIN.data(), {*f, *c, *l, *r});
  std::fputs(UNDERLINE, out);
  float* const order[] = {f, c, l, r};
  for (std::size_t i = 0; i < SCALED.size(); ++i) {
    const int raz = Preobr(order[i]);
    Pechat(out, SCALED[i].data(),
           {*order[i], mnoj[static_cast<std::size_t>(raz)].data()});
  }
  std::fputs(CLOSING.data(), out);
}
