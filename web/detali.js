// The standard parts of an answer: each neighbour of a computed part with
// the frequency it gives, its deviation and its band (#parts); with F and R
// given, the pairs of them in the program's order, the first to build, and
// that one's band below (#pairs). Every value as the core wrote it. Gives
// the bands the picture shows, the pairs' or, without pairs, the parts',
// each named for its row.
const Detali = (slova) => {
  const $ = (id) => document.getElementById(id);
  // The rows of a table, each with its number first.
  const fill = (table, rows) => zapolnit(table, rows.map((cells, i) => [String(i + 1), ...cells]));
  const percent = (d) => `${d} %`;
  const tolerance = (otvet) => `±${otvet.tolerance} %`;

  return (otvet) => {
    const parts = otvet?.series ? otvet.parts : [];
    const pairs = otvet?.series ? otvet.pairs : [];
    // With L and C given there is nothing to fit, and the page says so.
    const given = otvet?.series && otvet.code === 1;
    $('parts-block').hidden = parts.length === 0 && !given;
    $('parts-none').hidden = !given;
    $('parts').hidden = parts.length === 0;
    $('pairs-block').hidden = pairs.length === 0;
    if (otvet?.series) {
      $('parts-band').textContent = `${slova.get('band')} ${tolerance(otvet)}`;
    }
    fill($('parts'), parts.map((p) => [
      `${p.part} ${p.where}`, p.v.s, p.f.s, percent(p.dF), p.band.s,
    ]));
    fill($('pairs'), pairs.map((p) => [p.L.s, p.C.s, p.F.s, percent(p.dF), p.R.s, percent(p.dR)]));
    $('pair-band').textContent = pairs.length === 0 ? ''
      : `${slova.get('pair-band')} ${tolerance(otvet)}: ${otvet.pairBand.s}`;
    return pairs.length > 0
      ? pairs.map((p, i) => ({ band: p.band, name: `${i + 1}: ${p.L.s}, ${p.C.s}` }))
      : parts.map((p, i) => ({ band: p.band, name: `${i + 1}: ${p.part} ${p.where}, ${p.v.s}` }));
  };
};
