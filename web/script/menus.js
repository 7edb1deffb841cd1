// The popup menus: one highlight, which the pointer and the keys both move,
// as in a Windows menu; the module says what each key does
// (commands/menus.h). While a menu is open no key reaches the game or a
// dialog.
function highlight(index) {
  if (ui.highlighted >= 0) ui.menuEntries[ui.highlighted].element.classList.remove('highlighted');
  ui.highlighted = index;
  if (index >= 0) ui.menuEntries[index].element.classList.add('highlighted');
}
function closeMenu() {
  if (ui.menu !== null) ui.menu.remove();
  ui.menu = null;
  ui.menuEntries = [];
  ui.highlighted = -1;
}
function chooseFromMenu(entry) {
  closeMenu();
  if (entry) run(() => input(Input.MenuItem, entry.id));
}
// Menu `which` (MAIN_MENU or TRAY_MENU) at (x, y) on the page.
function openMenu(which, x, y) {
  closeMenu();
  const menu = (ui.menu = document.createElement('div'));
  menu.className = 'menu';
  menu.dataset.which = which;
  for (const entry of describe(Description.Menu, which)) {
    if (entry.id === SEPARATOR_ID) {
      menu.appendChild(document.createElement('hr'));
      ui.menuEntries.push(null);
      continue;
    }
    const item = document.createElement('div');
    item.className = entry.greyed ? 'greyed' : 'item';
    item.textContent = entry.text;
    item.dataset.id = entry.id;
    item.addEventListener('mousedown', (event) => event.stopPropagation());
    // A click on a greyed item leaves the menu open.
    item.addEventListener('click', () => { if (!entry.greyed) chooseFromMenu(entry); });
    menu.appendChild(item);
    ui.menuEntries.push({ element: item, id: entry.id, greyed: entry.greyed });
  }
  // A moving pointer highlights the enabled item under it, and nothing
  // elsewhere; a menu appearing under a still pointer keeps the keys'.
  menu.addEventListener('mousemove', (event) => {
    const index = ui.menuEntries.findIndex((entry) => entry !== null && entry.element === event.target);
    highlight(index >= 0 && !ui.menuEntries[index].greyed ? index : -1);
  });
  menu.addEventListener('mouseleave', () => highlight(-1));
  Object.assign(menu.style, { left: `${x}px`, top: `${y}px` });
  document.body.appendChild(menu);
  fitMenu(menu);
}
document.addEventListener('mousedown', () => closeMenu());
window.addEventListener('keydown', (event) => {
  if (ui.menu === null) return;
  event.stopPropagation();
  const { action, target: item } = answerOf(input(Input.MenuKey, virtualKey(event), Number(ui.menu.dataset.which), ui.highlighted));
  if (action === MenuAction.Nothing) return;
  if (action === MenuAction.Highlight) highlight(item);
  if (action === MenuAction.Choose) chooseFromMenu(ui.menuEntries[item]);
  if (action === MenuAction.Close) closeMenu();
  event.preventDefault();
}, true);
