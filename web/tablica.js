// A table of the page's (.tablica) filled with rows, each its head (a
// number or a name) and its cells, changing only the cells that differ: a
// keystroke changes a few figures, not the table. Each cell carries its
// column's name for a narrow screen, where a row is shown as a list.
const zapolnit = (table, rows) => {
  const body = table.tBodies[0];
  const names = [...table.tHead.rows[0].cells].map((th) => th.textContent);
  while (body.rows.length > rows.length) {
    body.deleteRow(-1);
  }
  rows.forEach((row, i) => {
    let tr = body.rows[i];
    if (!tr) {
      tr = body.insertRow();
      const th = document.createElement('th');
      th.scope = 'row';
      tr.append(th);
      row.slice(1).forEach(() => tr.insertCell());
    }
    row.forEach((text, k) => {
      const cell = tr.cells[k];
      if (cell.textContent !== text) {
        cell.textContent = text;
      }
      if (k > 0 && cell.dataset.label !== names[k]) {
        cell.dataset.label = names[k];
      }
    });
  });
};
