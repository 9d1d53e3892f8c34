// The answer as the user types: the summary in the element `result` follows
// the fields at once and the copy's note in `copied` goes; once the user
// pauses, the summary is said politely in `said` and, after the user's edit
// (`pravka`) with the view's `panel` open, `zapomnit` writes the address:
// the browser allows that only so often. A page opened keeps the address it
// was opened at. Returns what the view calls at each change.
const otklik = ({ obnovit, result, copied, said, panel, zapomnit }) => {
  let pause;
  return (pravka = true) => {
    const text = obnovit();
    result.textContent = text;
    copied.textContent = '';
    clearTimeout(pause);
    pause = setTimeout(() => {
      said.textContent = text;
      if (pravka && !panel.hidden) {
        zapomnit();
      }
    }, 400);
  };
};
