// The page's views as tabs, one shown at a time: a click or Enter opens
// one, the arrow keys move between them, Home and End to the first and the
// last. Returns what opens the tab of a view by its panel's id.
const Vkladki = () => {
  const tabs = [...document.querySelectorAll('[role="tab"]')];
  const open = (tab) => {
    for (const t of tabs) {
      const on = t === tab;
      t.setAttribute('aria-selected', String(on));
      t.tabIndex = on ? 0 : -1;
      document.getElementById(t.getAttribute('aria-controls')).hidden = !on;
    }
  };
  for (const t of tabs) {
    t.addEventListener('click', () => open(t));
    t.addEventListener('keydown', (e) => {
      const i = tabs.indexOf(t);
      const to = { ArrowRight: i + 1, ArrowLeft: i - 1, Home: 0, End: -1 }[e.key];
      if (to !== undefined) {
        e.preventDefault();
        const next = tabs[(to + tabs.length) % tabs.length];
        open(next);
        next.focus();
      }
    });
  }
  return (panel) => {
    const tab = tabs.find((t) => t.getAttribute('aria-controls') === panel);
    if (tab) {
      open(tab);
    }
  };
};
