// The tuning range's view: the band, the variable capacitor's two ends,
// the strays and at most one part chosen with its value, each field read by
// the core; as the user types, the core's answer: the range of each part
// and the design with the band it tunes (#range-design), with a series the
// circuits of standard parts (#range-parts), and the dial. The page hands
// the core the command line's own options, built from what it reads in the
// fields (530 and 1,7 МГц: --band=530K-1.7M), and shows what it answers.
const Diapazon = (yadro, slova) => {
  const $ = (id) => document.getElementById(id);
  const spravka = yadro.spravochnik();
  const novoe = Edinicy(yadro, spravka);
  const shkala = Shkala($('dial'), slova);
  const fixed = $('fixed');
  const fixedNote = $('fixed-note');
  const series = $('range-series');
  const seriesNote = $('range-series-note');
  // Each field: its kind, the unit it has at first and the option it gives
  // a value of.
  const POLYA = {
    'band-from': ['hertz', 'K', 'band'],
    'band-to': ['hertz', 'K', 'band'],
    'variable-min': ['farad', 'p', 'variable'],
    'variable-max': ['farad', 'p', 'variable'],
    'range-stray': ['farad', 'p', 'stray'],
  };
  const KONCY = ['band-from', 'band-to', 'variable-min', 'variable-max'];
  // The parts that may be chosen, by their options: the kind of the value
  // and its unit at first.
  const CHASTI = { coil: ['henry', 'u'], trimmer: ['farad', 'p'], padder: ['farad', 'p'] };
  const VALUE = 'fixed-value';
  const pole = {};
  const sozdat = (id, rod, own, spisok) => {
    pole[id] = Object.assign(novoe(id, rod, own, spisok), { note: $(`${id}-note`) });
  };
  for (const [id, [rod, own]] of Object.entries(POLYA)) {
    sozdat(id, rod, own);
  }
  sozdat(VALUE, ...CHASTI.coil, 'fixed-prefix');
  for (const s of spravka.series) {
    series.add(new Option(s.name, s.name));
  }

  // The value's field takes the chosen part's kind: a value of another
  // kind is no value of this part, and goes. Without a part it takes none.
  const vybrat = () => {
    const part = CHASTI[fixed.value];
    if (part && pole[VALUE].rod !== part[0]) {
      pole[VALUE].input.value = '';
      sozdat(VALUE, ...part, 'fixed-prefix');
    }
    pole[VALUE].input.disabled = !part;
    pole[VALUE].list.disabled = !part;
  };
  // The fields the answer reads.
  const aktivnye = () => [...Object.keys(POLYA), ...(CHASTI[fixed.value] ? [VALUE] : [])];
  const skazat = (id, why, wrong = why !== '') => {
    pole[id].note.textContent = why;
    pole[id].input.setAttribute('aria-invalid', String(wrong));
  };

  // What the core answers, in the tables and the dial; an answer that has
  // no design has the core's words why, and the ranges where it has them.
  const pokazat = (otvet, net) => {
    const ranges = otvet?.ranges;
    const d = otvet?.design;
    const padder = (c) => c.padder?.s ?? slova.get('no-padder');
    $('range-design').hidden = !ranges;
    zapolnit($('range-design'), ranges ? [
      [slova.get('coil'), ranges.L.s, d?.L.s ?? ''],
      [slova.get('trimmer'), ranges.trimmer.s, d?.trimmer.s ?? ''],
      [slova.get('padder'), ranges.padder.s, d ? padder(d) : ''],
      [slova.get('tuned'), otvet.band.s, d?.tuned.s ?? ''],
    ] : []);
    const standard = otvet?.standard ?? [];
    $('range-parts-block').hidden = standard.length === 0;
    zapolnit($('range-parts'), standard.map((s, i) => [String(i + 1), s.L.s, padder(s),
      s.trimmer?.s ?? slova.get('no-trimmer'), s.tuned.s, slova.get(s.covers ? 'covers' : 'short')]));
    shkala(otvet, otvet?.why ?? net);
  };

  // Computes what the fields ask and shows it; returns the summary. A value
  // the program refuses is said beside its field, or beside the second of
  // two ends.
  const obnovit = () => {
    const ids = aktivnye();
    const chteno = {};
    for (const id of ids) {
      chteno[id] = pole[id].read();
      skazat(id, chteno[id].why ?? '');
    }
    if (!ids.includes(VALUE)) {
      skazat(VALUE, '');
    }
    const wrong = ids.some((id) => chteno[id].why !== undefined);
    const e = (id) => chteno[id]?.entry;
    const ready = !wrong && KONCY.every((id) => e(id) !== undefined);
    const words = [`--band=${e('band-from')}-${e('band-to')}`, `--variable=${e('variable-min')}-${e('variable-max')}`];
    if (e('range-stray') !== undefined) {
      words.push(`--stray=${e('range-stray')}`);
    }
    if (e(VALUE) !== undefined) {
      words.push(`--${fixed.value}=${e(VALUE)}`);
    }
    if (series.value) {
      words.push(`--series=${series.value}`);
    }
    const r = ready ? yadro.diapazon(words) : null;
    if (r?.option) {
      const at = ids.filter((id) => (POLYA[id]?.[2] ?? fixed.value) === r.option);
      at.forEach((id, i) => skazat(id, i === at.length - 1 ? r.why : '', true));
    }
    const otvet = r?.result ? r : null;
    // A part chosen outside its range: the words why are its field's too.
    if (otvet?.result === 'outside') {
      skazat(VALUE, otvet.why);
    }
    const net = otvet ? '' : slova.get(ready || wrong ? 'fix' : 'range-enter');
    pokazat(otvet, net);
    const d = otvet?.design;
    if (!d) {
      return otvet?.why ?? net;
    }
    return `${slova.get('result')} L = ${d.L.s}, Ct = ${d.trimmer.s}, ` +
      (d.padder ? `Cp = ${d.padder.s}` : `Cp ${slova.get('no-padder')}`);
  };

  // The address keeps the view, every field it reads with its unit, the
  // part chosen and the series.
  const zapomnit = () => Ssylka.zapisat({
    view: 'range',
    polya: aktivnye().map((id) => ({ id, value: pole[id].input.value || undefined, prefix: pole[id].own })),
    fixed: CHASTI[fixed.value] ? fixed.value : '',
    series: series.value,
  });
  const otvetit = otklik({
    obnovit, result: $('range-result'), copied: $('range-copied'), said: $('range-said'),
    panel: $('range'), zapomnit,
  });

  for (const id of [...Object.keys(POLYA), VALUE]) {
    pole[id].input.addEventListener('input', () => otvetit());
    pole[id].list.addEventListener('change', () => {
      pole[id].own = pole[id].list.value;
      otvetit();
    });
  }
  fixed.addEventListener('change', () => {
    fixedNote.textContent = '';
    vybrat();
    otvetit();
  });
  series.addEventListener('change', () => {
    seriesNote.textContent = '';
    otvetit();
  });
  $('range-link').addEventListener('click', async () => {
    zapomnit();
    await kopirovat(location.href);
    $('range-copied').textContent = slova.get('link-copied');
  });

  // The answer a link keeps, as the calculator's: its fields with their
  // units, the part chosen (one the list has not is none, with a word) and
  // the series.
  const otkryt = () => {
    const s = Ssylka.prochitat([...Object.keys(POLYA), VALUE], 'range');
    const known = [...fixed.options].some((o) => o.value === s.fixed);
    fixed.value = known ? s.fixed : 'none';
    fixedNote.textContent = s.fixed && !known ? `«${s.fixed}»: ${slova.get('bad-fixed')}` : '';
    vybrat();
    for (const [id, [, own]] of [...Object.entries(POLYA), [VALUE, CHASTI[fixed.value] ?? CHASTI.coil]]) {
      pole[id].own = own;
      pole[id].input.value = '';
    }
    for (const { id, value, prefix } of s.polya) {
      pole[id].own = prefix ?? pole[id].own;
      pole[id].input.value = value ?? '';
    }
    for (const f of Object.values(pole)) {
      f.show(f.own);
    }
    const r = s.series && yadro.pokaz([`--series=${s.series}`], '');
    series.value = r?.result === 0 ? JSON.parse(r.out).series : '';
    seriesNote.textContent = r && r.result !== 0 ? `«${s.series}»: ${slova.get('bad-series')}` : '';
    otvetit(false);
  };
  window.addEventListener('hashchange', otkryt);
  otkryt();
};
