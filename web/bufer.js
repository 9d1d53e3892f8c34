// The clipboard: a text copied with one click, through the browser's
// clipboard or, where the page may not use it, through a selection.
const kopirovat = async (text) => {
  try {
    await navigator.clipboard.writeText(text);
  } catch {
    const back = document.activeElement;
    const area = document.createElement('textarea');
    area.value = text;
    area.readOnly = true;
    area.className = 'nevidimo';
    document.body.append(area);
    area.select();
    document.execCommand('copy');
    area.remove();
    back?.focus();
  }
};
