// The page's start: the core first, then the page's own words and the
// menu's explanation as the core has them, then each view and the tabs
// between them (the view the address keeps open: the calculator's, unless
// it names another the page has), and the core's sessions for scripts as
// window.rezonans.
(async () => {
  const yadro = await Yadro();
  const slova = new Map(yadro.nadpisi());
  for (const [where, said] of slova) {
    for (const e of document.querySelectorAll(`[data-nadpis="${where}"]`)) {
      e.textContent = said;
    }
  }
  document.getElementById('menu').textContent = yadro.poyasnenie();
  Konsol(yadro);
  const vkladka = Vkladki();
  Kalkulyator(yadro, slova);
  Diapazon(yadro, slova);
  // A view the page has not opens the calculator with the link's values,
  // and a word why.
  const otkryt = () => {
    vkladka(Ssylka.vid());
    const imya = Ssylka.imya();
    document.getElementById('view-note').textContent = imya && Ssylka.vid() !== imya
      ? `«${imya}»: ${slova.get('bad-view')}` : '';
  };
  window.addEventListener('hashchange', otkryt);
  otkryt();
  // The user types into the first field of the view the page opens on.
  document.querySelector('[role="tabpanel"]:not([hidden]) input:not([disabled])')?.focus();
  window.rezonans = Object.freeze({ session: yadro.session });
})();
