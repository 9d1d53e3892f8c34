// The bridge to the core: the calculator's core, compiled to WebAssembly,
// answers; this only hands it a command line and an input and gives back
// what it writes. Nothing of the calculation, the reading or the writing is
// here.
const Yadro = async () => {
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

  // What the reader makes of a typed line: 0 an entry, 100 the clearing
  // command, 101 the quit command.
  const vvod = (line) => call([], line + '\n', (n) => core.rezonans_vvod(n)).result;

  // The page's own words, each with the place it stands in, and the menu's
  // explanation of the input, as the core has them.
  const nadpisi = () => {
    const all = [];
    for (let i = 0; ; i++) {
      const r = call([], '', () => core.rezonans_nadpis(i));
      if (!r.result) {
        return all;
      }
      all.push(r.out.split('\0'));
    }
  };
  const poyasnenie = () => call([], '', () => core.rezonans_poyasnenie()).out;

  // The calculator's answer to an entry, with the words of a command line
  // before it (the series and the tolerance): the status (0; 1 for an entry
  // longer than the reader's line; 2 for words the program refuses) and the
  // answer as the page shows it, a JSON record.
  const pokaz = (words, entry) =>
    call(words, entry + '\n', (n) => core.rezonans_pokaz(words.length, n));
  // What the page's lists offer: the prefixes and the series.
  const spravochnik = () => JSON.parse(call([], '', () => core.rezonans_spravochnik()).out);

  return { run, words, session, vvod, nadpisi, poyasnenie, pokaz, spravochnik };
};
