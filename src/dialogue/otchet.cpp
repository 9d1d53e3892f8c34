#include "dialogue.h"
#include "../arithmetic/arithmetic.h"
#include "../common/texts.h"

void Otchet(std::FILE* out, float* l, float* c, float* f, float* r, int tip) {
  Raschet(l, c, f, r, tip);
  std::fputs(RULE.data(), out);
  std::fputs(HEADING, out);
  Pechat(out, PLAIN.data(), static_cast<double>(*f), static_cast<double>(*c),
         static_cast<double>(*l), static_cast<double>(*r));
  std::fputs(UNDERLINE, out);
  float* const order[] = {f, c, l, r};
  for (std::size_t i = 0; i < SCALED.size(); ++i) {
    const int raz = Preobr(order[i]);
    Pechat(out, SCALED[i].data(), static_cast<double>(*order[i]),
           mnoj[static_cast<std::size_t>(raz)].data());
  }
  std::fputs(CLOSING.data(), out);
}
