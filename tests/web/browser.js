'use strict';
// The page in a real browser: Chromium, headless, opens it from disk. Every
// transcript that session() can give (its input a text file, its arguments
// only options) must come out byte for byte; a person types an entry and
// recalls it; no request leaves the page and no script error or console
// error shows.
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

  // A person: types an entry, presses Enter, reads the answer, recalls it.
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
