// The standard parts of an answer: each neighbour of a computed part with
// the frequency it gives, its deviation and its band (#parts); with F and R
// given, the pairs of them in the program's order, the first to build, and
// that one's band below (#pairs). Every value as the core wrote it. Gives
// the bands the picture shows: the pairs' or, without pairs, the parts'.
const Detali = (edinicy, slova) => {
  const $ = (id) => document.getElementById(id);
  const headings = (table) => [...table.tHead.rows[0].cells].map((th) => th.textContent);
  // A row: its number, then each cell with its column's name for a narrow
  // screen, where a row is shown as a list; numbers to the right.
  const row = (table, i, cells) => {
    const names = headings(table);
    const tr = document.createElement('tr');
    const th = document.createElement('th');
    th.scope = 'row';
    th.textContent = String(i + 1);
    tr.append(th);
    cells.forEach((text, k) => {
      const td = document.createElement('td');
      td.textContent = text;
      td.dataset.label = names[k + 1];
      tr.append(td);
    });
    return tr;
  };
  const percent = (d) => `${d} %`;
  const tolerance = (otvet) => `±${otvet.tolerance} %`;

  return (otvet) => {
    const parts = otvet?.series ? otvet.parts : [];
    const pairs = otvet?.series ? otvet.pairs : [];
    $('parts-block').hidden = !otvet?.series;
    $('parts-none').hidden = parts.length > 0;
    $('parts').hidden = parts.length === 0;
    $('pairs-block').hidden = pairs.length === 0;
    if (otvet?.series) {
      $('parts-band').textContent = `${slova.get('band')} ${tolerance(otvet)}`;
    }
    $('parts').tBodies[0].replaceChildren(...parts.map((p, i) => row($('parts'), i, [
      `${p.part} ${p.where}`, edinicy.tekst(p.v, p.part), edinicy.tekst(p.f, 'F'), percent(p.dF),
      edinicy.polosa(p.band, 'F'),
    ])));
    $('pairs').tBodies[0].replaceChildren(...pairs.map((p, i) => row($('pairs'), i, [
      edinicy.tekst(p.L, 'L'), edinicy.tekst(p.C, 'C'), edinicy.tekst(p.F, 'F'), percent(p.dF),
      edinicy.tekst(p.R, 'R'), percent(p.dR),
    ])));
    $('pair-band').textContent = pairs.length === 0 ? ''
      : `${slova.get('pair-band')} ${tolerance(otvet)}: ${edinicy.polosa(otvet.pairBand, 'F')}`;
    return (pairs.length > 0 ? pairs : parts).map((p) => p.band);
  };
};
