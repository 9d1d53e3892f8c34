// The console view: the entry line read by the program's own rules, its
// answers as the console writes them (the newest first), the history of
// entries shared by the page's tabs, the clearing and the CSV of the
// answers shown.
const Konsol = (yadro) => {
  const $ = (id) => document.getElementById(id);
  const entry = $('entry');
  const answers = $('answers');
  const series = $('series');

  // Earlier entries, shared with the page's other tabs through the browser's
  // storage: the newest 500, oldest first.
  const KEY = 'rezonans.history';
  const KEEP = 500;
  const stored = () => {
    try {
      const h = JSON.parse(localStorage.getItem(KEY));
      return Array.isArray(h) ? h.filter((line) => typeof line === 'string') : [];
    } catch {
      return [];
    }
  };
  let history = stored();
  let place = history.length;
  let draft = '';
  const remember = (line) => {
    history = stored();
    if (/[^ \t]/.test(line) && history[history.length - 1] !== line) {
      history = [...history, line].slice(-KEEP);
      try {
        localStorage.setItem(KEY, JSON.stringify(history));
      } catch {
        // Storage refused (private mode, full): the tab remembers alone.
      }
    }
    place = history.length;
  };
  const recall = (step) => {
    if (place === history.length) {
      draft = entry.value;
    }
    place = Math.min(Math.max(place + step, 0), history.length);
    entry.value = place === history.length ? draft : history[place];
  };

  // The entries answered since the answers were last cleared, for the CSV.
  let answered = [];
  const chosen = () => (series.value ? { series: series.value } : {});
  const clear = () => {
    answers.replaceChildren();
    answered = [];
  };
  const show = (said, kind) => {
    const shown = document.createElement('pre');
    shown.textContent = said;
    shown.className = kind;
    answers.prepend(shown);
  };
  // A line is answered as the program answers it given as an argument: the
  // echo and the report, as the console shows them. A line that is no entry
  // gets what the program warns of it instead: a w among other characters
  // (a word of a pasted note) clears nothing, only a w of its own does. A
  // page is left by closing it: a q takes the line and does nothing more.
  const answer = (line) => {
    const what = yadro.vvod(line);
    const r = yadro.run([...yadro.words(chosen()), '--', line], '');
    entry.value = '';
    place = history.length;
    if (what === 0) {
      remember(line);
      show(r.out, 'answer');
      answered.push(line);
    } else if (r.err !== '') {
      remember(line);
      show(r.err, 'warning');
    } else if (what === 100) {
      clear();
    }
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
    const input = answered.map((line) => line + '\n').join('');
    const csv = yadro.session(input, { format: 'csv', ...chosen() });
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([csv], { type: 'text/csv' }));
    link.download = 'rezonans.csv';
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  });
  entry.disabled = false;
  entry.focus();
};
