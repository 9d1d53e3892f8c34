'use strict';
// Debian's Chromium, headless, driven through its DevTools protocol on a
// pipe (fds 3 and 4, one JSON message per NUL), with a fresh profile and a
// page of its own. No package beyond node's own is needed.
const { spawn } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

// Starts the browser and opens a tab; resolves to the tab's commands, the
// browser's, tab() for another tab, the events so far, and close(), which
// ends the browser and its profile.
const open = async (chromium) => {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'rezonans-web-'));
  const browser = spawn(chromium, ['--headless', '--no-sandbox', '--disable-gpu',
    '--no-first-run', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--remote-debugging-pipe', `--user-data-dir=${profile}`],
  { stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'] });
  let next = 1;
  let received = '';
  const waiting = new Map();
  const events = [];
  browser.stdio[4].on('data', (chunk) => {
    received += chunk.toString();
    let end;
    while ((end = received.indexOf('\0')) >= 0) {
      const message = JSON.parse(received.slice(0, end));
      received = received.slice(end + 1);
      if (waiting.has(message.id)) {
        waiting.get(message.id)(message);
        waiting.delete(message.id);
      } else if (message.method) {
        events.push(message);
      }
    }
  });
  const post = (message) => browser.stdio[3].write(JSON.stringify(message) + '\0');
  const command = (sessionId) => (method, params = {}) => new Promise((resolve, reject) => {
    const id = next++;
    waiting.set(id, (m) => (m.error ? reject(new Error(`${method}: ${m.error.message}`)) : resolve(m.result)));
    post({ id, method, params, sessionId });
  });
  // A new tab: its commands.
  const tab = async () => {
    const { targetId } = await command()('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await command()('Target.attachToTarget', { targetId, flatten: true });
    const send = command(sessionId);
    const evaluate = async (expression) => {
      const r = await send('Runtime.evaluate', { expression, awaitPromise: true, returnByValue: true });
      if (r.exceptionDetails) {
        throw new Error(`${expression.slice(0, 60)}: ${r.exceptionDetails.exception?.description ?? r.exceptionDetails.text}`);
      }
      return r.result.value;
    };
    return { send, evaluate };
  };
  // The browser closes itself, and its profile with it, before the profile
  // goes; one that does not is ended.
  const close = () => new Promise((done) => {
    browser.once('exit', () => {
      fs.rmSync(profile, { recursive: true, force: true, maxRetries: 10 });
      done();
    });
    post({ id: 0, method: 'Browser.close' });
    setTimeout(() => browser.kill(), 5000);
  });
  return { ...(await tab()), tab, browser: command(), events, close };
};

// Opens the page in the tab `t` and waits for its core: window.rezonans.
// A page that fails to start fails here, not at the watchdog.
const show = async (t, url, domains) => {
  for (const domain of ['Page', ...domains]) {
    await t.send(`${domain}.enable`);
  }
  await t.send('Page.navigate', { url });
  await t.evaluate(`new Promise((loaded, failed) => {
    const given = Date.now() + 20000;
    const ready = () => (window.rezonans ? loaded()
      : Date.now() < given ? setTimeout(ready, 10)
      : failed(new Error('no window.rezonans 20 s after the page was opened')));
    ready();
  })`);
};

// Opens the page file, and with page() the same in another tab of the
// same browser.
const load = async (chromium, page, domains = []) => {
  const b = await open(chromium);
  b.url = 'file://' + path.resolve(page);
  await show(b, b.url, domains);
  b.page = async () => {
    const t = await b.tab();
    await show(t, b.url, domains);
    return t;
  };
  return b;
};

module.exports = { load };
