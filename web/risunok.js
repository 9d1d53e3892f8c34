// What the page's pictures share: SVG elements made from their attributes;
// `sloi` layers, then the words why there is no picture, wrapped inside it;
// and the width it is shown at, handed to `shirina` whenever it changes, so
// that the picture is drawn anew with its type the page's size.
const Risunok = (svg, sloi, shirina) => {
  const NS = 'http://www.w3.org/2000/svg';
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
  const gruppy = Array.from({ length: sloi }, () => el('g', {}));
  const net = el('foreignObject', { x: 0, y: 0 });
  const slovo = document.createElementNS('http://www.w3.org/1999/xhtml', 'div');
  slovo.className = 'net';
  net.append(slovo);
  svg.append(...gruppy, net);
  let W = 0;
  new ResizeObserver(([e]) => {
    const w = Math.round(e.contentRect.width);
    if (w > 0 && w !== W) {
      W = w;
      shirina(w);
    }
  }).observe(svg);
  return {
    el,
    gruppy,
    // The words `pochemu` over a plot `w` wide and `h` high; none, and
    // hidden, where there is a picture.
    otkaz(w, h, pochemu) {
      net.setAttribute('width', w);
      net.setAttribute('height', h);
      net.style.display = pochemu ? '' : 'none';
      slovo.textContent = pochemu;
    },
  };
};
