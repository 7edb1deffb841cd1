// What the commands open, hiding to the icon, activation, the popup menus,
// and the keys and the mouse of the main window.
// ---- what the commands open ----
page.open = (command, sheetPage) => {
  switch (command) {
    case Command.Hide: later(hide); break;
    case Command.Restore: later(restore); break;
    case Command.Exit: later(openExitBox); break;
    case Command.ShowAbout:
    case Command.ShowKeyHelp: later(() => showSheet(sheetPage)); break;
    case Command.ShowOptions: later(showOptions); break;
    case Command.ShowHighScores: later(() => showTable(() => {})); break;
    case Command.OpenMainMenu: later(() => openMenu(0, pointer.x, pointer.y)); break;
  }
};

// ---- hiding: the icon stands in for the window ----
function drawIcon(canvasElement, iconId) {
  canvasElement.getContext('2d').putImageData(pictureOf(iconId), 0, 0);
}
function hide() {
  if (hidden) return;
  hidden = true;
  closeMenu();
  windowBox.style.visibility = 'hidden';
  tray.style.display = 'block';
  setActive(false);
  updateGravityTimer();
}
function restore() {
  if (!hidden) return;
  hidden = false;
  tray.style.display = 'none';
  windowBox.style.visibility = '';
  input(Input.Repaint);
  setActive(document.hasFocus() && document.visibilityState === 'visible');
  updateGravityTimer();
}
tray.addEventListener('dblclick', () => run(() => input(Input.MenuItem, CmdRestore)));
tray.addEventListener('contextmenu', (event) => {
  event.preventDefault();
  openMenu(1, event.clientX, event.clientY);
});

// ---- activation: focus and visibility of the page ----
function setActive(now) {
  if (now === active) return;
  active = now;
  run(() => input(Input.Activation, now ? 1 : 0, hidden || document.visibilityState !== 'visible' ? 0 : 1));
}
window.addEventListener('blur', () => {
  if (started) input(Input.KeysLost);
  setActive(false);
});
window.addEventListener('focus', () => setActive(!hidden && document.visibilityState === 'visible'));
document.addEventListener('visibilitychange', () => {
  setActive(!hidden && document.visibilityState === 'visible' && document.hasFocus());
  updateGravityTimer();
});

// ---- popup menus ----
// One highlight, which the pointer and the keys both move, as in a Windows
// menu; the module says what each key does (commands/menus.h). While a
// menu is open no key reaches the game or a dialog.
let menuEntries = [];  // { element, id, greyed } of each item in the menu's order, null for a separator
let highlighted = -1;
function highlight(index) {
  if (highlighted >= 0) menuEntries[highlighted].element.classList.remove('highlighted');
  highlighted = index;
  if (index >= 0) menuEntries[index].element.classList.add('highlighted');
}
function closeMenu() {
  if (menu !== null) menu.remove();
  menu = null;
  menuEntries = [];
  highlighted = -1;
}
function chooseFromMenu(entry) {
  closeMenu();
  if (entry) run(() => input(Input.MenuItem, entry.id));
}
function openMenu(which, x, y) {
  closeMenu();
  menu = document.createElement('div');
  menu.className = 'menu';
  menu.dataset.which = which;
  for (const entry of describe(Description.Menu, which)) {
    if (entry.id === 0) {
      menu.appendChild(document.createElement('hr'));
      menuEntries.push(null);
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
    menuEntries.push({ element: item, id: entry.id, greyed: entry.greyed });
  }
  // A moving pointer highlights the enabled item under it, and nothing
  // elsewhere; a menu appearing under a still pointer keeps the keys'.
  menu.addEventListener('mousemove', (event) => {
    const index = menuEntries.findIndex((entry) => entry !== null && entry.element === event.target);
    highlight(index >= 0 && !menuEntries[index].greyed ? index : -1);
  });
  menu.addEventListener('mouseleave', () => highlight(-1));
  Object.assign(menu.style, { left: `${x}px`, top: `${y}px` });
  document.body.appendChild(menu);
  fitMenu(menu);
}
document.addEventListener('mousedown', () => closeMenu());
window.addEventListener('keydown', (event) => {
  if (menu === null) return;
  event.stopPropagation();
  const answer = input(Input.MenuKey, virtualKey(event), Number(menu.dataset.which), highlighted);
  const action = answer & 0xf, item = (answer >> 4) - 1;
  if (action === MenuAction.Nothing) return;
  if (action === MenuAction.Highlight) highlight(item);
  if (action === MenuAction.Choose) chooseFromMenu(menuEntries[item]);
  if (action === MenuAction.Close) closeMenu();
  event.preventDefault();
}, true);

// ---- keys and the mouse of the main window ----
function virtualKey(event) {
  if (KEY_NAMES.has(event.key)) return KEY_NAMES.get(event.key);
  const f = /^F([1-9]|1[0-2])$/.exec(event.key);
  if (f) return F1_KEY + Number(f[1]) - 1;
  return event.keyCode || 0;
}
// The keys and characters the game has a meaning for (GAME_KEYS and
// GAME_CHARACTERS, from its input tables): the browser's own action for
// them (F3 find, F5 reload, scrolling) never happens.
const gameHasKeyboard = () => !ended && !hidden && modalCount === 0 && !windowBox.hidden;
// The function keys belong to the game even while a dialog has the
// keyboard: no find, no reload, no help of the browser's.
window.addEventListener('keydown', (event) => {
  if (started && !ended && /^F([1-9]|1[0-2])$/.test(event.key)) event.preventDefault();
}, true);
// The keys go to the game unless a dialog or a menu has them.
const keyForGame = (event) => gameHasKeyboard() && menu === null && !(exitBox !== null && exitBox.contains(event.target));
window.addEventListener('keydown', (event) => {
  wakeAudio();
  if (!keyForGame(event)) return;
  const key = virtualKey(event);
  const character = event.key.length === 1 ? event.key : '';
  if (GAME_KEYS.has(key) || GAME_CHARACTERS.has(character)) event.preventDefault();
  run(() => input(Input.KeyDown, key, event.ctrlKey ? 1 : 0));
  if (character !== '' && !event.ctrlKey && !event.altKey) run(() => input(Input.Character, character.charCodeAt(0)));
});
// A released key keeps its browser action unless it was the game's: Space
// presses a focused button and toggles a focused check box in a dialog.
window.addEventListener('keyup', (event) => {
  const key = virtualKey(event);
  if (keyForGame(event)) {
    if (GAME_KEYS.has(key)) event.preventDefault();
    run(() => input(Input.KeyUp, key));
  } else if (key === DOWN_KEY && started) {
    input(Input.KeysLost);
  }
});
canvas.addEventListener('mousedown', (event) => {
  wakeAudio();
  event.preventDefault();
  event.stopPropagation();
  closeMenu();
  pointer = { x: event.clientX, y: event.clientY };
  const at = gamePoint(event);
  run(() => input(Input.MouseDown, event.button, at.x, at.y));
});
canvas.addEventListener('contextmenu', (event) => event.preventDefault());
// The game's own hand, cursor 1, made into an image once.
let handCursor = null;
function handCursorStyle() {
  if (handCursor !== null) return handCursor;
  const hand = pictureOf(IDR_HAND_CURSOR);
  const picture = document.createElement('canvas');
  picture.width = hand.width;
  picture.height = hand.height;
  picture.getContext('2d').putImageData(hand, 0, 0);
  handCursor = `url(${picture.toDataURL()}) 0 0, pointer`;
  return handCursor;
}
canvas.addEventListener('mousemove', (event) => {
  if (!started) return;
  const at = gamePoint(event);
  canvas.style.cursor = input(Input.HandAt, 0, at.x, at.y) ? handCursorStyle() : 'default';
});
