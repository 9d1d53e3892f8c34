// A quantity as the page writes it: the core's text of its value, then the
// short name of its prefix and the unit, both as the core has them
// (4,5 мкГн).
const Edinicy = (spravka, slova) => {
  const imena = new Map(spravka.prefixes.map((p) => [p.p, p.name]));
  // The prefixed unit of quantity `q` (L, C, F or R).
  const edinica = (q, p) => (imena.get(p) ?? p) + slova.get(`${q}-unit`);
  return {
    edinica,
    tekst: (v, q) => `${v.t} ${edinica(q, v.p)}`,
    polosa: (b, q) => `${b.from.t} – ${b.to.t} ${edinica(q, b.from.p)}`,
  };
};
