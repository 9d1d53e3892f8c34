// The page's start: the core first, then the page's own words and the
// menu's explanation as the core has them, then each view and the tabs
// between them (the view the address keeps open: the calculator's, unless
// it names another), and the core's sessions for scripts as
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
  const otkryt = () => vkladka(Ssylka.vid() || 'calculator');
  window.addEventListener('hashchange', otkryt);
  otkryt();
  window.rezonans = Object.freeze({ session: yadro.session });
})();
