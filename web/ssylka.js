// The link that keeps an answer: the address's #... holds fields by their
// ids, each given one as typed with the letter of its unit (a field without
// units, alone), and a unit alone where the user chose one for a computed
// field; then the part chosen, the pinned fields, the series and the
// tolerance, as
// L=4,5&L-prefix=u&C=10&C-prefix=n&pin=L&series=E12&tolerance=5, the field
// edited longest ago first. A view other than the calculator names itself
// first: view=range&band-from=530&band-from-prefix=K&...
const Ssylka = {
  zapisat({ view, polya, fixed, pins = [], series, tolerance }) {
    const p = new URLSearchParams();
    if (view) {
      p.append('view', view);
    }
    for (const { id, value, prefix } of polya) {
      if (value !== undefined) {
        p.append(id, value);
      }
      if (prefix !== undefined) {
        p.append(`${id}-prefix`, prefix);
      }
    }
    if (fixed) {
      p.append('fixed', fixed);
    }
    for (const id of pins) {
      p.append('pin', id);
    }
    if (series) {
      p.append('series', series);
      if (tolerance) {
        p.append('tolerance', tolerance);
      }
    }
    history.replaceState(null, '', `#${p}`);
  },
  // The view the address names, as it is written; '' for none.
  imya: () => new URLSearchParams(location.hash.slice(1)).get('view') ?? '',
  // The view the address keeps, by its panel's id: the calculator's for
  // none, and for a view the page has not.
  vid() {
    const panel = document.getElementById(Ssylka.imya());
    return panel?.getAttribute('role') === 'tabpanel' ? panel.id : 'calculator';
  },
  // What the address keeps for the view `view` (the calculator's without
  // it), nothing when it keeps another: the fields of `ids`, in its order,
  // each with its value and its unit's letter where it has them; the part
  // chosen and the pins, as they are.
  prochitat(ids, view = 'calculator') {
    const p = new URLSearchParams(view === Ssylka.vid() ? location.hash.slice(1) : '');
    const polya = [...new Set([...p.keys()].map((k) => k.replace(/-prefix$/u, '')))]
      .filter((id) => ids.includes(id))
      .map((id) => ({ id, value: p.get(id) ?? undefined, prefix: p.get(`${id}-prefix`) ?? undefined }));
    return {
      polya, fixed: p.get('fixed') ?? '', pins: p.getAll('pin'),
      series: p.get('series') ?? '', tolerance: p.get('tolerance') ?? '',
    };
  },
};
