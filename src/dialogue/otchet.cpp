#include "../arithmetic/arithmetic.h"
#include "../common/texts.h"
#include "dialogue.h"

void Otchet(Tekst& t, float* l, float* c, float* f, float* r, int tip) {
  Raschet(l, c, f, r, tip);
  Dobavit(t, RULE);
  Dobavit(t, HEADING);
  Pechat(t, PLAIN, {*f, *c, *l, *r});
  Dobavit(t, UNDERLINE);
  float* const order[] = {f, c, l, r};
  for (std::size_t i = 0; i < SCALED.size(); ++i) {
    const int raz = Preobr(order[i]);
    Pechat(t, SCALED[i], {*order[i], mnoj[static_cast<std::size_t>(raz)]});
  }
  Dobavit(t, CLOSING);
}
