// What the commands open, hiding to the icon, activation, the popup menus,
// and the keys and the mouse of the main window.
// ---- what the commands open ----
page.open = (what, argument) => {
  switch (what) {
    case 'hide': later(hide); break;
    case 'restore': later(restore); break;
    case 'exit': later(openExitBox); break;
    case 'sheet': later(() => showSheet(argument)); break;
    case 'options': later(showOptions); break;
    case 'table': later(() => showTable(() => {})); break;
    case 'menu': later(() => openMenu(0, pointer.x, pointer.y)); break;
  }
};

// ---- hiding: the icon stands in for the window ----
function drawIcon(canvasElement, iconId) {
  const at = _trelmo_icon(iconId);
  const picture = new ImageData(new Uint8ClampedArray(HEAPU8.slice(at, at + 32 * 32 * 4).buffer), 32, 32);
  canvasElement.getContext('2d').putImageData(picture, 0, 0);
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
  _trelmo_repaint();
  setActive(document.hasFocus() && document.visibilityState === 'visible');
  updateGravityTimer();
}
tray.addEventListener('dblclick', () => run(() => _trelmo_menu_item(CmdRestore)));
tray.addEventListener('contextmenu', (event) => {
  event.preventDefault();
  openMenu(1, event.clientX, event.clientY);
});

// ---- activation: focus and visibility of the page ----
function setActive(now) {
  if (now === active) return;
  active = now;
  run(() => _trelmo_activation(now ? 1 : 0, hidden || document.visibilityState !== 'visible' ? 0 : 1));
}
window.addEventListener('blur', () => {
  if (started) _trelmo_keys_lost();
  setActive(false);
});
window.addEventListener('focus', () => setActive(!hidden && document.visibilityState === 'visible'));
document.addEventListener('visibilitychange', () => {
  setActive(!hidden && document.visibilityState === 'visible' && document.hasFocus());
  updateGravityTimer();
});

// ---- popup menus ----
function closeMenu() {
  if (menu !== null) menu.remove();
  menu = null;
}
function openMenu(which, x, y) {
  closeMenu();
  menu = document.createElement('div');
  menu.className = 'menu';
  for (const fields of rows(_trelmo_menu(which))) {
    const id = fields[0], greyed = fields[1], text = fields[2];
    if (id === '0') {
      menu.appendChild(document.createElement('hr'));
      continue;
    }
    const item = document.createElement('div');
    item.className = greyed === '1' ? 'greyed' : 'item';
    item.textContent = text;
    item.dataset.id = id;
    item.addEventListener('mousedown', (event) => event.stopPropagation());
    item.addEventListener('click', () => {
      if (greyed === '1') return;
      closeMenu();
      run(() => _trelmo_menu_item(Number(id)));
    });
    menu.appendChild(item);
  }
  Object.assign(menu.style, { left: `${x}px`, top: `${y}px` });
  document.body.appendChild(menu);
}
document.addEventListener('mousedown', () => closeMenu());

// ---- keys and the mouse of the main window ----
function virtualKey(event) {
  const named = { Escape: 0x1b, Esc: 0x1b, ' ': 0x20, ArrowLeft: 0x25, ArrowUp: 0x26, ArrowRight: 0x27, ArrowDown: 0x28, Left: 0x25, Up: 0x26, Right: 0x27, Down: 0x28 };
  if (event.key in named) return named[event.key];
  const f = /^F([1-9]|1[0-2])$/.exec(event.key);
  if (f) return 0x6f + Number(f[1]);
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
window.addEventListener('keydown', (event) => {
  wakeAudio();
  if (menu !== null && event.key === 'Escape') {
    closeMenu();
    event.preventDefault();
    return;
  }
  if (!gameHasKeyboard() || (exitBox !== null && exitBox.contains(event.target))) return;
  const key = virtualKey(event);
  const character = event.key.length === 1 ? event.key : '';
  if (GAME_KEYS.has(key) || GAME_CHARACTERS.has(character)) event.preventDefault();
  run(() => _trelmo_key_down(key, event.ctrlKey ? 1 : 0));
  if (character !== '' && !event.ctrlKey && !event.altKey) run(() => _trelmo_char(character.charCodeAt(0)));
});
window.addEventListener('keyup', (event) => {
  const key = virtualKey(event);
  if (GAME_KEYS.has(key)) event.preventDefault();
  if (gameHasKeyboard()) run(() => _trelmo_key_up(key));
  else if (key === DOWN_KEY && started) _trelmo_keys_lost();
});
canvas.addEventListener('mousedown', (event) => {
  wakeAudio();
  event.preventDefault();
  event.stopPropagation();
  closeMenu();
  pointer = { x: event.clientX, y: event.clientY };
  run(() => _trelmo_mouse_down(event.button, Math.floor(event.offsetX), Math.floor(event.offsetY)));
});
canvas.addEventListener('contextmenu', (event) => event.preventDefault());
// The game's own hand, cursor 1, made into an image once.
let handCursor = null;
function handCursorStyle() {
  if (handCursor !== null) return handCursor;
  const at = _trelmo_hand_cursor();
  const picture = document.createElement('canvas');
  picture.width = 16;
  picture.height = 18;
  picture.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(HEAPU8.slice(at, at + 16 * 18 * 4).buffer), 16, 18), 0, 0);
  handCursor = `url(${picture.toDataURL()}) 0 0, pointer`;
  return handCursor;
}
canvas.addEventListener('mousemove', (event) => {
  if (!started) return;
  canvas.style.cursor = _trelmo_hand_at(Math.floor(event.offsetX), Math.floor(event.offsetY)) ? handCursorStyle() : 'default';
});
