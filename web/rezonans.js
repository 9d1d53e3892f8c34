'use strict';
// The page: the calculator's core, compiled to WebAssembly, answers; this
// script only hands it the command line and the input, and shows what it
// writes. Nothing of the calculation, the reading or the writing is here.
(async () => {
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  let memory;
  // What the core wrote on each of its outputs during the current call.
  let written = {};

  // The little of a system the core's C library asks for: writes to standard
  // output and error, kept for the page. Nothing else is there.
  const system = {
    fd_write(fd, iovs, count, total) {
      const view = new DataView(memory.buffer);
      let n = 0;
      for (let i = 0; i < count; i++) {
        const at = view.getUint32(iovs + 8 * i, true);
        const length = view.getUint32(iovs + 8 * i + 4, true);
        (written[fd] ||= []).push(new Uint8Array(memory.buffer, at, length).slice());
        n += length;
      }
      view.setUint32(total, n, true);
      return 0;
    },
    // Standard output is no terminal and no file.
    fd_fdstat_get(fd, stat) {
      new Uint8Array(memory.buffer, stat, 24).fill(0);
      return 0;
    },
    // ESPIPE: there is nothing to seek in.
    fd_seek: () => 70,
    fd_close: () => 0,
  };
  const module = Uint8Array.from(atob('@WASM@'), (c) => c.charCodeAt(0));
  const { instance } = await WebAssembly.instantiate(module, {
    wasi_snapshot_preview1: system,
  });
  const core = instance.exports;
  memory = core.memory;
  core._initialize();

  const text = (fd) => {
    const parts = written[fd] || [];
    const bytes = new Uint8Array(parts.reduce((n, p) => n + p.length, 0));
    parts.reduce((at, p) => (bytes.set(p, at), at + p.length), 0);
    return decoder.decode(bytes);
  };

  // Puts the words (each closed by a NUL) and the input in the core's memory
  // and calls `fn` with their length: what it returns, and what the core
  // wrote meanwhile.
  const call = (words, input, fn) => {
    const parts = [...words.map((w) => encoder.encode(w + '\0')), encoder.encode(input)];
    const n = parts.reduce((sum, p) => sum + p.length, 0);
    let at = core.rezonans_mesto(n);
    if (at === 0) {
      throw new Error('rezonans: out of memory');
    }
    for (const p of parts) {
      new Uint8Array(memory.buffer, at, p.length).set(p);
      at += p.length;
    }
    written = {};
    const result = fn(n);
    return { result, out: text(1), err: text(2) };
  };

  // A run of the program with these command-line words after its name and
  // this standard input: its exit status and its outputs.
  const run = (words, input) =>
    call(words, input, (n) => core.rezonans_zapusk(words.length, n));

  // Every option as the command line writes it: {format: 'csv'} is
  // --format=csv. The core says what it makes of each.
  const words = (options) =>
    Object.entries(options || {})
      .filter(([, value]) => value !== undefined && value !== null)
      .map(([name, value]) => `--${name}=${value}`);

  // What the program writes on standard output with this standard input
  // through a pipe and these options; a command line the program refuses
  // (exit status 2) throws its message.
  const session = (input, options) => {
    const r = run(words(options), String(input));
    if (r.result === 2) {
      throw Object.assign(new Error(r.err), { status: r.result });
    }
    return r.out;
  };

  const $ = (id) => document.getElementById(id);
  const entry = $('entry');
  const answers = $('answers');
  const series = $('series');

  // The page's own words and the menu's explanation, as the core has them.
  for (let i = 0; ; i++) {
    const r = call([], '', () => core.rezonans_nadpis(i));
    if (!r.result) {
      break;
    }
    const [where, said] = r.out.split('\0');
    for (const e of document.querySelectorAll(`[data-nadpis="${where}"]`)) {
      e.textContent = said;
    }
  }
  $('menu').textContent = call([], '', () => core.rezonans_poyasnenie()).out;

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
    const what = call([], line + '\n', (n) => core.rezonans_vvod(n)).result;
    const r = run([...words(chosen()), '--', line], '');
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
    const csv = session(input, { format: 'csv', ...chosen() });
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([csv], { type: 'text/csv' }));
    link.download = 'rezonans.csv';
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  });

  window.rezonans = Object.freeze({ session });
  entry.disabled = false;
  entry.focus();
})();
