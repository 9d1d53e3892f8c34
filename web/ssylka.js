// The link that keeps an answer: the address's #... holds the given fields
// (each as typed, with its prefix), the series and the tolerance, as
// L=4,5&L-prefix=u&C=10&C-prefix=n&series=E12&tolerance=5, the field edited
// longest ago first.
const Ssylka = {
  zapisat({ dany, series, tolerance }) {
    const p = new URLSearchParams();
    for (const { q, value, prefix } of dany) {
      p.append(q, value);
      p.append(`${q}-prefix`, prefix);
    }
    if (series) {
      p.append('series', series);
      if (tolerance) {
        p.append('tolerance', tolerance);
      }
    }
    history.replaceState(null, '', `#${p}`);
  },
  prochitat() {
    const p = new URLSearchParams(location.hash.slice(1));
    const dany = [...new Set(p.keys())]
      .filter((q) => ['L', 'C', 'F', 'R'].includes(q))
      .map((q) => ({ q, value: p.get(q), prefix: p.get(`${q}-prefix`) ?? '' }));
    return { dany, series: p.get('series') ?? '', tolerance: p.get('tolerance') ?? '' };
  },
};
