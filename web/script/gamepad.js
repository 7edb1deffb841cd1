// A game pad with the standard mapping, read at every frame only while one
// is connected and the page is seen. The module says what its buttons mean
// (commands/reports.h): in the game, and in an open dialog or menu (or at
// the button that starts the ended game again) the key a keyboard would
// press there.
// ---- game pads ----
const connectedPads = () => [...(navigator.getGamepads ? navigator.getGamepads() : [])].filter((pad) => pad && pad.connected);
function readPads(now) {
  ui.padFrame = 0;
  const pad = connectedPads().find((one) => one.mapping === 'standard');
  const pressed = pad ? pad.buttons.reduce((bits, button, index) => (button.pressed && index < 31 ? bits | (1 << index) : bits), 0) : 0;
  const time = Math.floor(now);
  if (ui.ended) {
    // The module still says what a pad's button means to the button that
    // starts the game again.
    $('restart').focus();
    pressDialogKey(input(Input.PadInDialog, time, pressed));
  } else if (ui.menu !== null || ui.modalCount > 0 || (ui.exitBox !== null && ui.exitBox.contains(document.activeElement))) {
    run(() => pressDialogKey(input(Input.PadInDialog, time, pressed)));
  } else {
    const stick = pad && pad.axes.length > 0 ? Math.round(STICK_REACH * pad.axes[0]) : 0;
    run(() => input(Input.Pad, time, gameHasKeyboard() ? pressed : 0, gameHasKeyboard() ? stick : 0));
  }
  watchPads();
}
// A key for the open dialog or menu (WITH_SHIFT and WITH_CTRL added), given
// as a key event of the keyboard's: the page's handlers first, then what
// the browser does itself for an unhandled Esc, Space or Return.
function pressDialogKey(code) {
  const names = [...KEY_NAMES].find(([, key]) => key === code % WITH_SHIFT);
  if (code === 0 || !names) return;
  const target = document.activeElement || document.body, key = names[0];
  const event = new KeyboardEvent('keydown', { key, shiftKey: (code & WITH_SHIFT) !== 0, ctrlKey: (code & WITH_CTRL) !== 0, bubbles: true, cancelable: true });
  if (!target.dispatchEvent(event)) return;
  const dialog = target.closest('dialog[open]');
  if (key === 'Escape' && dialog) dialog.dispatchEvent(new Event('cancel', { cancelable: true }));
  else if ((key === ' ' || key === 'Enter') && target.matches('button, input[type=checkbox], input[type=radio]')) target.click();
}
function watchPads() {
  const wanted = document.visibilityState === 'visible' && connectedPads().length > 0;
  if (wanted && ui.padFrame === 0) ui.padFrame = requestAnimationFrame(readPads);
  if (!wanted) {
    cancelAnimationFrame(ui.padFrame);
    ui.padFrame = 0;
    run(() => input(Input.Pad, Math.floor(performance.now()), 0, 0));
  }
}
addEventListener('gamepadconnected', watchPads);
addEventListener('gamepaddisconnected', watchPads);
document.addEventListener('visibilitychange', watchPads);
