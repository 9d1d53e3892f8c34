// The coil measured from two resonances (#measure-block): two readings, each
// a known capacitor and the frequency the coil rings at with it, read by the
// core as the calculator's fields are; the core finds the coil's inductance
// and the stray capacitance across it, or says why it cannot, as the user
// types. `vzyat` takes the stray into the calculator: the button offers it
// where the core flags nothing about it.
const Zamer = (yadro, slova, novoe, vzyat) => {
  const $ = (id) => document.getElementById(id);
  // Each reading's fields, C then F: their kind and the unit each has at
  // first.
  const POKAZANIYA = [1, 2].map((i) => [[`measure-C${i}`, 'farad', 'p'], [`measure-F${i}`, 'hertz', 'M']]);
  const pole = POKAZANIYA.map((p) => p.map(([id, rod, own]) => Object.assign(novoe(id, rod, own), {
    note: $(`${id}-note`), marker: rod === 'farad' ? 'C' : 'F',
  })));
  const use = $('measure-use');
  let stray = null;

  const obnovit = () => {
    const chteno = pole.map((p) => p.map((f) => {
      const r = f.read();
      f.note.textContent = r.why ?? '';
      f.input.setAttribute('aria-invalid', String(r.why !== undefined));
      return r;
    }));
    const all = chteno.flat();
    const ready = all.every((c) => c.entry !== undefined);
    const r = ready ? yadro.zamer(chteno.map((p, i) => p.map((c, k) => c.entry + pole[i][k].marker).join(''))) : null;
    $('measure-L').textContent = r?.L?.s ?? '';
    $('measure-stray').textContent = r?.stray?.s ?? '';
    const net = all.some((c) => c.why !== undefined) ? 'fix' : ready ? 'too-long' : 'measure-enter';
    $('measure-note').textContent = r ? r.why ?? r.flag ?? '' : slova.get(net);
    stray = r?.stray && !r.flag ? r.stray : null;
    use.disabled = stray === null;
  };
  for (const f of pole.flat()) {
    f.input.addEventListener('input', obnovit);
    f.list.addEventListener('change', () => {
      f.own = f.list.value;
      obnovit();
    });
  }
  use.addEventListener('click', () => vzyat(stray));
  obnovit();
};
