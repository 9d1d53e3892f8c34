// The calculator view: four fields, L, C, F and R, of which the two the user
// filled last, or pinned, are given and the other two computed by the core
// as the user types, for the circuit the stray and the Q fields describe;
// the circuit as built, the standard parts, the picture and the link follow
// each answer. The page builds the program's own entry from what the core
// reads in the fields (4.5u and 10n: 4.5uL10nC), and its options (12p:
// --stray=12p), and shows what the core answers.
const Kalkulyator = (yadro, slova) => {
  const $ = (id) => document.getElementById(id);
  const spravka = yadro.spravochnik();
  const novoe = Edinicy(yadro, spravka);
  const detali = Detali(slova);
  const postroen = Postroen();
  const grafik = Grafik($('chart'), slova);
  const series = $('calculator-series');
  const tolerance = $('tolerance');
  const toleranceNote = $('tolerance-note');
  const seriesNote = $('calculator-series-note');
  // Each quantity's field: its kind and the unit it has at first.
  const VELICHINY = { L: ['henry', 'u'], C: ['farad', 'n'], F: ['hertz', 'K'], R: ['ohm', ''] };
  const Q = Object.keys(VELICHINY);
  const pole = Object.fromEntries(Q.map((q) => [q, Object.assign(novoe(q, ...VELICHINY[q]), {
    tag: $(`${q}-tag`), note: $(`${q}-note`), copy: $(`${q}-copy`), pin: $(`${q}-pin`),
    // The value shown while computed, and whether the user chose its unit.
    v: undefined,
    vybrana: false,
  })]));
  for (const s of spravka.series) {
    series.add(new Option(s.name, s.name));
  }
  // The circuit as built: the stray across the capacitor and the coil's Q,
  // each the option of the command line of its name, with its kind and the
  // unit it has at first. Empty, there is none.
  const KONTUR = { stray: ['farad', 'p'], quality: ['number', ''] };
  const kontur = Object.fromEntries(Object.entries(KONTUR).map(([id, vid]) => [id,
    Object.assign(novoe(id, ...vid), { note: $(`${id}-note`) })]));

  // The given fields, the one edited longest ago first; one the user
  // emptied stays given, to be filled, until another takes its place. A
  // pinned field stays given: at most two are, the one pinned longest ago
  // let go for a third.
  let dany = [];
  let pins = new Set();
  const polnye = () => dany.filter((q) => pole[q].input.value !== '');
  const zametka = (f, why) => {
    f.note.textContent = why;
    f.input.setAttribute('aria-invalid', String(why !== ''));
  };
  const skazat = (q, why) => zametka(pole[q], why);
  // A field as given or as computed (then with the core's value, or empty).
  // Only a computed one is described as such; with both given fields
  // pinned, a computed one takes no typing.
  const pokazat = (q, v) => {
    const f = pole[q];
    const computed = !dany.includes(q);
    const shown = computed && v !== undefined;
    f.input.classList.toggle('computed', shown);
    f.tag.hidden = !shown;
    f.copy.hidden = !shown;
    f.input.setAttribute('aria-describedby', shown ? `${q}-tag ${q}-note` : `${q}-note`);
    f.input.readOnly = computed && pins.size === 2;
    f.pin.setAttribute('aria-pressed', String(pins.has(q)));
    if (!computed) {
      return;
    }
    f.v = v && f.put(v, f.vybrana);
    if (!v) {
      if (f.input.value !== '') {
        f.input.value = '';
      }
      f.show(f.own);
    }
    const why = f.ownWhy();
    skazat(q, why);
    if (!why) {
      f.note.textContent = v?.note ? slova.get(v.note) : '';
    }
  };

  // The words of the command line, each with the field it is of: the
  // series and the tolerance, the stray and the Q, as the core reads them.
  // A tolerance the core cannot read is said beside its field, and the
  // series' own is taken.
  const ryadom = (opcii) => {
    const words = Object.entries(opcii).filter(([, o]) => o.entry !== undefined)
      .map(([id, o]) => [id, `--${id}=${o.entry}`]);
    if (!series.value) {
      return { words, why: '' };
    }
    const t = yadro.chitat('percent', '', tolerance.value);
    if (t.entry !== undefined) {
      words.unshift(['tolerance', `--tolerance=${t.entry}`]);
    }
    words.unshift(['series', `--series=${series.value}`]);
    return { words, why: t.why ?? '' };
  };
  // What the core's refusal of the words is of, by its status, and its
  // words: without a tolerance the series' own is taken, without a Q the
  // losses are not shown, and without the stray nothing is computed.
  const OTKAZY = {
    2: ['tolerance', 'bad-tolerance'], 3: ['tolerance', 'tolerance-100'],
    4: ['stray', 'bad-stray'], 5: ['quality', 'bad-quality'],
  };
  const sprosit = (words, entry) => {
    let r = yadro.pokaz(words.map(([, w]) => w), entry);
    const otkaz = {};
    for (let o = OTKAZY[r.result]; o && words.some(([id]) => id === o[0]); o = OTKAZY[r.result]) {
      otkaz[o[0]] = slova.get(o[1]);
      words = words.filter(([id]) => id !== o[0]);
      r = yadro.pokaz(words.map(([, w]) => w), entry);
    }
    return { r, otkaz };
  };

  // Computes what the fields ask and shows it; returns the summary. The
  // core reads the tolerance even when there is no entry yet, to say at
  // once what is wrong with it.
  const obnovit = () => {
    const chteno = {};
    for (const q of dany) {
      chteno[q] = pole[q].read();
      skazat(q, chteno[q].why ?? '');
    }
    const opcii = Object.fromEntries(Object.entries(kontur).map(([id, f]) => [id, f.read()]));
    const wrong = [...dany.filter((q) => chteno[q].why !== undefined),
      ...(opcii.stray.why === undefined ? [] : ['stray'])];
    const ready = wrong.length === 0 && dany.filter((q) => chteno[q].entry !== undefined).length === 2;
    const entry = ready ? dany.map((q) => chteno[q].entry + q).join('') : '';
    const { words, why } = ryadom(opcii);
    const { r, otkaz } = sprosit(words, entry);
    const dopusk = otkaz.tolerance ?? why;
    tolerance.setAttribute('aria-invalid', String(dopusk !== ''));
    toleranceNote.textContent = dopusk ? `${dopusk}; ${slova.get('series-grade')}` : '';
    for (const [id, f] of Object.entries(kontur)) {
      zametka(f, opcii[id].why ?? otkaz[id] ?? '');
    }
    if (r.result === 1) {
      const longest = dany.reduce((a, b) => (chteno[b].entry.length > chteno[a].entry.length ? b : a));
      skazat(longest, slova.get('too-long'));
    }
    const otvet = ready && !otkaz.stray && r.result === 0 ? JSON.parse(r.out) : null;
    for (const q of Q) {
      pokazat(q, otvet?.[q]);
    }
    postroen(otvet);
    // Why there is no answer, and why an answer has no picture: what its
    // quantities are.
    const net = otvet ? '' : slova.get(ready || wrong.length > 0 ? 'fix'
      : polnye().length === 1 ? 'enter-one' : 'enter-two');
    const notes = Q.map((q) => otvet?.[q].note).filter(Boolean);
    grafik(otvet, detali(otvet), net || slova.get(notes[0] ?? 'chart-range'));
    return otvet ? `${slova.get('result')} ${Q.filter((q) => !dany.includes(q))
      .map((q) => `${q} = ${pole[q].v.s}`).join(', ')}` : net;
  };

  // The address keeps the given fields with their units, the unit chosen
  // for a computed one, the stray and the Q, the pins, the series and the
  // tolerance.
  const zapomnit = () => Ssylka.zapisat({
    polya: [...polnye().map((q) => ({ id: q, value: pole[q].input.value, prefix: pole[q].own })),
      ...Q.filter((q) => !dany.includes(q) && pole[q].vybrana).map((q) => ({ id: q, prefix: pole[q].own })),
      ...Object.entries(kontur).filter(([, f]) => f.input.value !== '')
        .map(([id, f]) => ({ id, value: f.input.value, prefix: f.list ? f.own : undefined }))],
    pins: [...pins],
    series: series.value,
    tolerance: tolerance.value,
  });
  const otvetit = otklik({
    obnovit, result: $('result'), copied: $('copied'), said: $('result-said'),
    panel: $('calculator'), zapomnit,
  });

  // A field the user edits becomes given, and an empty given field that is
  // not pinned, else the one edited longest ago, becomes computed.
  const dat = (q) => {
    dany = [...dany.filter((d) => d !== q), q];
    while (dany.length > 2) {
      const free = dany.slice(0, -1).filter((d) => !pins.has(d));
      const empty = free.find((d) => pole[d].input.value === '');
      dany.splice(dany.indexOf(empty ?? free[0]), 1);
    }
    pole[q].vybrana = false;
  };
  const prikolot = (q) => {
    pins.add(q);
    if (pins.size > 2) {
      pins.delete(pins.values().next().value);
    }
  };
  for (const q of Q) {
    const f = pole[q];
    f.input.addEventListener('input', () => {
      dat(q);
      otvetit();
    });
    // A unit chosen for a computed field shows the same value in it; for a
    // given one, it is the unit of the number typed.
    f.list.addEventListener('change', () => {
      f.own = f.list.value;
      if (dany.includes(q)) {
        dat(q);
      } else {
        f.vybrana = true;
      }
      otvetit();
    });
    // A computed field pinned becomes given with the value it has.
    f.pin.addEventListener('click', () => {
      if (pins.has(q)) {
        pins.delete(q);
      } else {
        prikolot(q);
        if (!dany.includes(q)) {
          if (f.v) {
            f.keep(f.v);
          }
          dat(q);
        }
      }
      otvetit();
    });
    f.input.addEventListener('focus', () => {
      if (!dany.includes(q)) {
        f.input.select();
      }
    });
    // A field that takes no typing says why beside it when typed into.
    const zapert = (e) => {
      if (f.input.readOnly && (e.type === 'paste' ||
          (!e.ctrlKey && !e.metaKey && !e.altKey && (e.key.length === 1 || ['Backspace', 'Delete'].includes(e.key))))) {
        f.note.textContent = slova.get('pinned-two');
      }
    };
    f.input.addEventListener('keydown', zapert);
    f.input.addEventListener('paste', zapert);
    f.copy.addEventListener('click', async () => {
      await kopirovat(f.v.s);
      $('copied').textContent = slova.get('copied');
    });
  }
  const ryad = () => {
    const s = spravka.series.find((x) => x.name === series.value);
    tolerance.disabled = !s;
    tolerance.placeholder = s ? s.tolerance : '';
  };
  series.addEventListener('change', () => {
    seriesNote.textContent = '';
    ryad();
    otvetit();
  });
  tolerance.addEventListener('input', () => otvetit());
  for (const f of Object.values(kontur)) {
    f.input.addEventListener('input', () => otvetit());
    f.list?.addEventListener('change', () => {
      f.own = f.list.value;
      otvetit();
    });
  }
  // The stray of a coil measured takes the stray field, in its own unit.
  Zamer(yadro, slova, novoe, (v) => {
    kontur.stray.keep(v);
    kontur.stray.show(v.p);
    otvetit();
  });
  $('link').addEventListener('click', async () => {
    zapomnit();
    await kopirovat(location.href);
    $('copied').textContent = slova.get('link-copied');
  });

  // The answer a link keeps: its fields with their units, the stray and the
  // Q, its pins (the first two: at most two are pinned), its series (as the
  // core names it; one it has not is refused, with a word) and its
  // tolerance. A unit the lists have not stays the field's own, so that the
  // field says so, until the user chooses one.
  const otkryt = () => {
    const s = Ssylka.prochitat(Q);
    for (const q of Q) {
      Object.assign(pole[q], { own: VELICHINY[q][1], vybrana: false });
      pole[q].input.value = '';
    }
    dany = [];
    for (const { id, value, prefix } of s.polya) {
      if (prefix !== undefined) {
        pole[id].own = prefix;
        pole[id].vybrana = value === undefined;
      }
      if (value !== undefined) {
        pole[id].input.value = value;
        dany.push(id);
      }
    }
    dany = dany.slice(-2);
    for (const [id, f] of Object.entries(kontur)) {
      f.input.value = '';
      f.own = KONTUR[id][1];
    }
    for (const { id, value, prefix } of Ssylka.prochitat(Object.keys(kontur)).polya) {
      kontur[id].input.value = value ?? '';
      kontur[id].own = prefix ?? kontur[id].own;
    }
    kontur.stray.show(kontur.stray.own);
    pins = new Set();
    for (const q of [...new Set(s.pins.filter((p) => Q.includes(p)))].slice(0, 2)) {
      prikolot(q);
    }
    for (const q of pins) {
      if (!dany.includes(q)) {
        dat(q);
      }
    }
    for (const q of Q) {
      pole[q].show(pole[q].own);
    }
    const r = s.series && yadro.pokaz([`--series=${s.series}`], '');
    series.value = r?.result === 0 ? JSON.parse(r.out).series : '';
    seriesNote.textContent = r && r.result !== 0 ? `«${s.series}»: ${slova.get('bad-series')}` : '';
    tolerance.value = s.tolerance;
    ryad();
    otvetit(false);
  };
  window.addEventListener('hashchange', otkryt);
  otkryt();
  pole.L.input.focus();
};
