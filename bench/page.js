'use strict';
// The timing of page.sh: for the report and for CSV, seven rounds, each a
// run of the native program and a call of session() in the page on the same
// input, taking turns so that a busy moment of the machine falls on both.
// Usage: node page.js CHROMIUM PAGE PROGRAM INPUT ENTRIES
const { spawnSync } = require('child_process');
const crypto = require('crypto');
const fs = require('fs');
const { load } = require('../tests/web/chromium');

const [chromium, page, program, input, entries] = process.argv.slice(2);
const FORMATS = ['text', 'csv'];

(async () => {
  const b = await load(chromium, page);
  await b.evaluate(`window.input = ${JSON.stringify(fs.readFileSync(input).toString())}; 0`);
  const native = {};
  const web = {};
  for (const format of FORMATS) {
    const args = [`--format=${format}`];
    const out = spawnSync(program, args, { input: fs.readFileSync(input), maxBuffer: 1 << 30 }).stdout;
    const expected = crypto.createHash('sha256').update(out).digest('hex');
    const o = JSON.stringify({ format });
    const got = await b.evaluate(`crypto.subtle.digest('SHA-256', new TextEncoder().encode(rezonans.session(window.input, ${o})))
      .then((d) => [...new Uint8Array(d)].map((x) => x.toString(16).padStart(2, '0')).join(''))`);
    if (got !== expected) {
      console.log(`the page and the program differ in ${format}`);
      await b.close();
      process.exit(1);
    }
    native[format] = Infinity;
    web[format] = Infinity;
    for (let round = 0; round < 7; round++) {
      const start = process.hrtime.bigint();
      spawnSync(program, args, { stdio: [fs.openSync(input, 'r'), 'ignore', 'ignore'] });
      native[format] = Math.min(native[format], Number(process.hrtime.bigint() - start) / 1e6);
      web[format] = Math.min(web[format], await b.evaluate(`(() => {
        const start = performance.now();
        rezonans.session(window.input, ${o});
        return performance.now() - start;
      })()`));
    }
  }
  // What the browser's decoding of the output takes alone, decoded as the
  // bridge decodes it: in pieces of 64 KiB, joined.
  const decoding = {};
  for (const format of FORMATS) {
    decoding[format] = await b.evaluate(`(() => {
      const bytes = new TextEncoder().encode(rezonans.session(window.input, ${JSON.stringify({ format })}));
      let best = Infinity;
      for (let round = 0; round < 7; round++) {
        const start = performance.now();
        const decoder = new TextDecoder();
        const pieces = [];
        for (let at = 0; at < bytes.length; at += 65536) {
          pieces.push(decoder.decode(bytes.subarray(at, at + 65536), { stream: true }));
        }
        pieces.push(decoder.decode());
        pieces.join('');
        best = Math.min(best, performance.now() - start);
      }
      return best;
    })()`);
  }
  await b.close();
  const perEntry = (ms) => ((ms * 1000) / entries).toFixed(2);
  const row = (name, cells) => console.log(name.padEnd(9) + cells.map((c) => String(c).padStart(10)).join(''));
  console.log('us per entry');
  row('', FORMATS);
  row('page', FORMATS.map((f) => perEntry(web[f])));
  row('rezonans', FORMATS.map((f) => perEntry(native[f])));
  row('ratio', FORMATS.map((f) => (web[f] / native[f]).toFixed(2)));
  row('decoding', FORMATS.map((f) => perEntry(decoding[f])));
  console.log(`(${entries} entries, fastest of seven; the page's session() timed in the page, the program from its start to its exit;`);
  console.log(' decoding: of the page\'s time, what the browser takes to make a string of the output\'s UTF-8)');
  console.log(`page: ${page}, ${fs.statSync(page).size} bytes`);
})();
