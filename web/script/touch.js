// Touch: the controls beside the window, the gestures on the well, and the
// icon of the hidden window by touch. A mouse keeps the mouse's meaning.
// The page reports what the fingers do and when, the module says what it
// means (commands/reports.h) and asks for a wake-up to repeat or press long.
const timeOf = (event) => Math.floor(event.timeStamp);

// ---- the controls ----
// A control is held while its finger stays down, wherever it moves.
for (const control of document.querySelectorAll('#pad button[data-key]')) {
  const key = KEY_NAMES.get(control.dataset.key);
  const up = (event) => {
    if (!control.classList.contains('held')) return;
    control.classList.remove('held');
    run(() => input(Input.ControlUp, timeOf(event), key));
  };
  control.addEventListener('pointerdown', (event) => {
    event.preventDefault();
    if (control.classList.contains('held') || !gameHasKeyboard()) return;
    control.setPointerCapture(event.pointerId);
    control.classList.add('held');
    run(() => input(Input.ControlDown, timeOf(event), key));
  });
  control.addEventListener('pointerup', up);
  control.addEventListener('lostpointercapture', up);  // after a cancel too
}
// The Menu control opens the window's menu beside it, as a long press does.
$('menu-control').addEventListener('click', () => {
  const box = $('menu-control').getBoundingClientRect();
  ui.pointer = { x: box.left, y: box.top };
  run(() => input(Input.MenuControl));
});
// Whether the controls are shown is the player's choice, kept in the page's
// storage beside the settings file.
const CONTROLS_KEY = 'trelmo.controls';
function showControls(shown) {
  ui.controlsShown = shown;
  try {
    localStorage.setItem(CONTROLS_KEY, shown ? 'shown' : 'hidden');
  } catch (error) {
    // A full or refused storage forgets the choice, as it would a setting.
  }
  $('pad').classList.toggle('hidden', !shown);
  $('controls').textContent = shown ? texts.hideControls : texts.showControls;
  refit(true);
}
function offerControls() {
  if (!touchScreen) return;
  const names = { ArrowLeft: texts.padLeft, ArrowRight: texts.padRight, ArrowUp: texts.padTurn, ArrowDown: texts.padDrop };
  for (const control of document.querySelectorAll('#pad button[data-key]')) control.textContent = names[control.dataset.key];
  $('menu-control').textContent = texts.menuControl;
  $('speed-label').textContent = texts.speedLabel;
  $('rows-label').textContent = texts.rowsLabel;
  $('controls').hidden = false;
  $('controls').addEventListener('click', () => showControls(!ui.controlsShown));
  showControls(localStorage.getItem(CONTROLS_KEY) !== 'hidden');
  $('touch-help-again').textContent = texts.touchHelpTitle;
  $('touch-help-again').hidden = false;
  $('touch-help-again').addEventListener('click', showTouchHelp);
}

// ---- how to play by touch ----
// Shown over the game when the first game on a touch screen starts, until
// a finger touches the game; the help takes no touch itself, so that the
// touch plays. The page's storage remembers that it was seen.
const TOUCH_HELP_SEEN = 'trelmo.touchHelpSeen';
const touchHelp = $('touch-help');
function showTouchHelp() {
  if (touchHelp.childElementCount === 0) {
    for (const name of ['touchHelpTitle', 'touchHelpTap', 'touchHelpDrag', 'touchHelpFlick', 'touchHelpPress', 'touchHelpGoOn']) {
      const line = document.createElement('p');
      line.textContent = texts[name];
      touchHelp.appendChild(line);
    }
  }
  touchHelp.hidden = false;
}
function closeTouchHelp() {
  if (touchHelp.hidden) return;
  touchHelp.hidden = true;
  try {
    localStorage.setItem(TOUCH_HELP_SEEN, '1');
  } catch (error) {
    // Refused storage shows the help again at the next start.
  }
}
// A game starts when the gravity timer is first armed.
const armGravity = page.armTimer;
page.armTimer = (milliseconds) => {
  armGravity(milliseconds);
  if (touchScreen && !ui.touchHelpOffered && !ui.watching) {
    ui.touchHelpOffered = true;
    if (localStorage.getItem(TOUCH_HELP_SEEN) === null) showTouchHelp();
  }
};
for (const surface of [windowBox, $('pad')]) surface.addEventListener('pointerdown', closeTouchHelp, true);

// ---- gestures on the window ----
// The finger the module takes is the canvas's captured pointer. Its points
// go with the client area's width, both in TOUCH_UNITS a CSS pixel.
function reportTouch(kind, event) {
  const box = canvas.getBoundingClientRect();
  const units = (css) => Math.round(TOUCH_UNITS * css);
  const point = (units(event.clientY - box.top) << POINT_Y_SHIFT) | (units(event.clientX - box.left) & ((1 << POINT_Y_SHIFT) - 1));
  return input(kind, timeOf(event), point, units(box.width));
}
canvas.addEventListener('pointerdown', (event) => {
  if (event.pointerType === 'mouse') return;
  event.preventDefault();  // and so no mouse events after the touch
  closeMenu();
  if (!ui.started || !gameHasKeyboard() || !reportTouch(Input.TouchBegan, event)) return;
  canvas.setPointerCapture(event.pointerId);
  ui.pointer = { x: event.clientX, y: event.clientY };  // where a long press opens the menu
});
canvas.addEventListener('pointermove', (event) => {
  if (canvas.hasPointerCapture(event.pointerId)) run(() => reportTouch(Input.TouchMoved, event));
});
canvas.addEventListener('pointerup', (event) => {
  if (canvas.hasPointerCapture(event.pointerId)) run(() => input(Input.TouchEnded, timeOf(event), 1));
});
// Taken by the browser, or lost after the lift, when nothing is left to end.
canvas.addEventListener('lostpointercapture', (event) => run(() => input(Input.TouchEnded, timeOf(event), 0)));
// The browser's long press, before it ends the touch with a menu of its own.
canvas.addEventListener('contextmenu', (event) => run(() => input(Input.TouchHeld, timeOf(event))));

// No menu of the browser's over the game and its controls.
for (const element of [windowBox, $('pad')]) element.addEventListener('contextmenu', (event) => event.preventDefault());

// ---- the hidden window's icon: a tap restores, a long press opens its menu ----
// Held as long as a long press on the well, or as the browser's own, the
// touch opens the icon's menu; its lift then leaves the window hidden.
function openTrayMenuByTouch(x, y) {
  clearTimeout(ui.trayPress);
  if (ui.trayMenuByTouch) return;
  ui.trayMenuByTouch = true;
  openMenu(TRAY_MENU, x, y);
}
tray.addEventListener('pointerdown', (event) => {
  if (event.pointerType === 'mouse') return;
  event.preventDefault();  // no mouse events after the touch, which would close the menu
  ui.trayMenuByTouch = false;
  ui.trayPress = setTimeout(() => run(() => openTrayMenuByTouch(event.clientX, event.clientY)), LONG_PRESS_MS);
});
// The browser's long press has opened the menu already (window.js).
tray.addEventListener('contextmenu', () => {
  if (ui.trayPress === 0) return;
  clearTimeout(ui.trayPress);
  ui.trayMenuByTouch = true;
});
tray.addEventListener('pointerup', (event) => {
  if (event.pointerType === 'mouse') return;
  clearTimeout(ui.trayPress);
  ui.trayPress = 0;
  if (!ui.trayMenuByTouch) run(() => input(Input.MenuItem, CmdRestore));
});
tray.addEventListener('pointercancel', () => clearTimeout(ui.trayPress));

// The first touch lets the page be heard, as the first key or click does.
document.addEventListener('pointerup', (event) => {
  if (event.pointerType !== 'mouse') wakeAudio();
}, true);
