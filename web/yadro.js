// The bridge to the core: the calculator's core, compiled to WebAssembly,
// answers; this only hands it a command line and an input and gives back
// what it writes. Nothing of the calculation, the reading or the writing is
// here.
const Yadro = async () => {
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  let memory;
  // What the core wrote on standard output and error during the current
  // call: one buffer each, kept from call to call and grown when a call
  // writes more, so that a write costs one copy and no new array.
  const written = { 1: { bytes: new Uint8Array(1 << 16), n: 0 }, 2: { bytes: new Uint8Array(1 << 12), n: 0 } };
  const keep = (to, from, at, length) => {
    if (to.n + length > to.bytes.length) {
      const grown = new Uint8Array(Math.max(2 * to.bytes.length, to.n + length));
      grown.set(to.bytes.subarray(0, to.n));
      to.bytes = grown;
    }
    to.bytes.set(from.subarray(at, at + length), to.n);
    to.n += length;
  };

  // Views of the core's memory, made anew when it grows.
  let heap;
  let view;
  const views = () => {
    if (heap?.buffer !== memory.buffer) {
      heap = new Uint8Array(memory.buffer);
      view = new DataView(memory.buffer);
    }
  };

  // The little of a system the core's C library asks for: writes to standard
  // output and error, kept for the page. Nothing else is there.
  const system = {
    fd_write(fd, iovs, count, total) {
      const to = written[fd];
      if (!to) {
        return 8; // EBADF
      }
      views();
      let n = 0;
      for (let i = 0; i < count; i++) {
        const length = view.getUint32(iovs + 8 * i + 4, true);
        keep(to, heap, view.getUint32(iovs + 8 * i, true), length);
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
  // The core came into the page compressed, a third of its size.
  const packed = Uint8Array.from(atob('@WASM@'), (c) => c.charCodeAt(0));
  const module = await new Response(new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip')))
    .arrayBuffer();
  const { instance } = await WebAssembly.instantiate(module, {
    wasi_snapshot_preview1: system,
  });
  const core = instance.exports;
  memory = core.memory;
  core._initialize();

  // What the current call wrote on `fd`, as text: decoded in pieces and
  // joined, since the browser decodes a large array whole at half the speed.
  const PIECE = 1 << 16;
  const text = (fd) => {
    const { bytes, n } = written[fd];
    const pieces = [];
    for (let at = 0; at < n; at += PIECE) {
      pieces.push(decoder.decode(bytes.subarray(at, Math.min(at + PIECE, n)), { stream: true }));
    }
    pieces.push(decoder.decode());
    return pieces.join('');
  };

  // Puts the words and the input in the core's memory: the length of each
  // word (four bytes each), the words, then the input; and calls `fn` with
  // their length in all. A word is passed whole, a NUL in it too: the core
  // says what it makes of it. Returns what `fn` returns; text(fd) then
  // gives what the core wrote meanwhile.
  const call = (words, input, fn) => {
    const parts = [...words, input].map((p) => encoder.encode(p));
    const lengths = new Uint8Array(4 * words.length);
    parts.slice(0, -1).forEach((p, i) => new DataView(lengths.buffer).setUint32(4 * i, p.length, true));
    parts.unshift(lengths);
    const n = parts.reduce((sum, p) => sum + p.length, 0);
    let at = core.rezonans_mesto(n);
    if (at === 0) {
      throw new Error('rezonans: out of memory');
    }
    for (const p of parts) {
      new Uint8Array(memory.buffer, at, p.length).set(p);
      at += p.length;
    }
    written[1].n = 0;
    written[2].n = 0;
    return fn(n);
  };

  // A run of the program with these command-line words after its name and
  // this standard input: its exit status and its outputs.
  const run = (words, input) => {
    const result = call(words, input, (n) => core.rezonans_zapusk(words.length, n));
    return { result, out: text(1), err: text(2) };
  };

  // Every option as the command line writes it: {format: 'csv'} is
  // --format=csv. The core says what it makes of each.
  const words = (options) =>
    Object.entries(options || {})
      .filter(([, value]) => value !== undefined && value !== null)
      .map(([name, value]) => `--${name}=${value}`);

  // What the program writes on standard output with this standard input
  // through a pipe and these options; a command line the program refuses
  // (exit status 2) throws its message. Standard error is read only then.
  const session = (input, options) => {
    const w = words(options);
    const status = call(w, String(input), (n) => core.rezonans_zapusk(w.length, n));
    if (status === 2) {
      throw Object.assign(new Error(text(2)), { status });
    }
    return text(1);
  };

  // What the reader makes of a typed line: 0 an entry, 100 the clearing
  // command, 101 the quit command.
  const vvod = (line) => call([], line + '\n', (n) => core.rezonans_vvod(n));

  // The page's own words, each with the place it stands in, and the menu's
  // explanation of the input, as the core has them.
  const nadpisi = () => {
    const all = [];
    while (call([], '', () => core.rezonans_nadpis(all.length))) {
      all.push(text(1).split('\0'));
    }
    return all;
  };
  const poyasnenie = () => {
    call([], '', () => core.rezonans_poyasnenie());
    return text(1);
  };

  // The calculator's answer to an entry, with the words of a command line
  // before it (the series, the tolerance, the stray and the Q): the status
  // (0; 1 for an entry longer than the reader's line; for words the program
  // refuses, 3 a tolerance that rounds to 100, 4 a stray, 5 a Q, 2 any
  // other) and the answer as the page shows it, a JSON record.
  const pokaz = (words, entry) => {
    const result = call(words, entry + '\n', (n) => core.rezonans_pokaz(words.length, n));
    return { result, out: result === 0 ? text(1) : '' };
  };
  // What the page's lists offer: the units of each quantity a field may
  // hold (henry, farad, hertz, ohm, percent, number), each with its
  // prefix's letter and its text, and the series.
  const spravochnik = () => {
    call([], '', () => core.rezonans_spravochnik());
    return JSON.parse(text(1));
  };

  // What a field of the quantity `rod` holds, read from its text with the
  // field's own prefix `svoya` where the text names none: { p, entry, named },
  // the prefix's letter, the number as the program's reader takes it
  // ('4.7n') and whether the text names its prefix or unit; { p, empty: true }
  // for a field of spaces; { why }, what is wrong, in the page's words. The
  // own prefix may be written as a field writes it ('µ'): p is its letter.
  const chitat = (rod, svoya, tekst) => {
    const result = call([rod, svoya], tekst, (n) => core.rezonans_chitat(2, n));
    if (result === 4) {
      throw new Error(`rezonans: no quantity ${rod}`);
    }
    if (result === 2) {
      return { why: text(1) };
    }
    const [p, entry] = text(1).split('\0');
    return result === 1 ? { p, empty: true } : { p, entry, named: result === 0 };
  };

  // The value `x` of the quantity `rod` as the page writes it, in the prefix
  // whose letter is `p` or, without it, in the one that reads best; with
  // `tochno`, in as many digits as reading it back takes: { t, p, s }, the
  // number, its prefix's letter and the number with the unit; null for a
  // prefix or a value the core has not.
  const tekst = (rod, x, p, tochno) => {
    const w = [rod, ...(p === undefined ? [] : [p]), ...(tochno ? ['tochno'] : [])];
    if (call(w, String(x), (n) => core.rezonans_tekst(w.length, n)) !== 0) {
      return null;
    }
    const [t, prefix, s] = text(1).split('\0');
    return { t, p: prefix, s };
  };

  // The tuning range the command line's words ask for (--band, --variable,
  // --stray, --coil, --trimmer, --padder, --series), as the page shows it:
  // the core's record, its design or why there is none; { option, why },
  // the option whose value the program refuses and the page's words why;
  // null for words that ask for no tuning range.
  const diapazon = (words) => {
    const result = call(words, '', (n) => core.rezonans_diapazon(words.length, n));
    if (result === 2) {
      const [option, why] = text(1).split('\0');
      return { option, why };
    }
    return result === 0 ? JSON.parse(text(1)) : null;
  };

  // The coil measured from two readings, each an entry of C and F
  // ('100pC4.756MF'): { L, stray, flag }, each value as the page shows it and
  // the words that flag a negative stray; { why } for readings that give no
  // coil; null for an entry longer than the reader's line.
  const zamer = (entries) => {
    const result = call([], entries.map((e) => `${e}\n`).join(''), (n) => core.rezonans_zamer(n));
    return result === 0 ? JSON.parse(text(1)) : null;
  };

  return { run, words, session, vvod, nadpisi, poyasnenie, pokaz, spravochnik, chitat, tekst, diapazon, zamer };
};
