// The standard parts of an answer: each neighbour of a computed part with
// the frequency it gives, its deviation and its band (#parts); with F and R
// given, the pairs of them in the program's order, the first to build, and
// that one's band below (#pairs). Every value as the core wrote it. Gives
// the bands the picture shows: the pairs' or, without pairs, the parts'.
const Detali = (edinicy, slova) => {
  const $ = (id) => document.getElementById(id);
  // Puts the rows in a table, each with its number first, changing only
  // the cells that differ: a keystroke changes a few figures, not the
  // table. Each cell carries its column's name for a narrow screen, where a
  // row is shown as a list.
  const fill = (table, rows) => {
    const body = table.tBodies[0];
    const names = [...table.tHead.rows[0].cells].map((th) => th.textContent);
    while (body.rows.length > rows.length) {
      body.deleteRow(-1);
    }
    rows.forEach((cells, i) => {
      let tr = body.rows[i];
      if (!tr) {
        tr = body.insertRow();
        const th = document.createElement('th');
        th.scope = 'row';
        th.textContent = String(i + 1);
        tr.append(th);
        cells.forEach(() => tr.insertCell());
      }
      cells.forEach((text, k) => {
        const td = tr.cells[k + 1];
        if (td.textContent !== text) {
          td.textContent = text;
        }
        if (td.dataset.label !== names[k + 1]) {
          td.dataset.label = names[k + 1];
        }
      });
    });
  };
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
      `${p.part} ${p.where}`, edinicy.tekst(p.v, p.part), edinicy.tekst(p.f, 'F'), percent(p.dF),
      edinicy.polosa(p.band, 'F'),
    ]));
    fill($('pairs'), pairs.map((p) => [
      edinicy.tekst(p.L, 'L'), edinicy.tekst(p.C, 'C'), edinicy.tekst(p.F, 'F'), percent(p.dF),
      edinicy.tekst(p.R, 'R'), percent(p.dR),
    ]));
    $('pair-band').textContent = pairs.length === 0 ? ''
      : `${slova.get('pair-band')} ${tolerance(otvet)}: ${edinicy.polosa(otvet.pairBand, 'F')}`;
    return (pairs.length > 0 ? pairs : parts).map((p) => p.band);
  };
};
