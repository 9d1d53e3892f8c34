// The picture of an answer (#chart): the reactance of the inductor (X_L) and
// of the capacitor (X_C) against frequency on logarithmic axes, two lines
// through the points the core computed, crossing at the answer's F and R
// (the capacitor's of the circuit's capacitance, with a stray); with a Q,
// the band between its edges at -3 dB marked across them; with a series,
// under it, the bands of the standard parts on the same frequency axis,
// each named for its row of the table. Plain SVG, placed by the decades the
// core gives and labelled with its texts; as wide as it is shown, so that
// its type is the page's size on any screen.
const Grafik = (svg, slova) => {
  // The margins of the plot in the picture, for the labels; each band's
  // row under it: its name, then its bar. The plot is about two thirds as
  // high as it is wide.
  const LEFT = 68;
  const RIGHT = 34;
  const TOP = 36;
  const BOTTOM = 24;
  const ROW = 36;
  let W = 360;
  let last = null;
  const { el, gruppy: [osi, linii], otkaz } = Risunok(svg, 2, (w) => {
    W = w;
    if (last) {
      draw(...last);
    }
  });
  let plot = 240;
  // A text of the page's words, with `_` before a letter set below the
  // line (X_L); and the same to be read aloud.
  const podpis = (e, text) => {
    text.split(/_(.)/u).forEach((part, i) => e.append(i % 2 ? el('tspan', { class: 'nizhe' }, part) : part));
    return e;
  };
  const vslukh = (text) => text.replace(/_(.)/gu, '$1');
  // The axes (osi) with their labels are drawn anew only when their decades
  // or the width change: what they were drawn for. The answer goes on them
  // (linii).
  let shkala = '';

  // Where a value stands between the first and the last decade of an axis,
  // from 0 to 1.
  const mesto = (ticks) => {
    const a = Math.log10(ticks[0].x);
    const b = Math.log10(ticks[ticks.length - 1].x);
    return (v) => (Math.log10(v) - a) / (b - a);
  };

  // `polosy`: the bands to show, in the order of their table's rows, each
  // { band, name }.
  const draw = (otvet, polosy, pochemu) => {
    last = [otvet, polosy, pochemu];
    const chart = otvet?.chart;
    plot = Math.round(Math.min(Math.max(W * 0.62, 220), 320));
    const H = plot + (chart && polosy.length > 0 ? polosy.length * ROW + 8 : 0);
    svg.setAttribute('viewBox', `0 0 ${W} ${H}`);
    otkaz(W, plot, chart ? '' : pochemu);
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
    const y = (r) => (plot - BOTTOM - ry(r) * (plot - TOP - BOTTOM)).toFixed(1);
    const xc = otvet.stray ? 'xc-circuit' : 'xc';
    const decades = JSON.stringify([W, chart.ticksF, chart.ticksX, xc]);
    if (decades !== shkala) {
      shkala = decades;
      const axes = [];
      for (const t of chart.ticksF) {
        axes.push(el('line', { class: 'setka', x1: x(t.x), x2: x(t.x), y1: TOP, y2: plot - BOTTOM }),
          el('text', { x: x(t.x), y: plot - 6, 'text-anchor': 'middle' }, t.s));
      }
      for (const t of chart.ticksX) {
        axes.push(el('line', { class: 'setka', x1: LEFT, x2: W - RIGHT, y1: y(t.x), y2: y(t.x) }),
          el('text', { x: LEFT - 4, y: y(t.x), 'text-anchor': 'end', 'dominant-baseline': 'middle' }, t.s));
      }
      axes.push(podpis(el('text', { class: 'xl', x: 4, y: 16 }), slova.get('xl')),
        podpis(el('text', { class: 'xc', x: W - 4, y: 16, 'text-anchor': 'end' }), slova.get(xc)));
      osi.replaceChildren(...axes);
    }
    const parts = polosy.flatMap(({ band, name }, i) => {
      // At least two pixels wide, so that the band of the finest series
      // shows too.
      const at = plot + 8 + ROW * i;
      const width = Math.max(2, x(band.to.x) - x(band.from.x));
      return [el('text', { class: 'imya', x: 4, y: at + 14 }, name),
        el('rect', { class: 'polosa', x: x(band.from.x), y: at + 20, width, height: 10 })];
    });
    const line = (cls, r) => el('polyline', {
      class: cls, points: chart.f.map((f, i) => `${x(f)},${y(r[i])}`).join(' '),
    });
    parts.push(el('line', { class: 'zadano', x1: x(otvet.F.x), x2: x(otvet.F.x), y1: TOP, y2: H - 4 }),
      line('xl', chart.xl), line('xc', chart.xc),
      el('circle', { class: 'tochka', cx: x(otvet.F.x), cy: y(otvet.R.x), r: 3.5 }));
    // The band at -3 dB across the plot, at least two pixels wide, centred
    // where it is narrower, with its name above it.
    const edges = otvet.losses?.edges;
    if (edges) {
      const [a, b] = [Number(x(edges.from.x)), Number(x(edges.to.x))];
      const width = Math.max(2, b - a);
      parts.unshift(el('rect', {
        class: 'minus3db', x: ((a + b - width) / 2).toFixed(1), y: TOP, width: width.toFixed(1), height: plot - TOP - BOTTOM,
      }), el('text', { class: 'minus3db', x: ((a + b) / 2).toFixed(1), y: TOP - 6, 'text-anchor': 'middle' }, slova.get('chart-3db')));
    }
    linii.replaceChildren(...parts);
    const bands = polosy.map(({ band, name }) => `${name}: ${band.s}`).join('; ');
    svg.setAttribute('aria-label', `${vslukh(slova.get('chart'))}; ${slova.get('chart-cross')} ` +
      `F = ${otvet.F.s}, R = ${otvet.R.s}` +
      (edges ? `; ${slova.get('circuit-edges')}: ${edges.s}` : '') +
      (bands ? `; ${slova.get('chart-bands')} ±${otvet.tolerance} %: ${bands}` : ''));
  };
  return draw;
};
