'use strict';
// The page in a real browser: Chromium, headless, opens it from disk. Every
// transcript that session() can give (its input a text file, its arguments
// only options) must come out byte for byte; with the program given, so must
// a few hundred inputs and command lines nobody wrote, from a fixed seed. A
// person fills the calculator's fields, follows its link and reads it on a
// narrow screen; fills the tuning range's, chooses its parts and reads its
// design, its standard parts and its dial; in the console, types entries, recalls and edits them,
// saves the CSV, and types in two tabs at once; no request leaves the page
// and no script error or console error shows.
// Usage: node browser.js CHROMIUM PAGE.html TRANSCRIPTS_DIR [PROGRAM]
const { spawnSync } = require('child_process');
const fs = require('fs');
const path = require('path');
const { load } = require('./chromium');

const [chromium, page, dir, program] = process.argv.slice(2);
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

// The calculator as a person uses it: each case opens the page afresh at
// an address (with `null`, goes on from the case before), then in turn
// picks from a list, presses a pin or a button (or a key on a tab), pastes
// into a field, types at the end of a field ('more', '\b' a Backspace) or
// empties it and types into it key by key; sets the screen's width (0: as
// it was) or its colour scheme, waits, or opens its own address afresh
// ('reopen'); and compares what the page shows at once: each field as
// [value, prefix (null: none chosen), state], the stray's and the Q's too,
// the words beside the fields, the pins (and whether only a colour marks
// them), the fields that take no typing, those cut short, those described
// as computed, the tab open and the words about the link's view, the
// summary, the circuit as built, the first row of the pairs (and the
// contrast of its cells' names), the pairs' band, the words beside the
// tolerance, the series and the words beside it, the address, the
// picture's lines by their points, its band at -3 dB (whether around F),
// its message (whether inside the picture), the bands' names (and whether
// their type is legible), what stands below the line in it, how many units
// each list offers, and the coil measured (L, the stray, the words, whether
// its stray can be taken).
const CALCULATOR = [
  ['plain-kept', '', [['wait', 600]], { address: '', open: 'calculator-tab' }],
  ['lc', '', [['L-prefix', 'u'], ['L', '4,5'], ['C-prefix', 'n'], ['C', '10']],
    { L: ['4,5', 'u', 'given'], C: ['10', 'n', 'given'], F: ['750,264', 'K', 'computed'],
      R: ['21,2132', '', 'computed'], lines: [5, 5], described: ['F', 'R'],
      result: 'Вычислено: F = 750,264 кГц, R = 21,2132 Ом', below: ['L:sub', 'C:sub'], units: [11, 11, 11, 11] }],
  ['retyped', null, [['F', '1']],
    { L: ['2,53303', '', 'computed'], C: ['10', 'n', 'given'], F: ['1', 'K', 'given'],
      R: ['15,9155', 'K', 'computed'] }],
  ['own-unit', '', [['L', '10'], ['C-prefix', 'p'], ['C', '100'], ['F', '455']],
    { F: ['455', 'K', 'given'], C: ['100', 'p', 'given'], L: ['1,22354', 'm', 'computed'] }],
  ['chosen-unit', '', [['F-prefix', 'M'], ['F', '7,1'], ['R', '50'], ['C-prefix', 'n']],
    { C: ['0,448324', 'n', 'computed'], F: ['7,1', 'M', 'given'], R: ['50', '', 'given'],
      L: ['1,12081', 'u', 'computed'] }],
  ['pasted', '', [['F-prefix', 'M'], ['F', '7,1'], ['C', '448,324 пФ', 'paste']],
    { C: ['448,324 пФ', 'p', 'given'], F: ['7,1', 'M', 'given'], R: ['50', '', 'computed'], words: [] }],
  ['unit-deleted', null, [['C', '\b\b\b', 'more']], { C: ['448,324', 'p', 'given'], R: ['50', '', 'computed'] }],
  ['spaces', '', [['L', ' 10 '], ['C', '1 000']],
    { L: [' 10 ', 'u', 'given'], C: ['1 000', 'n', 'given'], F: ['50,3292', 'K', 'computed'], words: [] }],
  ['tab', null, [['R', '4,7\t', 'paste']], { R: ['4,7\t', '', 'given'], C: ['1 000', 'n', 'given'], words: [] }],
  ['letter-codes', '', [['L-prefix', 'm'], ['L', '10u'], ['C', '4n7']],
    { L: ['10u', 'u', 'given'], C: ['4n7', 'n', 'given'], F: ['734,127', 'K', 'computed'] }],
  ['letter-codes-r', null, [['R', '2R2']], { R: ['2R2', '', 'given'], L: ['22,748', 'n', 'computed'] }],
  ['other-quantity', '', [['L', '10 пФ'], ['C', '1']],
    { L: ['10 пФ', 'u', 'invalid'], words: ['«пФ» - единица ёмкости, а здесь индуктивность'], lines: [] }],
  ['other-quantity-deleted', null, [['L', '\b\b\b', 'more']], { L: ['10', 'u', 'given'], F: ['1,59155', 'M', 'computed'] }],
  ['unknown-unit', '', [['F', '7 мгц']], { F: ['7 мгц', 'K', 'invalid'],
    words: ['«мгц» - незнакомая единица: частота - в Гц или Hz (заглавные и строчные буквы различаются)'] }],
  ['pairs', '', [['F-prefix', 'M'], ['F', '7,1'], ['R-prefix', ''], ['R', '50'],
    ['calculator-series', 'E12'], ['width', 320]],
  { pair: ['1', '1 мкГн', '470 пФ', '7,34127 МГц', '+3,40 %', '46,1266 Ом', '-7,75 %'],
    band: 'Первая пара, обе детали в допуске ±10 %: 6,67388 – 8,15697 МГц',
    bands: ['1: 1 мкГн, 470 пФ', '2: 1,2 мкГн, 390 пФ', '3: 1,2 мкГн, 470 пФ', '4: 1 мкГн, 390 пФ', 'legible'],
    labels: 'legible' }],
  ['pairs-dark', null, [['scheme', 'dark']], { labels: 'legible' }],
  ['tolerance', null, [['scheme', 'light'], ['width', 0], ['tolerance', '5']],
    { band: 'Первая пара, обе детали в допуске ±5 %: 6,99169 – 7,72765 МГц', tolerance: '' }],
  ['rounds', null, [['tolerance', '99.99999999999999']],
    { tolerance: 'меньше 100, но в вычислениях равен 100: нужно меньше; пока взят допуск ряда',
      band: 'Первая пара, обе детали в допуске ±10 %: 6,67388 – 8,15697 МГц', lines: [5, 5] }],
  ['tolerance-0', null, [['tolerance', '0,']],
    { tolerance: 'процент больше 0 и меньше 100; пока взят допуск ряда',
      band: 'Первая пара, обе детали в допуске ±10 %: 6,67388 – 8,15697 МГц', L: ['1,12081', 'u', 'computed'] }],
  ['tolerance-150', null, [['tolerance', '150']],
    { tolerance: 'процент больше 0 и меньше 100; пока взят допуск ряда',
      band: 'Первая пара, обе детали в допуске ±10 %: 6,67388 – 8,15697 МГц' }],
  ['tolerance-minus', null, [['tolerance', '-3']],
    { tolerance: '«-»: только цифры и одна запятая или точка; пока взят допуск ряда',
      band: 'Первая пара, обе детали в допуске ±10 %: 6,67388 – 8,15697 МГц' }],
  ['tolerance-spaces', null, [['tolerance', ' 5 % ']],
    { tolerance: '', band: 'Первая пара, обе детали в допуске ±5 %: 6,99169 – 7,72765 МГц' }],
  ['strict', '', [['L-prefix', 'u'], ['L', '1e-6'], ['C-prefix', 'n'], ['C', '10']],
    { L: ['1e-6', 'u', 'invalid'], F: ['', 'K', 'empty'], R: ['', '', 'empty'], lines: [],
      words: ['«e»: только цифры, одна запятая или точка, приставка и единица'] }],
  ['invisible', '', [['L-prefix', 'u'], ['L', '\u200b1'], ['C-prefix', 'n'], ['C', '10']],
    { L: ['\u200b1', 'u', 'invalid'], words: ['«\\u200B»: только цифры, одна запятая или точка, приставка и единица'] }],
  ['infinite', '', [['L', '0'], ['C-prefix', ''], ['C', '1']],
    { F: ['бесконечность', '', 'computed, why'], R: ['не число', '', 'computed, why'], lines: [],
      message: 'inside' }],
  ['infinite-320', null, [['width', 320]], { message: 'inside' }],
  ['infinite-emptied', null, [['width', 0], ['F', '5']], { F: ['5', 'K', 'given'], L: ['1,01321', 'n', 'computed'] }],
  ['past-tera', '', [['F-prefix', 'G'], ['F', '1000000'], ['R-prefix', 'G'], ['R', '1000000']],
    { C: ['1,59155·10⁻³¹', '', 'computed'], L: ['159,155', 'm', 'computed'] }],
  ['past-tera-320', null, [['width', 320]], { C: ['1,59155·10⁻³¹', '', 'computed'], cut: [] }],
  ['past-tera-pasted', null, [['width', 0], ['C', '1,59155·10⁻³¹ Ф', 'paste']],
    { C: ['1,59155·10⁻³¹ Ф', '', 'given'], L: ['159,155', 'm', 'computed'] }],
  ['pin', '', [['L', '10'], ['L-pin'], ['C', '100'], ['F', '1']],
    { L: ['10', 'u', 'given'], C: ['2,53303', 'm', 'computed'], F: ['1', 'K', 'given'], pins: ['L'] }],
  ['pin-address', null, [['wait', 600]], { address: '#L=10&L-prefix=u&F=1&F-prefix=K&pin=L' }],
  ['pins', null, [['R-pin']],
    { pins: ['L', 'R'], locked: ['C', 'F'], R: ['62,83185', 'm', 'given'], F: ['1', 'K', 'computed'] }],
  ['pins-typed', null, [['F', '5']], { F: ['1', 'K', 'computed, why'],
    words: ['два других поля закреплены, это вычисляется: чтобы задать его, открепите одно из них'] }],
  ['pin-link', '#L=10&L-prefix=u&C=100&C-prefix=p&pin=L', [['F', '1']],
    { L: ['10', 'u', 'given'], C: ['2,53303', 'm', 'computed'], pins: ['L'] }],
  ['link-unit', '#L=4,5&L-prefix=x&C=10&C-prefix=n',
    [], { L: ['4,5', null, 'invalid'], words: ['«x»: такой единицы нет - выберите единицу из списка'],
      units: [11, 11, 11, 11], lines: [] }],
  ['link-unit-chosen', null, [['L-prefix', 'u']],
    { L: ['4,5', 'u', 'given'], words: [], lines: [5, 5], units: [11, 11, 11, 11] }],
  ['link-series', '#L=4,5&L-prefix=u&C=10&C-prefix=n&series=e12', [], { series: ['E12', ''] }],
  ['link-unit-typed', '#L=4,5&L-prefix=%C2%B5&C=10&C-prefix=n', [],
    { L: ['4,5', 'u', 'given'], F: ['750,264', 'K', 'computed'], words: [] }],
  ['link-view-unknown', '#view=bogus&L=4,5&L-prefix=u&C=10&C-prefix=n', [],
    { open: 'calculator-tab', L: ['4,5', 'u', 'given'], F: ['750,264', 'K', 'computed'],
      note: '«bogus»: такой вкладки нет: открыт калькулятор' }],
  ['link-three-pins', '#L=10&L-prefix=u&C=100&C-prefix=p&pin=L&pin=C&pin=F', [],
    { L: ['10', 'u', 'given'], C: ['100', 'p', 'given'], F: ['5,03292', 'M', 'computed'], pins: ['L', 'C'] }],
  ['link-series-unknown', '#L=4,5&L-prefix=u&C=10&C-prefix=n&series=E7', [],
    { series: ['', '«E7»: такого ряда нет: выберите ряд из списка'] }],
  // A 7 MHz tank with a 10 µH coil, 12 pF of strays and a Q of 150.
  ['stray', '', [['F-prefix', 'M'], ['F', '7'], ['L', '10'], ['stray', '12']],
    { C: ['39,6945', 'p', 'computed'], stray: ['12', 'p', 'given'], circuit: ['circuit-C: 51,6945 пФ'],
      minus3dB: 'none', lines: [5, 5] }],
  ['quality', null, [['quality', '150']],
    { quality: ['150', 'given'], circuit: ['circuit-C: 51,6945 пФ', 'circuit-Q: 150', 'circuit-bandwidth: 46,6667 кГц',
      'circuit-edges: 6,97671 – 7,02337 МГц', 'circuit-R: 65,9734 кОм'], minus3dB: 'around F' }],
  ['as-built-address', null, [['wait', 600]],
    { address: '#F=7&F-prefix=M&L=10&L-prefix=u&stray=12&stray-prefix=p&quality=150' }],
  ['no-part', null, [['stray', '60']],
    { C: ['не число', '', 'computed, why'], words: ['конденсатора нет: паразитная ёмкость больше ёмкости контура'],
      circuit: ['circuit-C: 51,6945 пФ', 'circuit-excess: 8,30552 пФ'], lines: [] }],
  ['quality-zero', null, [['stray', '12'], ['quality', '0']],
    { C: ['39,6945', 'p', 'computed'], quality: ['0', 'invalid'], words: ['добротность - число больше 0, не длиннее 64 знаков'],
      circuit: ['circuit-C: 51,6945 пФ'], minus3dB: 'none' }],
  ['as-built-link', '#F=7&F-prefix=M&L=10&L-prefix=u&stray=12&stray-prefix=p&quality=150', [],
    { C: ['39,6945', 'p', 'computed'], stray: ['12', 'p', 'given'], quality: ['150', 'given'], minus3dB: 'around F' }],
  ['as-built-link-kept', null, [['wait', 600], ['reopen']],
    { address: '#F=7&F-prefix=M&L=10&L-prefix=u&stray=12&stray-prefix=p&quality=150', open: 'calculator-tab',
      C: ['39,6945', 'p', 'computed'], stray: ['12', 'p', 'given'], quality: ['150', 'given'] }],
  ['measure', '', [['measure-C1', '100'], ['measure-F1', '4,756'], ['measure-C2', '47'], ['measure-F2', '6,552']],
    { measure: ['9,99597 мкГн', '12,0293 пФ', '', 'usable'] }],
  ['measure-use', null, [['measure-use']], { stray: ['12,0292725', 'p', 'given'], C: ['', 'n', 'empty'] }],
  ['measure-same-f', null, [['measure-F2', '4,756']],
    { measure: ['', '', 'частоты двух показаний равны: катушку по ним не найти', 'not usable'] }],
  ['measure-negative', '', [['measure-C1', '47'], ['measure-F1', '4,756'], ['measure-C2', '100'], ['measure-F2', '6,552']],
    { measure: ['-9,99597 мкГн', '-159,029 пФ', 'паразитная ёмкость меньше нуля: показания противоречат друг другу, проверьте их',
      'not usable'] }],
];
// What a picture shows: its lines by their points, its message (whether
// inside the picture), the names in it (and whether their type is legible).
const PICTURE = `(chart) => {
  const box = chart.getBoundingClientRect();
  const said = [...chart.querySelectorAll('text, div')].filter((e) => e.textContent !== '' && e.getClientRects().length > 0);
  const names = [...chart.querySelectorAll('.imya, .nomer')];
  const px = (e) => parseFloat(getComputedStyle(e).fontSize) * e.getScreenCTM().a;
  return {
    lines: [...chart.querySelectorAll('polyline')].map((l) => l.points.length),
    message: said.length === 0 ? 'none' : said.every((e) => {
      const r = e.getBoundingClientRect();
      return r.left >= box.left - 0.5 && r.right <= box.right + 0.5 && r.top >= box.top - 0.5 && r.bottom <= box.bottom + 0.5;
    }) ? 'inside' : 'outside',
    bands: [...names.map((e) => e.textContent), ...(names.length > 0 && names.every((e) => px(e) >= 12) ? ['legible'] : [])],
  };
}`;
// What the calculator shows, as the cases above name it.
const SHOWN = `(() => {
  const $ = (s) => document.querySelector(s);
  const state = (e, why) => (e.getAttribute('aria-invalid') === 'true' ? (why ? 'invalid' : 'invalid, no word')
    : e.classList.contains('computed') ? (why ? 'computed, why' : 'computed') : e.value ? 'given' : 'empty');
  const v = {};
  const Q = [...'LCFR'];
  for (const q of Q) {
    const list = $('#' + q + '-prefix');
    v[q] = [$('#' + q).value, list.selectedIndex < 0 ? null : list.value, state($('#' + q), $('#' + q + '-note').textContent)];
  }
  v.stray = [$('#stray').value, $('#stray-prefix').value, state($('#stray'), $('#stray-note').textContent)];
  v.quality = [$('#quality').value, state($('#quality'), $('#quality-note').textContent)];
  v.words = [...Q, 'stray', 'quality'].map((q) => $('#' + q + '-note').textContent).filter((w) => w !== '');
  v.circuit = [...document.querySelectorAll('#circuit dd')].filter((d) => d.getClientRects().length > 0)
    .map((d) => d.id + ': ' + d.textContent);
  v.measure = [...['#measure-L', '#measure-stray', '#measure-note'].map((id) => $(id).textContent),
    $('#measure-use').disabled ? 'not usable' : 'usable'];
  const marked = (pin) => ['none', 'normal'].includes(getComputedStyle(pin, '::before').content) ? ': colour only' : '';
  v.pins = Q.filter((q) => $('#' + q + '-pin')?.getAttribute('aria-pressed') === 'true')
    .map((q) => q + marked($('#' + q + '-pin')));
  v.cut = Q.filter((q) => $('#' + q).scrollWidth > $('#' + q).clientWidth);
  v.open = $('[role="tab"][aria-selected="true"]').id;
  v.note = $('#view-note')?.textContent ?? null;
  // The names of a narrow screen's table cells against the page.
  const light = (c) => c.match(/[\\d.]+/g).slice(0, 3).map((x) => x / 255)
    .map((x) => (x <= 0.03928 ? x / 12.92 : ((x + 0.055) / 1.055) ** 2.4)).reduce((l, x, i) => l + [0.2126, 0.7152, 0.0722][i] * x, 0);
  const back = light(getComputedStyle(document.body).backgroundColor);
  const ratios = [...document.querySelectorAll('.tablica td')].filter((td) => td.getClientRects().length > 0)
    .map((td) => getComputedStyle(td, '::before')).filter((b) => !['none', 'normal'].includes(b.content))
    .map((b) => (Math.max(light(b.color), back) + 0.05) / (Math.min(light(b.color), back) + 0.05));
  v.labels = ratios.length === 0 ? 'none' : Math.min(...ratios) >= 4.5 ? 'legible' : 'faint: ' + Math.min(...ratios).toFixed(2) + ':1';
  v.locked = Q.filter((q) => $('#' + q).readOnly);
  const computed = $('#L-tag').textContent;
  v.described = Q.filter((q) => ($('#' + q).getAttribute('aria-describedby') ?? '').split(' ')
    .some((id) => id && document.getElementById(id).textContent.includes(computed)));
  v.result = $('#result').textContent;
  v.pair = [...($('#pairs tbody tr')?.cells ?? [])].map((c) => c.textContent);
  v.band = $('#pair-band').textContent;
  v.tolerance = $('#tolerance-note').textContent;
  v.series = [$('#calculator-series').value, $('#calculator-series-note')?.textContent ?? null];
  v.address = decodeURIComponent(location.hash);
  v.units = Q.map((q) => $('#' + q + '-prefix').options.length);
  Object.assign(v, (${PICTURE})($('#chart')));
  const band = $('#chart').querySelector('rect.minus3db')?.getBBox();
  const f = Number($('#chart').querySelector('.zadano')?.getAttribute('x1'));
  v.minus3dB = !band ? 'none' : band.x <= f && f <= band.x + band.width ? 'around F' : 'off F';
  v.below = [...$('#chart').querySelectorAll('tspan')].map((t) => t.textContent + ':' + getComputedStyle(t).baselineShift);
  return v;
})()`;
// The tuning range in the same manner, its address naming its view. What
// it shows: each field as [value, prefix (null: none chosen), state], the
// part chosen, the words beside the fields, the tab open, the summary, the
// rows of the design and of the standard parts, the series and the words
// beside it, the address, the page's width, the dial's
// lines by their points, its message, the names in it and what it says to
// a screen reader.
const BROADCAST = [['band-from', '530'], ['band-to-prefix', 'M'], ['band-to', '1,7'], ['variable-min', '10'],
  ['variable-max', '365'], ['range-stray', '15']];
const BROADCAST_DESIGN = [['Катушка L', 'от 229,326 до 352,558 мкГн', '229,326 мкГн'],
  ['Подстроечный Ct', 'от 0 до 13,2199 пФ', '13,2199 пФ'], ['Сопрягающий Cp', 'от 707,449 пФ и больше или без него', 'нет'],
  ['Настройка', '530 кГц – 1,7 МГц', '530 кГц – 1,7 МГц']];
const BANDSPREAD = '#view=range&band-from=5,9&band-from-prefix=M&band-to=6,2&band-to-prefix=M&variable-min=15' +
  '&variable-min-prefix=p&variable-max=365&variable-max-prefix=p&range-stray=25&range-stray-prefix=p';
const PADDER = `${BANDSPREAD}&fixed=padder&fixed-value=27&fixed-value-prefix=p&series=E12`;
const RANGE = [
  ['broadcast', '#view=range', BROADCAST,
    { open: 'range-tab', 'band-to': ['1,7', 'M', 'given'], 'fixed-value': ['', 'u', 'off'], words: [],
      result: 'Вычислено: L = 229,326 мкГн, Ct = 13,2199 пФ, Cp нет', design: BROADCAST_DESIGN, parts: [], lines: [11],
      label: 'Шкала: частота по ходу переменного конденсатора, от 0 до 100 %; Расчёт: 0 % 1,7 МГц, 10 % 1,22406 МГц, ' +
        '20 % 1,00564 МГц, 30 % 873,634 кГц, 40 % 782,875 кГц, 50 % 715,564 кГц, 60 % 663,081 кГц, 70 % 620,676 кГц, ' +
        '80 % 585,487 кГц, 90 % 555,677 кГц, 100 % 530 кГц; края полосы отмечены: 530 кГц – 1,7 МГц' }],
  ['broadcast-address', null, [['wait', 600]],
    { address: '#view=range&band-from=530&band-from-prefix=K&band-to=1,7&band-to-prefix=M&variable-min=10&' +
      'variable-min-prefix=p&variable-max=365&variable-max-prefix=p&range-stray=15&range-stray-prefix=p' }],
  ['broadcast-series', null, [['range-series', 'E12']],
    { parts: [['1', '270 мкГн', 'нет', 'не нужен: и без него нижний край ниже полосы', '496,874 кГц – 1,93717 МГц', 'перекрывает'],
      ['2', '220 мкГн', 'нет', '29,8886 пФ', '530 кГц – 1,44833 МГц', 'не перекрывает']],
    lines: [11, 11], bands: ['Расчёт', '1: 270 мкГн', 'legible'] }],
  ['swapped', '#view=range', [['band-from-prefix', 'M'], ['band-from', '1,7'], ['band-to', '530'], ['variable-min', '365'],
    ['variable-max', '10'], ['range-stray', '15']], { design: BROADCAST_DESIGN, words: [] }],
  ['coil', BANDSPREAD, [['fixed', 'coil'], ['fixed-value', '4,7']],
    { 'fixed-value': ['4,7', 'u', 'given'], result: 'Вычислено: L = 4,7 мкГн, Ct = 105,717 пФ, Cp = 25,8123 пФ' }],
  ['coil-series', null, [['fixed-value', '2'], ['range-series', 'E12']],
    { result: 'Вычислено: L = 2 мкГн, Ct = 292,803 пФ, Cp = 52,6771 пФ',
      parts: [['1', '2 мкГн', '56 пФ', '290,285 пФ', '5,9 – 6,22234 МГц', 'перекрывает'],
        ['2', '2 мкГн', '47 пФ', '297,198 пФ', '5,9 – 6,16187 МГц', 'не перекрывает']] }],
  ['trimmer', BANDSPREAD, [['fixed', 'trimmer'], ['fixed-value', '10']],
    { 'fixed-value': ['10', 'p', 'given'], result: 'Вычислено: L = 15,9421 мкГн, Ct = 10 пФ, Cp = 10,9644 пФ' }],
  ['padder', PADDER, [],
    { open: 'range-tab', fixed: 'padder', 'fixed-value': ['27', 'p', 'given'], series: ['E12', ''],
      result: 'Вычислено: L = 4,43404 мкГн, Ct = 113,97 пФ, Cp = 27 пФ',
      parts: [['1', '4,7 мкГн', '27 пФ', '104,684 пФ', '5,9 – 6,21948 МГц', 'перекрывает'],
        ['2', '3,9 мкГн', '27 пФ', '136,443 пФ', '5,9 – 6,16143 МГц', 'не перекрывает']] }],
  ['padder-kept', null, [['wait', 600]], { open: 'range-tab', address: PADDER }],
  ['another-part', null, [['fixed', 'coil']],
    { 'fixed-value': ['', 'u', 'empty'], result: 'Вычислено: L = 196,332 нГн, Ct = 3,31634 нФ, Cp нет' }],
  ['outside', `${BANDSPREAD}&fixed=coil&fixed-value=100&fixed-value-prefix=u`, [],
    { 'fixed-value': ['100', 'u', 'invalid'], words: ['Расчёт невозможен: катушка вне пределов, от 196,332 нГн до 21,4985 мкГн'],
      design: [['Катушка L', 'от 196,332 нГн до 21,4985 мкГн', ''], ['Подстроечный Ct', 'от 0 до 3,31634 нФ', ''],
        ['Сопрягающий Cp', 'от 9,06735 пФ и больше или без него', ''], ['Настройка', '5,9 – 6,2 МГц', '']],
      lines: [], message: 'inside' }],
  ['impossible', '#view=range', [...BROADCAST.slice(0, 3), ['variable-min', '30'], ...BROADCAST.slice(4)],
    { result: 'Расчёт невозможен: переменный с паразитной ёмкостью перекрывает только от 530 кГц до 1,54014 МГц',
      design: [], lines: [], message: 'inside' }],
  ['same-ends', BANDSPREAD, [['band-to-prefix', 'K'], ['band-to', '5900']],
    { 'band-from': ['5,9', 'M', 'invalid'], 'band-to': ['5900', 'K', 'invalid'], words: ['концы полосы - две разные частоты больше 0'],
      result: 'Ничего не вычислено: исправьте отмеченное поле.', design: [], lines: [] }],
  ['other-quantity', BANDSPREAD, [['range-stray', '25 мкГн']],
    { 'range-stray': ['25 мкГн', 'p', 'invalid'], words: ['«мкГн» - единица индуктивности, а здесь ёмкость'], lines: [] }],
  ['other-quantity-typed', BANDSPREAD, [['band-to', '530 пФ']], { 'band-to': ['530 пФ', 'M', 'invalid'] }],
  ['other-quantity-deleted', null, [['band-to', '\b\b\b', 'more']], { 'band-to': ['530', 'M', 'given'] }],
  ['fixed-unknown', `${BANDSPREAD}&fixed=bogus`, [],
    { fixed: 'none', words: ['«bogus»: такой детали нет: выберите деталь из списка'] }],
  ['console-link', '#view=console', [['wait', 600]], { open: 'console-tab', address: '#view=console' }],
  ['home', '#view=range', [['range-tab', 'Home']], { open: 'calculator-tab' }],
  ['end', '', [['calculator-tab', 'End']], { open: 'range-tab' }],
  ['narrow', PADDER, [['width', 320]], { wide: 320, lines: [11, 11], bands: ['Расчёт', '1: 4,7 мкГн, 27 пФ', 'legible'] }],
  ['link-unit', '#view=range&band-from=530&band-from-prefix=x', [['width', 0]],
    { 'band-from': ['530', null, 'invalid'], words: ['«x»: такой единицы нет - выберите единицу из списка'] }],
  ['link-series-unknown', `${BANDSPREAD}&series=E7`, [], { series: ['', '«E7»: такого ряда нет: выберите ряд из списка'] }],
];
const SHOWN_RANGE = `(() => {
  const $ = (s) => document.querySelector(s);
  const ids = ['band-from', 'band-to', 'variable-min', 'variable-max', 'range-stray', 'fixed-value'];
  const v = {};
  for (const id of ids) {
    const e = $('#' + id);
    const list = $(id === 'fixed-value' ? '#fixed-prefix' : '#' + id + '-prefix');
    v[id] = [e.value, list.selectedIndex < 0 ? null : list.value, e.getAttribute('aria-invalid') === 'true' ? 'invalid'
      : e.disabled ? 'off' : e.value ? 'given' : 'empty'];
  }
  v.fixed = $('#fixed').value;
  v.words = [...ids.map((id) => $('#' + id + '-note').textContent), $('#fixed-note')?.textContent ?? '']
    .filter((w) => w !== '');
  v.open = $('[role="tab"][aria-selected="true"]').id;
  v.result = $('#range-result').textContent;
  const rows = (table) => (table.closest('[hidden]') ? [] : [...table.tBodies[0].rows].map((r) => [...r.cells].map((c) => c.textContent)));
  v.design = rows($('#range-design'));
  v.parts = rows($('#range-parts'));
  v.series = [$('#range-series').value, $('#range-series-note').textContent];
  v.address = decodeURIComponent(location.hash);
  v.wide = document.documentElement.scrollWidth;
  Object.assign(v, (${PICTURE})($('#dial')));
  v.label = $('#dial').getAttribute('aria-label');
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

  // Inputs and command lines nobody wrote, from a fixed seed: the page's
  // session() gives what the program gives through a pipe, or refuses the
  // command line with the program's message. A word with a NUL, which no
  // program can be given, is refused as it would be with the NUL shown ^@.
  let seed = 20261209;
  const random = () => {
    seed = (seed + 0x6d2b79f5) | 0;
    let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
    t ^= t + Math.imul(t ^ (t >>> 7), 61 | t);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  const pick = (list) => list[Math.floor(random() * list.length)];
  const CHARACTERS = [...'0123456789.,GMKmunpLCFRlcfr', ' ', '\t', '\r', '\0', 'q', 'w', 'x', 'k', 'e', '-',
    'м', 'к', 'Г', 'н', '€', '😀', '\x01', '\x7f', '\ud800', '\ufeff'];
  const line = () => Array.from({ length: random() < 0.1 ? 100 + random() * 200 : random() * 24 },
    () => (random() < 0.6 ? pick('0123456789LCFRun') : pick(CHARACTERS))).join('');
  // Now and then 400 lines without a q, whose answers fill many a write.
  const input = () => (random() < 0.05
    ? Array.from({ length: 400 }, () => line().replace(/q/g, '') + '\n').join('')
    : Array.from({ length: random() * 8 }, () => line() + pick(['\n', '\n', '\r\n', '\0\n'])).join('') +
      (random() < 0.3 ? line() : ''));
  // Each option: how often it is given, its values, then a fifth of the
  // time one of the others.
  const OPTIONS = {
    format: [0.5, ['text', 'csv', 'json'], ['CSV', 'xml', '']],
    series: [0.5, ['E3', 'E12', 'E24', 'E192', 'e12'], ['E7', '']],
    tolerance: [0.3, ['5', '2,5', '0.5'], ['0', '100', '5%', 'x']],
    frob: [0.02, [], ['1']],
  };
  const command = () => Object.fromEntries(Object.entries(OPTIONS).filter(([, [often]]) => random() < often)
    .map(([name, [, values, others]]) => [name, pick(random() < 0.8 && values.length ? values : others)]));
  const nul = () => pick([{ series: `E12\0${line()}` }, { format: `csv\0${line()}` }, { series: 'E12', tolerance: `5\0${line()}` }]);
  const sessions = [...Array.from({ length: 300 }, () => [input(), command()]),
    ...Array.from({ length: 12 }, () => [input(), nul()])];
  for (const [i, [text, o]] of sessions.entries()) {
    if (!program && !Object.values(o).join().includes('\0')) {
      (skipped['no program to compare with'] ||= []).push(`random.${i}`);
      continue;
    }
    const got = await evaluate(`(() => {
      try {
        return { out: rezonans.session(${JSON.stringify(text)}, ${JSON.stringify(o)}) };
      } catch (e) {
        return { error: e.message, status: e.status };
      }
    })()`);
    const what = `${JSON.stringify(text).slice(0, 200)} ${JSON.stringify(o)}: the page ${JSON.stringify(got).slice(0, 300)}`;
    if (!program) {
      check(`random.${i}`, got.status === 2, what);
      continue;
    }
    const words = Object.entries(o).map(([name, value]) => `--${name}=${value.replace(/\0/g, '^@')}`);
    const want = spawnSync(program, words, { input: Buffer.from(text) });
    const said = (want.status === 2 ? want.stderr : want.stdout).toString();
    check(`random.${i}`, want.status === 2 ? got.status === 2 && got.error === said : got.error === undefined && got.out === said,
      `${what}, the program ${want.status} ${JSON.stringify(said).slice(0, 300)}`);
  }

  // The calculator or another view, in a tab `t` that opens `address` afresh.
  const opened = async (t, address) => {
    await t.send('Page.navigate', { url: 'about:blank' });
    await t.send('Page.navigate', { url: address });
    await t.evaluate(`new Promise((loaded) => {
      const ready = () => (window.rezonans ? loaded() : setTimeout(ready, 10));
      ready();
    })`);
  };
  for (const [view, cases, shownBy] of [['calculator', CALCULATOR, SHOWN], ['range', RANGE, SHOWN_RANGE]]) {
    for (const [name, hash, steps, expected] of cases) {
      if (hash !== null) {
        await opened(b, url + hash);
      }
      for (const [id, value, how] of steps) {
        if (id === 'width') {
          await b.send(...(value ? ['Emulation.setDeviceMetricsOverride', { width: value, height: 800, deviceScaleFactor: 1, mobile: true }]
            : ['Emulation.clearDeviceMetricsOverride']));
        }
        if (id === 'scheme') {
          await b.send('Emulation.setEmulatedMedia', { features: [{ name: 'prefers-color-scheme', value }] });
        }
        if (id === 'reopen') {
          await opened(b, await evaluate('location.href'));
          continue;
        }
        if (id.endsWith('-tab') && value) {
          await evaluate(`document.getElementById('${id}').focus()`);
          await key(value, { Home: 36, End: 35 }[value]);
          continue;
        }
        if (id === 'width' || id === 'wait' || id === 'scheme') {
          await evaluate(`new Promise((later) => setTimeout(later, ${id === 'wait' ? value : 150}))`);
          continue;
        }
        if (id.endsWith('-pin') || id.endsWith('-tab') || id.endsWith('-use')) {
          await evaluate(`document.getElementById('${id}')?.click()`);
          continue;
        }
        if (id.endsWith('-prefix') || id.endsWith('-series') || id === 'fixed') {
          await evaluate(`(() => {
            const list = document.getElementById('${id}');
            list.value = '${value}';
            list.dispatchEvent(new Event('change'));
          })()`);
          continue;
        }
        await evaluate(`(() => {
          const e = document.getElementById('${id}');
          e.focus();
          e.setSelectionRange(${how === 'more' ? 'e.value.length' : 0}, e.value.length);
        })()`);
        if (how === 'paste') {
          await b.send('Input.insertText', { text: value });
          continue;
        }
        if (how !== 'more') {
          await key('Backspace', 8);
        }
        for (const ch of value) {
          await (ch === '\b' ? key('Backspace', 8) : key(ch, 0, ch));
        }
      }
      const shown = await evaluate(shownBy);
      for (const [what, want] of Object.entries(expected)) {
        check(`${view}.${name}.${what}`, JSON.stringify(shown[what]) === JSON.stringify(want),
          `expected ${JSON.stringify(want)}, the page shows ${JSON.stringify(shown[what])}`);
      }
    }
  }
  // The link after an answer, opened in a new page, gives the same fields;
  // a 320-pixel-wide screen needs no sideways scrolling.
  await opened(b, url);
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
  const linked = await b.tab();
  await opened(linked, link);
  const there = await linked.evaluate(FIELDS);
  check('calculator.link', link.includes('#') && JSON.stringify(there) === JSON.stringify(here),
    `${link} opened gives ${JSON.stringify(there)}, not ${JSON.stringify(here)}`);
  await b.send('Emulation.setDeviceMetricsOverride', { width: 320, height: 640, deviceScaleFactor: 1, mobile: true });
  const wide = await evaluate('document.documentElement.scrollWidth');
  check('calculator.320px', wide <= 320, `the page is ${wide} pixels wide`);
  await b.send('Emulation.clearDeviceMetricsOverride');

  // A person, in the console view: types an entry, presses Enter, reads the
  // answer, recalls it.
  await evaluate("document.getElementById('console-tab').click(); document.getElementById('entry').focus()");
  const type = async (text) => {
    for (const ch of text) {
      await key(ch, 0, ch);
    }
  };
  await type('4,5ul 10nc');
  await key('Enter', 13, '\r');
  check('person.answer', await evaluate("document.getElementById('answers').textContent.includes('F=0,750264')"),
    'no answer with F=0,750264 in #answers');
  await key('ArrowUp', 38);
  const recalled = await evaluate("document.getElementById('entry').value");
  check('person.recall', recalled === '4,5ul 10nc', `Up gave ${JSON.stringify(recalled)}`);

  // Lines entered after an answer: what becomes of the answers shown before
  // (kept and one more, the same, or cleared) and what the newest says, its
  // warning and its answer together.
  const LINES = [
    ['455kF 180pC', 'kept', 'отброшено «k»', 'F=455'],
    ['w 1uL1nC', 'kept', '', 'F=5,03292e+06'],
    ['w\t1uL1nC', 'kept', '', 'F=5,03292e+06'],
    ['10uL100pC wire', 'kept', 'команда очистки экрана', 'Данные введены неверно'],
    ['', 'same'],
    [' \t', 'same'],
    [' w ', 'cleared'],
  ];
  const answers = () => evaluate(`(() => {
    const a = document.getElementById('answers');
    const part = (kind) => a.firstElementChild?.querySelector(kind)?.textContent ?? '';
    return { html: a.innerHTML, count: a.children.length, warning: part('.warning'), answer: part('.answer') };
  })()`);
  const enter = async (line) => {
    await evaluate(`document.getElementById('entry').value = ${JSON.stringify(line)}`);
    await key('Enter', 13, '\r');
  };
  for (const [line, then, warning, answer] of LINES) {
    await enter('4,5ul 10nc');
    const before = await answers();
    await enter(line);
    const after = await answers();
    const ok = { kept: after.count === before.count + 1 && after.warning.includes(warning) &&
        (warning !== '') === (after.warning !== '') && after.answer.includes(answer) && (answer !== '') === (after.answer !== ''),
      same: after.html === before.html, cleared: after.count === 0 }[then];
    check(`person.line ${JSON.stringify(line)}`, ok, `${then} expected, got ${JSON.stringify(after).slice(0, 300)}`);
  }

  // An edited line stays edited while the person moves through the history.
  await key('ArrowUp', 38);
  const stored = await evaluate("document.getElementById('entry').value");
  await type('77');
  for (const k of [['ArrowUp', 38], ['ArrowDown', 40]]) {
    await key(...k);
  }
  const edited = await evaluate("document.getElementById('entry').value");
  check('person.edit', edited === `${stored}77`, `Up, 77, Up, Down gave ${JSON.stringify(edited)}`);

  // The CSV saved holds each answer as it was shown, with its own series,
  // and the page says what the file holds when the series differ.
  const downloads = fs.mkdtempSync(path.join(require('os').tmpdir(), 'rezonans-csv-'));
  await b.browser('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads, eventsEnabled: true });
  await evaluate("document.getElementById('clear').click()");
  for (const [series, line] of [['E12', '1uL1MF'], ['', '1uL1nC']]) {
    await evaluate(`document.getElementById('series').value = ${JSON.stringify(series)}`);
    await enter(line);
  }
  await evaluate("document.getElementById('save').click()");
  for (let i = 0; i < 100 && !events.some((e) => e.params?.state === 'completed'); i++) {
    await new Promise((r) => setTimeout(r, 50));
  }
  const saved = fs.readFileSync(path.join(downloads, 'rezonans.csv'), 'utf8').split('\n');
  fs.rmSync(downloads, { recursive: true });
  const [header, e12] = (await evaluate("rezonans.session('1uL1MF\\n', { format: 'csv', series: 'E12' })")).split('\n');
  const plain = (await evaluate("rezonans.session('1uL1nC\\n', { format: 'csv' })")).split('\n')[1];
  const padded = plain + ','.repeat(header.split(',').length - plain.split(',').length);
  check('person.csv', saved.join('\n') === [header, e12, padded, ''].join('\n') &&
    await evaluate("!document.getElementById('mixed').hidden && document.getElementById('mixed').textContent !== ''"),
  `saved ${JSON.stringify(saved)}, or no word of the series`);

  // Two tabs each take 50 entries at the same moment, then one more in the
  // other tab; the history of this one then holds them all, and the list an
  // older page kept.
  await evaluate("localStorage.setItem('rezonans.history', '[\"old1uL1nC\"]')");
  const other = await b.page();
  const burst = (tab, n) => `(async () => {
    document.getElementById('console-tab')?.click();
    const entry = document.getElementById('entry');
    for (let i = 0; i < ${n}; i++) {
      entry.value = '${tab}' + i + 'uL1nC';
      entry.dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter' }));
      await new Promise((next) => {
        const c = new MessageChannel();
        c.port1.onmessage = next;
        c.port2.postMessage(0);
      });
    }
  })()`;
  await Promise.all([evaluate(burst('a', 50)), other.evaluate(burst('b', 50))]);
  await other.evaluate(burst('late', 1));
  // The other tab's last writes reach this one a moment later.
  let lost = [];
  for (let wait = 0; wait < 20 && (wait === 0 || lost.length > 0); wait++) {
    await new Promise((r) => setTimeout(r, 100 * wait));
    const all = new Set(await evaluate(`(() => {
      const entry = document.getElementById('entry');
      const press = (key) => entry.dispatchEvent(new KeyboardEvent('keydown', { key }));
      for (let i = 0; i < 600; i++) {
        press('ArrowDown');
      }
      return Array.from({ length: 600 }, () => {
        press('ArrowUp');
        return entry.value;
      });
    })()`));
    lost = ['old1uL1nC', 'late0uL1nC', ...['a', 'b'].flatMap((t) => Array.from({ length: 50 }, (_, i) => `${t}${i}uL1nC`))]
      .filter((line) => !all.has(line));
  }
  check('person.tabs', lost.length === 0, `${lost.length} entries lost: ${lost.slice(0, 5).join(' ')}`);

  // With storage at its quota, the entries typed in this tab come back by Up
  // all the same, the newest first.
  await evaluate(`(() => {
    let n = 0;
    for (let size = 1 << 20; size > 0; size >>= 1) {
      try {
        for (;;) {
          localStorage.setItem('fill.' + n++, 'x'.repeat(size));
        }
      } catch {}
    }
  })()`);
  const full = ['full1uL1nC', 'full2uL1nC', 'full3uL1nC'];
  for (const line of full) {
    await enter(line);
  }
  const back = [];
  for (const _ of full) {
    await key('ArrowUp', 38);
    back.push(await evaluate("document.getElementById('entry').value"));
  }
  await evaluate("Object.keys(localStorage).filter((k) => k.startsWith('fill.')).forEach((k) => localStorage.removeItem(k))");
  check('person.quota', JSON.stringify(back) === JSON.stringify([...full].reverse()), `Up gave ${JSON.stringify(back)}`);

  // Nothing but the page itself was asked for; no error of a script or on
  // the console.
  const requests = events.filter((e) => e.method === 'Network.requestWillBeSent' && e.params.request.url !== url);
  check('page.requests', requests.length === 0, requests.map((e) => e.params.request.url).join(' '));
  const errors = events.filter((e) => e.method === 'Runtime.exceptionThrown' ||
    (e.method === 'Runtime.consoleAPICalled' && e.params.type === 'error') ||
    (e.method === 'Log.entryAdded' && e.params.entry.level === 'error'));
  check('page.errors', errors.length === 0, JSON.stringify(errors.map((e) => e.params)));

  for (const [why, names] of Object.entries(skipped)) {
    console.log(`skipped (${why}): ${names.length > 20 ? `${names[0]} to ${names.at(-1)}` : names.join(' ')}`);
  }
  const skips = Object.values(skipped).flat().length;
  console.log(`web: ${passed} passed, ${failed} failed, ${skips} skipped`);
  finish(failed === 0 && passed > 0 ? 0 : 1);
})().catch((e) => {
  console.log(e.message);
  finish(1);
});
