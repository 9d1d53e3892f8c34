// A field of the page that holds a quantity, with the list of its units
// (#ID and #ID-prefix, or the list `spisok`): the same for every quantity, by its kind (henry,
// farad, hertz, ohm, percent, number), whose units, reading and texts the
// core gives. The field has a unit of its own, the one the user last chose
// or typed (at first `own`): the core reads the field's text in it where the
// text names none, and the list follows a unit typed that the field takes.
// A value the core computed is shown as the core wrote it, in the prefix
// that reads best, or in the field's own unit when asked.
const Edinicy = (yadro, spravka) => (id, rod, own, spisok = `${id}-prefix`) => {
  const input = document.getElementById(id);
  const list = document.getElementById(spisok);
  const units = spravka.kinds[rod];
  list?.replaceChildren(...units.map((u) => new Option(u.s, u.p)));
  // The field's own unit, and the one it had before its text named the unit
  // it has now: a text refused gives that back. Whether the user's last edit
  // deleted: deleting never chooses a unit.
  let svoya;
  let prezhde;
  let stiraet = false;
  input.addEventListener('beforeinput', (e) => {
    stiraet = e.inputType?.startsWith('delete') ?? false;
  });
  const f = {
    input,
    list,
    rod,
    get own() {
      return svoya;
    },
    // A unit chosen, kept or given by a link is the field's own; one a link
    // writes as a field may (µ) is the core's letter for it, and one the
    // core takes not stays, for the field to say so.
    set own(p) {
      svoya = f.has(p) ? p : yadro.chitat(rod, p, '').p ?? p;
      prezhde = svoya;
      stiraet = false;
    },
    // Whether the list has the unit of this letter.
    has: (p) => units.some((u) => u.p === p),
    // The list shows the unit of this letter; none for one it has not.
    show(p) {
      if (list && list.value !== p) {
        list.value = p;
      }
    },
    // What the core reads in the field's text (yadro.chitat). The list
    // shows a unit the text names and the field takes; typed or pasted, it
    // becomes the field's own, and stays so once it is deleted. A text the
    // core refuses leaves the list at the unit the field had before.
    read() {
      const r = yadro.chitat(rod, svoya, input.value);
      if (r.why !== undefined) {
        svoya = prezhde;
      } else if (!r.named) {
        svoya = r.p;
        prezhde = r.p;
      } else if (!stiraet) {
        svoya = r.p;
      }
      f.show(r.why === undefined ? r.p : svoya);
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
  f.own = own;
  return f;
};
