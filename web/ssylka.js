// The link that keeps an answer: the address's #... holds fields by their
// ids, each given one as typed with the letter of its unit (a field without
// units, alone), and a unit alone where the user chose one for a computed
// field; then the pinned fields, the series and the tolerance, as
// L=4,5&L-prefix=u&C=10&C-prefix=n&pin=L&series=E12&tolerance=5, the field
// edited longest ago first.
const Ssylka = {
  zapisat({ polya, pins, series, tolerance }) {
    const p = new URLSearchParams();
    for (const { id, value, prefix } of polya) {
      if (value !== undefined) {
        p.append(id, value);
      }
      if (prefix !== undefined) {
        p.append(`${id}-prefix`, prefix);
      }
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
  // The fields of `ids` the address holds, in its order, each with its
  // value and its unit's letter where it has them; the pins, as they are.
  prochitat(ids) {
    const p = new URLSearchParams(location.hash.slice(1));
    const polya = [...new Set([...p.keys()].map((k) => k.replace(/-prefix$/u, '')))]
      .filter((id) => ids.includes(id))
      .map((id) => ({ id, value: p.get(id) ?? undefined, prefix: p.get(`${id}-prefix`) ?? undefined }));
    return { polya, pins: p.getAll('pin'), series: p.get('series') ?? '', tolerance: p.get('tolerance') ?? '' };
  },
};
