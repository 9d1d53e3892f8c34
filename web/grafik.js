// The picture of an answer (#chart): the reactance of the inductor (X_L) and
// of the capacitor (X_C) against frequency on logarithmic axes, two lines
// through the points the core computed, crossing at the answer's F and R;
// with a series, the bands of the standard parts under the asked F, each
// numbered as its row of the table. Plain SVG, placed by the decades the
// core gives.
const Grafik = (svg, edinicy, slova) => {
  const NS = 'http://www.w3.org/2000/svg';
  // The picture's size and the margins of the plot in it, for the labels.
  const W = 360;
  const H = 240;
  const LEFT = 54;
  const RIGHT = 24;
  const TOP = 24;
  const BOTTOM = 22;
  const el = (name, attrs, text) => {
    const e = document.createElementNS(NS, name);
    for (const [k, v] of Object.entries(attrs)) {
      e.setAttribute(k, v);
    }
    if (text !== undefined) {
      e.textContent = text;
    }
    return e;
  };
  svg.setAttribute('viewBox', `0 0 ${W} ${H}`);
  // The axes with their labels, drawn anew only when their decades change;
  // the answer on them; or the word why there is no picture.
  const osi = el('g', {});
  const linii = el('g', {});
  const net = el('text', { x: W / 2, y: H / 2, 'text-anchor': 'middle' });
  svg.append(osi, linii, net);
  let shkala = '';

  // Where a value stands between the first and the last decade of an axis,
  // from 0 to 1.
  const mesto = (ticks) => {
    const a = Math.log10(ticks[0].x);
    const b = Math.log10(ticks[ticks.length - 1].x);
    return (v) => (Math.log10(v) - a) / (b - a);
  };

  // `polosy`: the bands to show, in the order of their table's rows.
  return (otvet, polosy, pochemu) => {
    const chart = otvet?.chart;
    net.textContent = chart ? '' : pochemu;
    if (!chart) {
      osi.replaceChildren();
      linii.replaceChildren();
      shkala = '';
      svg.setAttribute('aria-label', `${slova.get('chart-none')} ${pochemu}`);
      return;
    }
    const fx = mesto(chart.ticksF);
    const ry = mesto(chart.ticksX);
    const x = (f) => (LEFT + fx(f) * (W - LEFT - RIGHT)).toFixed(1);
    const y = (r) => (H - BOTTOM - ry(r) * (H - TOP - BOTTOM)).toFixed(1);
    const decades = JSON.stringify([chart.ticksF, chart.ticksX]);
    if (decades !== shkala) {
      shkala = decades;
      const axes = [];
      for (const t of chart.ticksF) {
        axes.push(el('line', { class: 'setka', x1: x(t.x), x2: x(t.x), y1: TOP, y2: H - BOTTOM }),
          el('text', { x: x(t.x), y: H - 6, 'text-anchor': 'middle' }, edinicy.tekst(t, 'F')));
      }
      for (const t of chart.ticksX) {
        axes.push(el('line', { class: 'setka', x1: LEFT, x2: W - RIGHT, y1: y(t.x), y2: y(t.x) }),
          el('text', { x: LEFT - 4, y: y(t.x), 'text-anchor': 'end', 'dominant-baseline': 'middle' },
            edinicy.tekst(t, 'R')));
      }
      axes.push(el('text', { class: 'xl', x: LEFT, y: 14 }, slova.get('xl')),
        el('text', { class: 'xc', x: W - RIGHT, y: 14, 'text-anchor': 'end' }, slova.get('xc')));
      osi.replaceChildren(...axes);
    }
    const parts = polosy.flatMap((b, i) => {
      // At least two pixels wide, so that the band of the finest series
      // shows too.
      const at = H - BOTTOM - 9 * (i + 1);
      const width = Math.max(2, x(b.to.x) - x(b.from.x));
      return [el('rect', { class: 'polosa', x: x(b.from.x), y: at, width, height: 6 }),
        el('text', { class: 'nomer', x: Number(x(b.from.x)) - 3, y: at + 6, 'text-anchor': 'end' }, String(i + 1))];
    });
    const line = (cls, r) => el('polyline', {
      class: cls, points: chart.f.map((f, i) => `${x(f)},${y(r[i])}`).join(' '),
    });
    parts.push(el('line', { class: 'zadano', x1: x(otvet.F.x), x2: x(otvet.F.x), y1: TOP, y2: H - BOTTOM }),
      line('xl', chart.xl), line('xc', chart.xc),
      el('circle', { class: 'tochka', cx: x(otvet.F.x), cy: y(otvet.R.x), r: 3.5 }));
    linii.replaceChildren(...parts);
    const bands = polosy.map((b, i) => `${i + 1}: ${edinicy.polosa(b, 'F')}`).join('; ');
    svg.setAttribute('aria-label', `${slova.get('chart')}; ${slova.get('chart-cross')} ` +
      `F = ${edinicy.tekst(otvet.F, 'F')}, R = ${edinicy.tekst(otvet.R, 'R')}` +
      (bands ? `; ${slova.get('chart-bands')} ±${otvet.tolerance} %: ${bands}` : ''));
  };
};
