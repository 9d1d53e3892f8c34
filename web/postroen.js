// The circuit as built (#circuit-block): with a stray, the circuit's
// capacitance, part and stray, and by how much the stray exceeds it where
// there is no part; with a Q, the bandwidth, its edges at -3 dB and the
// dynamic resistance. Every value as the core wrote it; a row the answer
// has not is hidden, and the block with no row.
const Postroen = () => {
  const $ = (id) => document.getElementById(id);
  const ROWS = {
    'circuit-C': (o) => o.C_circuit,
    'circuit-excess': (o) => o.excess,
    'circuit-Q': (o) => o.losses?.Q,
    'circuit-bandwidth': (o) => o.losses?.bandwidth,
    'circuit-edges': (o) => o.losses?.edges,
    'circuit-R': (o) => o.losses?.R_dynamic,
  };
  return (otvet) => {
    let shown = false;
    for (const [id, value] of Object.entries(ROWS)) {
      const v = otvet ? value(otvet) : undefined;
      const dd = $(id);
      if (dd.textContent !== (v?.s ?? '')) {
        dd.textContent = v?.s ?? '';
      }
      dd.parentElement.hidden = !v;
      shown ||= Boolean(v);
    }
    $('circuit-block').hidden = !shown;
  };
};
