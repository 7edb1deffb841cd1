// Touch: the controls beside the window, the gestures on the well, and the
// icon of the hidden window by touch. A mouse keeps the mouse's meaning.
// ---- a key held by a control or a game pad ----
// The key goes down at once and, for Left and Right, again after the held
// key's delay and at its rate, as a held key repeats; the release is the
// key's release (Down's ends the fast fall).
function holdKey(key, repeats) {
  run(() => input(Input.KeyDown, key, 0));
  let timer = 0;
  const again = () => {
    run(() => input(Input.KeyDown, key, 0));
    timer = setTimeout(again, HELD_KEY_PERIOD_MS);
  };
  if (repeats) timer = setTimeout(again, HELD_KEY_DELAY_MS);
  return () => {
    clearTimeout(timer);
    run(() => input(Input.KeyUp, key));
  };
}
const tapKey = (key) => holdKey(key, false)();

// ---- the controls ----
// A control is held while its finger stays down, wherever it moves.
for (const control of document.querySelectorAll('#pad button')) {
  let release = null;
  const up = () => {
    if (release === null) return;
    release();
    release = null;
    control.classList.remove('held');
  };
  control.addEventListener('pointerdown', (event) => {
    event.preventDefault();
    if (release !== null || !gameHasKeyboard()) return;
    control.setPointerCapture(event.pointerId);
    control.classList.add('held');
    release = holdKey(KEY_NAMES.get(control.dataset.key), control.hasAttribute('data-repeats'));
  });
  control.addEventListener('pointerup', up);
  control.addEventListener('pointercancel', up);
  control.addEventListener('lostpointercapture', up);
}
function showControls(shown) {
  controlsShown = shown;
  $('pad').classList.toggle('hidden', !shown);
  $('controls').textContent = shown ? texts.hideControls : texts.showControls;
  refit(true);
}
function offerControls() {
  if (!touchScreen) return;
  const names = { ArrowLeft: texts.padLeft, ArrowRight: texts.padRight, ArrowUp: texts.padTurn, ArrowDown: texts.padDrop };
  for (const control of document.querySelectorAll('#pad button')) control.textContent = names[control.dataset.key];
  $('controls').hidden = false;
  $('controls').addEventListener('click', () => showControls(!controlsShown));
  showControls(true);
}

// ---- gestures on the window ----
// On the well a tap turns, a sideways drag moves a cell for each cell
// dragged, and a quick flick down drops (Down until the finger lifts).
// Elsewhere a long press opens the window's menu, as a right click does,
// and a tap on the logo opens the sheet, as a click does.
const TAP_SLOP = 10;           // CSS pixels a tap may wander
const LONG_PRESS_MS = 500;
const FLICK_MS = 250, FLICK_CELLS = 2;  // at least this far down this fast
let gesture = null;
canvas.addEventListener('pointerdown', (event) => {
  if (event.pointerType === 'mouse' || gesture !== null) return;
  event.preventDefault();  // and so no mouse events after the touch
  closeMenu();
  if (!gameHasKeyboard()) return;
  canvas.setPointerCapture(event.pointerId);
  const at = gamePoint(event);
  gesture = { id: event.pointerId, x: event.clientX, y: event.clientY, at, time: event.timeStamp, cells: 0, wandered: false, dropping: false, timer: 0 };
  const onWell = at.x >= WELL.left && at.x < WELL.right && at.y >= WELL.top && at.y < WELL.bottom;
  gesture.onWell = onWell;
  if (!onWell) gesture.timer = setTimeout(longPress, LONG_PRESS_MS);
});
// The window's menu, once a gesture, at its own time or at the browser's
// (which would otherwise end the touch with a menu of its own).
function longPress() {
  if (gesture === null || gesture.onWell || gesture.wandered) return;
  clearTimeout(gesture.timer);
  gesture.wandered = true;  // no tap at the lift
  const at = gesture.at;
  pointer = { x: gesture.x, y: gesture.y };
  run(() => input(Input.MouseDown, 2, at.x, at.y));
}
canvas.addEventListener('contextmenu', longPress);
canvas.addEventListener('pointermove', (event) => {
  if (gesture === null || event.pointerId !== gesture.id) return;
  const dx = event.clientX - gesture.x, dy = event.clientY - gesture.y;
  if (Math.hypot(dx, dy) > TAP_SLOP) {
    gesture.wandered = true;
    clearTimeout(gesture.timer);
  }
  if (!gesture.onWell || gesture.dropping) return;
  const cellPixels = (CELL_WIDTH * canvas.getBoundingClientRect().width) / W;
  const cells = Math.trunc(dx / cellPixels);
  for (; gesture.cells < cells; ++gesture.cells) tapKey(KEY_NAMES.get('ArrowRight'));
  for (; gesture.cells > cells; --gesture.cells) tapKey(KEY_NAMES.get('ArrowLeft'));
  const cellHeight = (CELL_HEIGHT * canvas.getBoundingClientRect().height) / H;
  if (dy > FLICK_CELLS * cellHeight && dy > 2 * Math.abs(dx) && event.timeStamp - gesture.time < FLICK_MS) {
    gesture.dropping = true;
    run(() => input(Input.KeyDown, DOWN_KEY, 0));
  }
});
function endGesture(event, lifted) {
  if (gesture === null || event.pointerId !== gesture.id) return;
  const ended = gesture;
  gesture = null;
  clearTimeout(ended.timer);
  if (ended.dropping) run(() => input(Input.KeyUp, DOWN_KEY));
  if (!lifted || ended.wandered) return;
  if (ended.onWell) tapKey(KEY_NAMES.get('ArrowUp'));
  else if (input(Input.HandAt, 0, ended.at.x, ended.at.y)) run(() => input(Input.MouseDown, 0, ended.at.x, ended.at.y));
}
canvas.addEventListener('pointerup', (event) => endGesture(event, true));
canvas.addEventListener('pointercancel', (event) => endGesture(event, false));

// No menu of the browser's over the game and its controls.
for (const element of [windowBox, $('pad')]) element.addEventListener('contextmenu', (event) => event.preventDefault());

// ---- the hidden window's icon: a tap restores ----
tray.addEventListener('pointerup', (event) => {
  if (event.pointerType !== 'mouse') run(() => input(Input.MenuItem, CmdRestore));
});

// The first touch lets the page be heard, as the first key or click does.
document.addEventListener('pointerup', (event) => {
  if (event.pointerType !== 'mouse') wakeAudio();
}, true);
