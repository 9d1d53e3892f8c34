// The page's start: the core first, then the page's own words and the
// menu's explanation as the core has them, then each view, and the core's
// sessions for scripts as window.rezonans.
(async () => {
  const yadro = await Yadro();
  for (const [where, said] of yadro.nadpisi()) {
    for (const e of document.querySelectorAll(`[data-nadpis="${where}"]`)) {
      e.textContent = said;
    }
  }
  document.getElementById('menu').textContent = yadro.poyasnenie();
  Konsol(yadro);
  window.rezonans = Object.freeze({ session: yadro.session });
})();
