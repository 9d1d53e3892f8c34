// The page's start: the core first, then the page's own words and the
// menu's explanation as the core has them, then each view and the tabs
// between them (the calculator open), and the core's sessions for scripts
// as window.rezonans.
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
  Vkladki();
  Kalkulyator(yadro, slova);
  window.rezonans = Object.freeze({ session: yadro.session });
})();
