// The window's input: what the commands open, hiding to the icon,
// activation, and the keys and the mouse of the main window.
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
    case Command.OpenMainMenu: later(() => openMenu(MAIN_MENU, ui.pointer.x, ui.pointer.y)); break;
  }
};

// ---- hiding: the icon stands in for the window ----
function hide() {
  if (ui.hidden) return;
  ui.hidden = true;
  document.documentElement.classList.add('window-hidden');
  closeMenu();
  windowBox.style.visibility = 'hidden';
  tray.style.display = 'block';
  setActive(false);
  updateGravityTimer();
}
function restore() {
  if (!ui.hidden) return;
  ui.hidden = false;
  document.documentElement.classList.remove('window-hidden');
  tray.style.display = 'none';
  windowBox.style.visibility = '';
  input(Input.Repaint);
  setActive(document.hasFocus() && document.visibilityState === 'visible');
  updateGravityTimer();
}
tray.addEventListener('dblclick', () => run(() => input(Input.MenuItem, CmdRestore)));
tray.addEventListener('contextmenu', (event) => {
  event.preventDefault();
  openMenu(TRAY_MENU, event.clientX, event.clientY);
});

// ---- activation: focus and visibility of the page ----
function setActive(now) {
  if (now === ui.active) return;
  ui.active = now;
  run(() => input(Input.Activation, now ? 1 : 0, ui.hidden || document.visibilityState !== 'visible' ? 0 : 1));
}
window.addEventListener('blur', () => {
  if (ui.started) input(Input.KeysLost);
  setActive(false);
});
window.addEventListener('focus', () => setActive(!ui.hidden && document.visibilityState === 'visible'));
document.addEventListener('visibilitychange', () => {
  setActive(!ui.hidden && document.visibilityState === 'visible' && document.hasFocus());
  updateGravityTimer();
});


// ---- keys and the mouse of the main window ----
// The keys and characters the game has a meaning for (GAME_KEYS and
// GAME_CHARACTERS, from its input tables): the browser's own action for
// them (F3 find, F5 reload, scrolling) never happens.
// The function keys belong to the game even while a dialog has the
// keyboard: no find, no reload, no help of the browser's.
window.addEventListener('keydown', (event) => {
  if (ui.started && !ui.ended && /^F([1-9]|1[0-2])$/.test(event.key)) event.preventDefault();
}, true);
// The keys go to the game unless a dialog or a menu has them.
const keyForGame = (event) => gameHasKeyboard() && ui.menu === null && !(ui.exitBox !== null && ui.exitBox.contains(event.target));
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
  } else if (key === DOWN_KEY && ui.started) {
    input(Input.KeysLost);
  }
});
canvas.addEventListener('mousedown', (event) => {
  wakeAudio();
  event.preventDefault();
  event.stopPropagation();
  closeMenu();
  ui.pointer = { x: event.clientX, y: event.clientY };
  const at = gamePoint(event);
  run(() => input(Input.MouseDown, event.button, at.x, at.y));
});
canvas.addEventListener('contextmenu', (event) => event.preventDefault());
// The game's own hand, made into an image.
const handCursorStyle = madeOnce(() => `url(${iconCanvas(IDR_HAND_CURSOR).toDataURL()}) 0 0, pointer`);
canvas.addEventListener('mousemove', (event) => {
  if (!ui.started) return;
  const at = gamePoint(event);
  canvas.style.cursor = input(Input.HandAt, 0, at.x, at.y) ? handCursorStyle() : 'default';
});
