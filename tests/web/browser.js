'use strict';
// The page in a real browser: Chromium, headless, opens it from disk. Every
// transcript that session() can give (its input a text file, its arguments
// only options) must come out byte for byte; a person fills the
// calculator's fields, follows its link and reads it on a narrow screen,
// then types an entry in the console and recalls it; no request leaves the
// page and no script error or console error shows.
// Usage: node browser.js CHROMIUM PAGE.html TRANSCRIPTS_DIR
const fs = require('fs');
const path = require('path');
const { load } = require('./chromium');

const [chromium, page, dir] = process.argv.slice(2);
let b;
const finish = async (status) => {
  await b?.close();
  process.exit(status);
};
setTimeout(() => { console.log('timed out'); finish(1); }, 240000);
const key = async (name, code, text) => {
  await b.send('Input.dispatchKeyEvent', { type: text ? 'keyDown' : 'rawKeyDown', key: name, windowsVirtualKeyCode: code, text });
  await b.send('Input.dispatchKeyEvent', { type: 'keyUp', key: name, windowsVirtualKeyCode: code });
};

// The options session() takes for a transcript's arguments: --NAME=VALUE or
// --NAME VALUE only; null for any other argument.
const options = (args) => {
  const o = {};
  for (let i = 0; i < args.length; i++) {
    const m = /^--([a-z]+)(?:=(.*))?$/.exec(args[i]);
    if (!m || (m[2] === undefined && (i + 1 >= args.length || args[i + 1].startsWith('-')))) {
      return null;
    }
    o[m[1]] = m[2] ?? args[++i];
  }
  return o;
};
const optional = (file, otherwise) => (fs.existsSync(file) ? fs.readFileSync(file) : otherwise);

// The calculator as a person uses it: each case opens the page afresh
// (with `null`, goes on from the case before), then in turn picks from a
// list or empties a field and types into it key by key, and compares what
// the page shows: each field as [value, prefix, state], the words beside
// the fields, the first row of the pairs, the pairs' band, and the
// picture's lines by their points.
const CALCULATOR = [
  ['lc', '', [['L-prefix', 'u'], ['L', '4,5'], ['C-prefix', 'n'], ['C', '10']],
    { L: ['4,5', 'u', 'given'], C: ['10', 'n', 'given'], F: ['0,750264', 'M', 'computed'],
      R: ['21,2132', '', 'computed'], lines: [5, 5] }],
  ['retyped', null, [['F', '1']],
    { L: ['2,53303', 'u', 'computed'], C: ['10', 'n', 'given'], F: ['1', 'M', 'given'],
      R: ['15,9155', '', 'computed'] }],
  ['pairs', '', [['F-prefix', 'M'], ['F', '7,1'], ['R-prefix', ''], ['R', '50'],
    ['calculator-series', 'E12']],
  { pair: ['1', '1 мкГн', '470 пФ', '7,34127 МГц', '+3,40 %', '46,1266 Ом', '-7,75 %'],
    band: 'Первая пара, обе детали в допуске ±10 %: 6,67388 – 8,15697 МГц' }],
  ['tolerance', null, [['tolerance', '5']],
    { band: 'Первая пара, обе детали в допуске ±5 %: 6,99169 – 7,72765 МГц' }],
  ['strict', '', [['L-prefix', 'u'], ['L', '4.5k'], ['C-prefix', 'n'], ['C', '10']],
    { L: ['4.5k', 'u', 'invalid'], F: ['', 'K', 'empty'], R: ['', '', 'empty'], lines: [],
      words: ['«k»: только цифры и одна запятая или точка'] }],
  ['infinite', '', [['L', '0'], ['C', '1']],
    { F: ['inf', 'Z', 'computed, why'], R: ['-nan', 'a', 'computed, why'], lines: [] }],
  ['past-giga', '', [['L-prefix', 'p'], ['L', '1'], ['C-prefix', 'p'], ['C', '0,1']],
    { F: ['0,503292', 'T', 'computed'] }],
  ['past-giga-given', null, [['F', '2']],
    { F: ['2', 'T', 'invalid'], L: ['', 'p', 'empty'] }],
];
// What the calculator shows, as the cases above name it.
const SHOWN = `(() => {
  const $ = (s) => document.querySelector(s);
  const state = (e, why) => (e.getAttribute('aria-invalid') === 'true' ? (why ? 'invalid' : 'invalid, no word')
    : e.classList.contains('computed') ? (why ? 'computed, why' : 'computed') : e.value ? 'given' : 'empty');
  const v = {};
  for (const q of 'LCFR') {
    v[q] = [$('#' + q).value, $('#' + q + '-prefix').value, state($('#' + q), $('#' + q + '-note').textContent)];
  }
  v.words = [...'LCFR'].map((q) => $('#' + q + '-note').textContent).filter((w) => w !== '');
  v.pair = [...($('#pairs tbody tr')?.cells ?? [])].map((c) => c.textContent);
  v.band = $('#pair-band').textContent;
  v.lines = [...document.querySelectorAll('#chart polyline')].map((l) => l.points.length);
  return v;
})()`;
// The four fields, the series and the tolerance, for a page opened by the
// link.
const FIELDS = `['L', 'L-prefix', 'C', 'C-prefix', 'F', 'F-prefix', 'R', 'R-prefix',
  'calculator-series', 'tolerance'].map((id) => document.getElementById(id).value)`;

let passed = 0;
let failed = 0;
const check = (name, ok, why) => {
  if (ok) {
    passed++;
  } else {
    failed++;
    console.log(`FAIL ${name}: ${why}`);
  }
};

(async () => {
  b = await load(chromium, page, ['Network', 'Runtime', 'Log']);
  const { evaluate, events, url } = b;
  const skipped = {};
  for (const file of fs.readdirSync(dir).filter((f) => f.endsWith('.in')).sort()) {
    const name = file.slice(0, -3);
    const base = path.join(dir, name);
    const args = optional(`${base}.args`, '').toString().split('\n').filter((a, i, all) => i < all.length - 1 || a !== '');
    const o = options(args);
    const input = fs.statSync(`${base}.in`).isFile() ? fs.readFileSync(`${base}.in`) : null;
    const why = input === null ? 'input not a file'
      : !Buffer.from(input.toString()).equals(input) ? 'input not UTF-8'
        : o === null ? 'arguments other than options' : null;
    if (why) {
      (skipped[why] ||= []).push(name);
      continue;
    }
    const r = await evaluate(`(() => {
      try {
        return { out: rezonans.session(${JSON.stringify(input.toString())}, ${JSON.stringify(o)}) };
      } catch (e) {
        return { error: e.message, status: e.status };
      }
    })()`);
    const status = Number(optional(`${base}.status`, '0').toString());
    const expected = fs.readFileSync(`${base}.out`);
    if (status === 2) {
      check(name, r.status === 2 && r.error === optional(`${base}.err`, '').toString(),
        `expected the error ${JSON.stringify(optional(`${base}.err`, '').toString())}, got ${JSON.stringify(r)}`);
    } else {
      const got = Buffer.from(r.out ?? '');
      const line = expected.toString().split('\n').findIndex((l, i) => l !== got.toString().split('\n')[i]);
      check(name, r.error === undefined && got.equals(expected),
        r.error ?? `differs from ${name}.out from line ${line + 1}: ${JSON.stringify(got.toString().split('\n')[line])}`);
    }
  }

  const opened = async (hash) => {
    await b.send('Page.navigate', { url: 'about:blank' });
    await b.send('Page.navigate', { url: url + hash });
    await evaluate(`new Promise((loaded) => {
      const ready = () => (window.rezonans ? loaded() : setTimeout(ready, 10));
      ready();
    })`);
  };
  for (const [name, hash, steps, expected] of CALCULATOR) {
    if (hash !== null) {
      await opened(hash);
    }
    for (const [id, value] of steps) {
      if (id.endsWith('-prefix') || id.endsWith('-series')) {
        await evaluate(`(() => {
          const list = document.getElementById('${id}');
          list.value = '${value}';
          list.dispatchEvent(new Event('change'));
        })()`);
        continue;
      }
      await evaluate(`(() => { const e = document.getElementById('${id}'); e.focus(); e.select(); })()`);
      await key('Backspace', 8);
      for (const ch of value) {
        await key(ch, 0, ch);
      }
    }
    const shown = await evaluate(SHOWN);
    for (const [what, want] of Object.entries(expected)) {
      check(`calculator.${name}.${what}`, JSON.stringify(shown[what]) === JSON.stringify(want),
        `expected ${JSON.stringify(want)}, the page shows ${JSON.stringify(shown[what])}`);
    }
  }
  // The link after an answer, opened in a new page, gives the same fields;
  // a 320-pixel-wide screen needs no sideways scrolling.
  await opened('');
  for (const [id, value] of [['F', '7,1'], ['R', '50']]) {
    await evaluate(`(() => { const e = document.getElementById('${id}'); e.focus(); e.select(); })()`);
    for (const ch of value) {
      await key(ch, 0, ch);
    }
  }
  await evaluate(`(() => {
    const list = document.getElementById('calculator-series');
    list.value = 'E24';
    list.dispatchEvent(new Event('change'));
  })()`);
  // The address changes once the typing pauses.
  await evaluate('new Promise((paused) => setTimeout(paused, 600))');
  const here = await evaluate(FIELDS);
  const link = await evaluate('location.href');
  const other = await load(chromium, link.replace('file://', ''));
  const there = await other.evaluate(FIELDS);
  await other.close();
  check('calculator.link', link.includes('#') && JSON.stringify(there) === JSON.stringify(here),
    `${link} opened gives ${JSON.stringify(there)}, not ${JSON.stringify(here)}`);
  await b.send('Emulation.setDeviceMetricsOverride', { width: 320, height: 640, deviceScaleFactor: 1, mobile: true });
  const wide = await evaluate('document.documentElement.scrollWidth');
  check('calculator.320px', wide <= 320, `the page is ${wide} pixels wide`);
  await b.send('Emulation.clearDeviceMetricsOverride');

  // A person in the console: types an entry, presses Enter, reads the
  // answer, recalls it.
  await evaluate("document.getElementById('console-tab').click()");
  await evaluate("document.getElementById('entry').focus()");
  for (const ch of '4,5ul 10nc') {
    await key(ch, 0, ch);
  }
  await key('Enter', 13, '\r');
  check('person.answer', await evaluate("document.getElementById('answers').textContent.includes('F=0,750264')"),
    'no answer with F=0,750264 in #answers');
  await key('ArrowUp', 38);
  const recalled = await evaluate("document.getElementById('entry').value");
  check('person.recall', recalled === '4,5ul 10nc', `Up gave ${JSON.stringify(recalled)}`);
  // A w in a word of a note clears nothing and the page says why; a w of its
  // own clears the answers.
  const enter = async (line) => {
    await evaluate(`document.getElementById('entry').value = ${JSON.stringify(line)}`);
    await key('Enter', 13, '\r');
    return evaluate("document.getElementById('answers').textContent");
  };
  const kept = await enter('10uL100pC wire');
  check('person.w-among', kept.includes('F=0,750264') && kept.includes('команда очистки экрана'),
    'a w in a word cleared the answers, or nothing said why');
  check('person.w', (await enter('w')) === '', 'w did not clear the answers');

  // Nothing but the page itself was asked for; no error of a script or on
  // the console.
  const requests = events.filter((e) => e.method === 'Network.requestWillBeSent' && e.params.request.url !== url);
  check('page.requests', requests.length === 0, requests.map((e) => e.params.request.url).join(' '));
  const errors = events.filter((e) => e.method === 'Runtime.exceptionThrown' ||
    (e.method === 'Runtime.consoleAPICalled' && e.params.type === 'error') ||
    (e.method === 'Log.entryAdded' && e.params.entry.level === 'error'));
  check('page.errors', errors.length === 0, JSON.stringify(errors.map((e) => e.params)));

  for (const [why, names] of Object.entries(skipped)) {
    console.log(`skipped (${why}): ${names.join(' ')}`);
  }
  const skips = Object.values(skipped).flat().length;
  console.log(`web: ${passed} passed, ${failed} failed, ${skips} skipped`);
  finish(failed === 0 && passed > 0 ? 0 : 1);
})().catch((e) => {
  console.log(e.message);
  finish(1);
});
