// The console view: the entry line read by the program's own rules, its
// answers as the console writes them (the newest first), the history of
// entries shared by the page's tabs, the clearing and the CSV of the
// answers shown.
const Konsol = (yadro) => {
  const $ = (id) => document.getElementById(id);
  const entry = $('entry');
  const answers = $('answers');
  const series = $('series');
  const mixed = $('mixed');

  // Earlier entries, shared with the page's other tabs through the browser's
  // storage: the newest 500, oldest first. Each has a key of its own, named
  // by the time it was made and the tab that made it, so that tabs writing
  // at once lose none.
  const PREFIX = 'rezonans.history.';
  const KEEP = 500;
  let history = [];
  const tab = Math.random().toString(36).slice(2);
  let made = 0;
  const stamp = (n) => PREFIX + String(n).padStart(15, '0');
  // Storage refused (turned off, full): the tab remembers alone.
  const storage = (fn, otherwise) => {
    try {
      return fn();
    } catch {
      return otherwise;
    }
  };
  // This tab's entries that storage refused, by their keys: kept by the tab,
  // each in its place among the stored ones.
  const unsaved = new Map();
  const stored = () =>
    storage(() => [...Object.keys(localStorage).filter((key) => key.startsWith(PREFIX) && !unsaved.has(key)),
      ...unsaved.keys()]
      .sort()
      .map((key) => ({ key, line: unsaved.get(key) ?? localStorage.getItem(key) }))
      .filter((e) => e.line !== null), history);
  // Pages before this one kept the history as one list under one key.
  storage(() => {
    const old = JSON.parse(localStorage.getItem('rezonans.history'));
    (Array.isArray(old) ? old : []).forEach((line, i) => localStorage.setItem(`${stamp(i)}.0`, String(line)));
    localStorage.removeItem('rezonans.history');
  });

  history = stored();
  let place = history.length;
  // The line being typed, and the earlier entries edited while moving
  // through them, by their keys: an edit stays for the rest of the visit.
  let draft = '';
  const edits = new Map();
  const remember = (line) => {
    history = stored();
    if (history[history.length - 1]?.line !== line) {
      made = Math.max(Date.now(), made + 1);
      const key = `${stamp(made)}.${tab}`;
      const saved = storage(() => {
        localStorage.setItem(key, line);
        return true;
      }, false);
      if (!saved) {
        unsaved.set(key, line);
      }
      history.push({ key, line });
      for (const old of history.splice(0, history.length - KEEP)) {
        unsaved.delete(old.key);
        storage(() => localStorage.removeItem(old.key));
      }
    }
    place = history.length;
  };
  const shown = () => (place === history.length ? draft : edits.get(history[place].key) ?? history[place].line);
  const recall = (step) => {
    if (place === history.length) {
      draft = entry.value;
      history = stored();
      place = history.length;
    } else if (entry.value !== history[place].line) {
      edits.set(history[place].key, entry.value);
    } else {
      edits.delete(history[place].key);
    }
    place = Math.min(Math.max(place + step, 0), history.length);
    entry.value = shown();
  };

  // The answers shown since they were last cleared, each as the CSV the core
  // writes for it with the series it was given with.
  let answered = [];
  const chosen = () => (series.value ? { series: series.value } : {});
  const clear = () => {
    answers.replaceChildren();
    answered = [];
    mixed.hidden = true;
  };
  // What the program said of a line: its warnings, then its answer, as the
  // console writes them, together.
  const show = (r) => {
    const shown = document.createElement('div');
    for (const [said, kind] of [[r.err, 'warning'], [r.out, 'answer']]) {
      if (said !== '') {
        const pre = document.createElement('pre');
        pre.textContent = said;
        pre.className = kind;
        shown.append(pre);
      }
    }
    answers.prepend(shown);
  };
  // A line is answered as the program answers it given as an argument. A
  // page does nothing for a line with nothing typed on it, and clears the
  // answers for a w of its own only: any other line with a w (a word of a
  // pasted note) gets what the program gives for it. A page is left by
  // closing it: a q of its own takes the line and does nothing more.
  const alone = (line, command) => line.replace(/[ \t]/g, '') === command;
  const answer = (line) => {
    if (alone(line, '')) {
      return;
    }
    if (place < history.length) {
      edits.delete(history[place].key);
    }
    entry.value = '';
    draft = '';
    if (alone(line, 'w')) {
      clear();
    }
    if (alone(line, 'w') || alone(line, 'q')) {
      place = history.length;
      return;
    }
    remember(line);
    const r = yadro.run([...yadro.words(chosen()), '--', line], '');
    if (r.out !== '' || r.err !== '') {
      show(r);
    }
    if (r.out !== '') {
      answered.push({ series: series.value, csv: yadro.run([...yadro.words({ format: 'csv', ...chosen() }), '--', line], '').out });
      mixed.hidden = new Set(answered.map((a) => a.series)).size < 2;
    }
  };
  // The CSV of the answers shown: the header with the most fields, and each
  // answer's records, a record of fewer fields (no series) closed by empty
  // ones.
  const csv = () => {
    const header = (a) => a.csv.slice(0, a.csv.indexOf('\n') + 1);
    const fields = (line) => line.split(',').length;
    const plain = yadro.session('', { format: 'csv' });
    const widest = answered.map(header).reduce((w, h) => (fields(h) > fields(w) ? h : w), plain);
    return widest + answered.map((a) => {
      const pad = ','.repeat(fields(widest) - fields(header(a)));
      return a.csv.slice(header(a).length).replace(/\n/g, `${pad}\n`);
    }).join('');
  };

  entry.addEventListener('keydown', (e) => {
    if (e.isComposing) {
      return;
    }
    if (e.key === 'Enter') {
      e.preventDefault();
      answer(entry.value);
    } else if (e.key === 'ArrowUp' || e.key === 'ArrowDown') {
      e.preventDefault();
      recall(e.key === 'ArrowUp' ? -1 : 1);
    }
  });
  $('clear').addEventListener('click', clear);
  $('save').addEventListener('click', () => {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([csv()], { type: 'text/csv' }));
    link.download = 'rezonans.csv';
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  });
  entry.disabled = false;
  entry.focus();
};
