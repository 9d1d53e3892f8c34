// A field of the page that holds a quantity, with the list of its units
// (#ID and #ID-prefix, or the list `spisok`): the same for every quantity, by its kind (henry,
// farad, hertz, ohm, percent, number), whose units, reading and texts the
// core gives. The field has a unit of its own, the one the user last chose
// or typed (at first `own`): the core reads the field's text in it where the
// text names none, and the list follows a unit typed. A value the core
// computed is shown as the core wrote it, in the prefix that reads best, or
// in the field's own unit when asked.
const Edinicy = (yadro, spravka) => (id, rod, own, spisok = `${id}-prefix`) => {
  const input = document.getElementById(id);
  const list = document.getElementById(spisok);
  const units = spravka.kinds[rod];
  list?.replaceChildren(...units.map((u) => new Option(u.s, u.p)));
  const f = {
    input,
    list,
    rod,
    own,
    // Whether the list has the unit of this letter.
    has: (p) => units.some((u) => u.p === p),
    // The list shows the unit of this letter; none for one it has not.
    show(p) {
      if (list && list.value !== p) {
        list.value = p;
      }
    },
    // What the core reads in the field's text (yadro.chitat); a unit typed
    // becomes the field's own.
    read() {
      const r = yadro.chitat(rod, f.own, input.value);
      if (r.p !== undefined) {
        f.own = r.p;
        f.show(r.p);
      }
      return r;
    },
    // Takes the value shown to be typed: in its prefix, with as many
    // digits as reading it back takes, so that it is the same value.
    keep(v) {
      const exact = v.x !== null && yadro.tekst(rod, v.x, v.p, true);
      if (exact) {
        input.value = exact.t;
      }
      f.own = v.p;
    },
    // Why the field's own unit cannot be read; empty when it can.
    ownWhy: () => (f.has(f.own) ? '' : yadro.chitat(rod, f.own, '').why),
    // Shows a value the core wrote ({ x, t, p, s }), in the field's own
    // unit when `inOwn` and the list has it; returns it as shown.
    put(v, inOwn) {
      const shown = (inOwn && f.has(f.own) && v.x !== null && yadro.tekst(rod, v.x, f.own)) || v;
      if (input.value !== shown.t) {
        input.value = shown.t;
      }
      f.show(shown.p);
      return shown;
    },
  };
  return f;
};
