// The calculator view: four fields, L, C, F and R, of which the two the user
// filled last are given and the other two computed by the core as the user
// types; the standard parts, the picture and the link follow each answer.
// The page builds the program's own entry from the fields (4,5uL10nC) and
// shows what the core answers.
const Kalkulyator = (yadro, slova) => {
  const $ = (id) => document.getElementById(id);
  const spravka = yadro.spravochnik();
  const edinicy = Edinicy(spravka, slova);
  const detali = Detali(edinicy, slova);
  const grafik = Grafik($('chart'), edinicy, slova);
  const series = $('calculator-series');
  const tolerance = $('tolerance');
  const result = $('result');
  const chitaet = new Set(spravka.prefixes.filter((p) => p.reads).map((p) => p.p));
  const VELICHINY = ['L', 'C', 'F', 'R'];
  const pole = Object.fromEntries(VELICHINY.map((q) => [q, {
    input: $(q), prefix: $(`${q}-prefix`), tag: $(`${q}-tag`), note: $(`${q}-note`), copy: $(`${q}-copy`),
  }]));
  // The prefixes the reader takes, each with its unit; and one more, not
  // to be chosen, for a computed value past giga or pico.
  for (const q of VELICHINY) {
    const list = pole[q].prefix;
    for (const p of spravka.prefixes.filter((p) => p.reads)) {
      list.add(new Option(edinicy.edinica(q, p.p), p.p));
    }
    pole[q].sverh = list.appendChild(new Option());
    pole[q].sverh.disabled = true;
    pole[q].sverh.hidden = true;
  }
  for (const s of spravka.series) {
    series.add(new Option(s.name, s.name));
  }

  // The given fields, the one edited longest ago first; one the user
  // emptied stays given, to be filled, until another takes its place.
  let dany = [];
  const polnye = () => dany.filter((q) => pole[q].input.value !== '');
  const pristavka = (q, p) => {
    const f = pole[q];
    const own = chitaet.has(p);
    f.sverh.hidden = own;
    if (!own) {
      f.sverh.value = p;
      f.sverh.text = edinicy.edinica(q, p);
    }
    f.prefix.value = p;
  };

  // What is wrong with a given field, in the page's words; empty when
  // nothing is. A field takes digits with one decimal point or comma.
  const oshibka = (q) => {
    const { input, prefix } = pole[q];
    const chuzhoi = /[^0-9.,]/u.exec(input.value)?.[0];
    if (chuzhoi) {
      // One that shows as nothing (a zero-width space from a paste) by its
      // code point, as the program's warnings show it.
      const kod = chuzhoi.codePointAt(0);
      const znak = !/\p{C}/u.test(chuzhoi) ? chuzhoi
        : `\\${kod > 0xFFFF ? 'U' : 'u'}${kod.toString(16).toUpperCase().padStart(kod > 0xFFFF ? 8 : 4, '0')}`;
      return `«${znak}»: ${slova.get('bad-char')}`;
    }
    if (/[.,].*[.,]/.test(input.value)) {
      return slova.get('two-points');
    }
    if (!/[0-9]/.test(input.value)) {
      return slova.get('no-digits');
    }
    return chitaet.has(prefix.value) ? '' : slova.get('bad-prefix');
  };
  const skazat = (q, why) => {
    pole[q].note.textContent = why;
    pole[q].input.setAttribute('aria-invalid', String(why !== ''));
  };
  // A field as given or as computed (then with the core's value, or empty).
  const pokazat = (q, v) => {
    const f = pole[q];
    const computed = !dany.includes(q);
    f.input.classList.toggle('computed', computed && v !== undefined);
    f.tag.hidden = !computed || v === undefined;
    f.copy.hidden = f.tag.hidden;
    if (!computed) {
      return;
    }
    if (f.input.value !== (v?.t ?? '')) {
      f.input.value = v?.t ?? '';
    }
    skazat(q, '');
    if (v !== undefined) {
      pristavka(q, v.p);
      f.note.textContent = v.note ? slova.get(v.note) : '';
    }
  };

  // Computes what the fields ask and shows it. The core reads the tolerance
  // even when there is no entry yet, to say at once what is wrong with it.
  const obnovit = () => {
    for (const q of dany) {
      skazat(q, pole[q].input.value === '' ? '' : oshibka(q));
    }
    const wrong = dany.filter((q) => pole[q].note.textContent !== '');
    const ready = wrong.length === 0 && polnye().length === 2;
    const entry = ready ? dany.map((q) => pole[q].input.value + pole[q].prefix.value + q).join('') : '';
    const words = series.value ? [`--series=${series.value}`] : [];
    if (series.value && tolerance.value !== '') {
      words.push(`--tolerance=${tolerance.value}`);
    }
    const r = yadro.pokaz(words, entry);
    const refused = { 2: 'bad-tolerance', 3: 'tolerance-100' }[r.result];
    tolerance.setAttribute('aria-invalid', String(refused !== undefined));
    $('tolerance-note').textContent = refused ? slova.get(refused) : '';
    if (r.result === 1) {
      const longest = dany.reduce((a, b) => (pole[b].input.value.length > pole[a].input.value.length ? b : a));
      skazat(longest, slova.get('too-long'));
    }
    const otvet = ready && r.result === 0 ? JSON.parse(r.out) : null;
    for (const q of VELICHINY) {
      pokazat(q, otvet?.[q]);
    }
    // Why there is no answer, and why an answer has no picture: what its
    // quantities are.
    const net = otvet ? '' : slova.get(ready || wrong.length > 0 ? 'fix'
      : polnye().length === 1 ? 'enter-one' : 'enter-two');
    const notes = VELICHINY.map((q) => otvet?.[q].note).filter(Boolean);
    grafik(otvet, detali(otvet), net || slova.get(notes[0] ?? 'chart-range'));
    return otvet ? `${slova.get('result')} ${VELICHINY.filter((q) => !otvet[q].given)
      .map((q) => `${q} = ${edinicy.tekst(otvet[q], q)}`).join(', ')}` : net;
  };

  // The address keeps the given fields, the series and the tolerance.
  const zapomnit = () => Ssylka.zapisat({
    dany: polnye().map((q) => ({ q, value: pole[q].input.value, prefix: pole[q].prefix.value })),
    series: series.value,
    tolerance: tolerance.value,
  });
  // Once the user pauses, what was computed is said politely and the
  // address changes: the browser allows it only so often.
  let pause;
  const otvetit = () => {
    const said = obnovit();
    $('copied').textContent = '';
    clearTimeout(pause);
    pause = setTimeout(() => {
      result.textContent = said;
      zapomnit();
    }, 400);
  };

  // A field the user edits becomes given, and an empty given field, else
  // the one edited longest ago, becomes computed.
  const pravka = (q) => {
    dany = [...dany.filter((d) => d !== q), q];
    if (dany.length > 2) {
      const empty = dany.slice(0, -1).findIndex((d) => pole[d].input.value === '');
      dany.splice(empty >= 0 ? empty : 0, 1);
    }
    otvetit();
  };
  for (const q of VELICHINY) {
    const f = pole[q];
    f.input.addEventListener('input', () => pravka(q));
    f.prefix.addEventListener('change', () => {
      f.sverh.hidden = chitaet.has(f.prefix.value);
      pravka(q);
    });
    f.input.addEventListener('focus', () => {
      if (!dany.includes(q)) {
        f.input.select();
      }
    });
    f.copy.addEventListener('click', async () => {
      await kopirovat(`${f.input.value} ${edinicy.edinica(q, f.prefix.value)}`);
      $('copied').textContent = slova.get('copied');
    });
  }
  const ryad = () => {
    const s = spravka.series.find((x) => x.name === series.value);
    tolerance.disabled = !s;
    tolerance.placeholder = s ? s.tolerance : '';
  };
  series.addEventListener('change', () => {
    ryad();
    otvetit();
  });
  tolerance.addEventListener('input', otvetit);
  $('link').addEventListener('click', async () => {
    zapomnit();
    await kopirovat(location.href);
    $('copied').textContent = slova.get('link-copied');
  });

  // The answer a link keeps: its fields, its series and its tolerance.
  const otkryt = () => {
    const s = Ssylka.prochitat();
    for (const q of VELICHINY) {
      pole[q].input.value = '';
    }
    dany = s.dany.slice(-2).map(({ q, value, prefix }) => {
      pole[q].input.value = value;
      pristavka(q, prefix);
      return q;
    });
    series.value = spravka.series.some((x) => x.name === s.series) ? s.series : '';
    tolerance.value = series.value ? s.tolerance : '';
    ryad();
    otvetit();
  };
  window.addEventListener('hashchange', otkryt);
  for (const [q, p] of [['L', 'u'], ['C', 'n'], ['F', 'K'], ['R', '']]) {
    pristavka(q, p);
  }
  otkryt();
  pole.L.input.focus();
};
