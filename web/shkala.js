// The dial of the tuning range (#dial): the frequency against the
// variable's travel, from 0 % (its least) to 100 %, as the pointer of a
// dial reads it, through the points the core computed at each tenth, for
// the design and for the first circuit of standard parts; the band's ends
// marked across it, the frequency axis at the round values the core gives.
// Plain SVG, as wide as it is shown, so that its type is the page's size on
// any screen; without a design, the words why inside it.
const Shkala = (svg, slova) => {
  // The margins of the plot, for the labels; a row of the key under it.
  const LEFT = 74;
  const RIGHT = 22;
  const TOP = 14;
  const BOTTOM = 26;
  const ROW = 22;
  let W = 360;
  let last = null;
  const { el, gruppy: [risunok], otkaz } = Risunok(svg, 1, (w) => {
    W = w;
    if (last) {
      draw(...last);
    }
  });

  // A circuit's name in the key: the design, or the row of its table.
  const imya = (otvet, i) => {
    if (i === 0) {
      return slova.get('design');
    }
    const s = otvet.standard[0];
    return `1: ${s.L.s}${s.padder ? `, ${s.padder.s}` : ''}`;
  };
  // Where each point stands: its frequency on the axis from its first
  // round value to its last, its percent across the travel.
  const draw = (otvet, pochemu) => {
    last = [otvet, pochemu];
    const osi = otvet?.axis ?? [];
    const ok = otvet?.design && osi.length >= 2;
    const plot = Math.round(Math.min(Math.max(W * 0.6, 200), 300));
    const krivye = ok ? [otvet.design, ...otvet.standard.slice(0, 1)] : [];
    const H = plot + krivye.length * ROW + 4;
    svg.setAttribute('viewBox', `0 0 ${W} ${ok ? H : plot}`);
    otkaz(W, plot, ok ? '' : pochemu);
    if (!ok) {
      risunok.replaceChildren();
      svg.setAttribute('aria-label', `${slova.get('dial-none')} ${pochemu}`);
      return;
    }
    const lo = osi[0].x;
    const hi = osi[osi.length - 1].x;
    const y = (f) => (plot - BOTTOM - ((f - lo) / (hi - lo)) * (plot - TOP - BOTTOM)).toFixed(1);
    const x = (at) => (LEFT + (at / 100) * (W - LEFT - RIGHT)).toFixed(1);
    const parts = [];
    for (const t of osi) {
      parts.push(el('line', { class: 'setka', x1: LEFT, x2: W - RIGHT, y1: y(t.x), y2: y(t.x) }),
        el('text', { x: LEFT - 4, y: y(t.x), 'text-anchor': 'end', 'dominant-baseline': 'middle' }, t.s));
    }
    // The travel's tenths, each labelled where there is room.
    const kazhdyi = W < 420 ? 50 : 20;
    for (const { at } of otvet.design.dial) {
      parts.push(el('line', { class: 'setka', x1: x(at), x2: x(at), y1: TOP, y2: plot - BOTTOM }));
      if (at % kazhdyi === 0) {
        parts.push(el('text', { x: x(at), y: plot - 6, 'text-anchor': 'middle' }, `${at} %`));
      }
    }
    // The band asked, between its two ends.
    const { band } = otvet;
    parts.push(el('rect', { class: 'polosa', x: LEFT, width: W - LEFT - RIGHT, y: y(band.to.x), height: y(band.from.x) - y(band.to.x) }));
    for (const end of [band.from, band.to]) {
      parts.push(el('line', { class: 'kray', x1: LEFT, x2: W - RIGHT, y1: y(end.x), y2: y(end.x) }));
    }
    krivye.forEach((c, i) => {
      const cls = i === 0 ? 'raschet' : 'standart';
      parts.push(el('polyline', { class: cls, points: c.dial.map((p) => `${x(p.at)},${y(p.f.x)}`).join(' ') }));
      for (const p of c.dial) {
        const dot = el('circle', { class: cls, cx: x(p.at), cy: y(p.f.x), r: 3 });
        dot.append(el('title', {}, `${p.at} %: ${p.f.s}`));
        parts.push(dot);
      }
      const at = plot + 4 + ROW * i;
      parts.push(el('line', { class: cls, x1: 4, x2: 28, y1: at + 10, y2: at + 10 }),
        el('text', { class: 'imya', x: 34, y: at + 14 }, imya(otvet, i)));
    });
    risunok.replaceChildren(...parts);
    const tochki = krivye.map((c, i) => `${imya(otvet, i)}: ${c.dial.map((p) => `${p.at} % ${p.f.s}`).join(', ')}`);
    svg.setAttribute('aria-label', `${slova.get('dial')}; ${tochki.join('; ')}; ${slova.get('dial-band')} ${band.s}`);
  };
  return draw;
};
