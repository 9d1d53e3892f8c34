'use strict';
// The timing of page.sh: seven rounds, each a run of the native program and
// a call of session() in the page on the same input, taking turns so that a
// busy moment of the machine falls on both.
// Usage: node page.js CHROMIUM PAGE PROGRAM INPUT EXPECTED ENTRIES
const { spawnSync } = require('child_process');
const fs = require('fs');
const { load } = require('../tests/web/chromium');

const [chromium, page, program, input, expected, entries] = process.argv.slice(2);
(async () => {
  const b = await load(chromium, page);
  await b.evaluate(`window.input = ${JSON.stringify(fs.readFileSync(input).toString())}; 0`);
  const out = await b.evaluate('new TextEncoder().encode(rezonans.session(window.input)).length');
  const bytes = fs.statSync(expected).size;
  if (out !== bytes) {
    console.log(`the page wrote ${out} bytes, the program ${bytes}`);
    await b.close();
    process.exit(1);
  }
  let native = Infinity;
  let web = Infinity;
  for (let round = 0; round < 7; round++) {
    const start = process.hrtime.bigint();
    spawnSync(program, { stdio: [fs.openSync(input, 'r'), 'ignore', 'ignore'] });
    native = Math.min(native, Number(process.hrtime.bigint() - start) / 1e6);
    web = Math.min(web, await b.evaluate(`(() => {
      const start = performance.now();
      rezonans.session(window.input);
      return performance.now() - start;
    })()`));
  }
  await b.close();
  const row = (name, value) => console.log(name.padEnd(9) + String(value).padStart(15));
  const perEntry = (ms) => ((ms * 1000) / entries).toFixed(2);
  row('', 'us per entry');
  row('page', perEntry(web));
  row('rezonans', perEntry(native));
  row('ratio', (web / native).toFixed(2));
  console.log(`(${entries} entries, fastest of seven; the page's session() timed in the page, the program from its start to its exit)`);
  console.log(`page: ${page}, ${fs.statSync(page).size} bytes`);
})();
