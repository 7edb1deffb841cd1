// A game pad with the standard mapping: Left and Right move (held, they
// repeat as keys do), A or Up turns, Down drops (held as the Down key),
// Start pauses (F3) and Back starts (F2). The pads are read at every frame
// only while one is connected and the page is seen.
// ---- game pads ----
const PAD_KEYS = [
  { buttons: [14], axis: -1, key: KEY_NAMES.get('ArrowLeft'), repeats: true },
  { buttons: [15], axis: 1, key: KEY_NAMES.get('ArrowRight'), repeats: true },
  { buttons: [0, 12], axis: 0, key: KEY_NAMES.get('ArrowUp'), repeats: false },
  { buttons: [13], axis: 0, key: DOWN_KEY, repeats: false },
  { buttons: [9], axis: 0, key: F1_KEY + 2, repeats: false },
  { buttons: [8], axis: 0, key: F1_KEY + 1, repeats: false },
];
const STICK_PUSHED = 0.5;
const padReleases = new Map();
let padFrame = 0;
const connectedPads = () => [...(navigator.getGamepads ? navigator.getGamepads() : [])].filter((pad) => pad && pad.connected);
function releasePadKeys() {
  for (const release of padReleases.values()) release();
  padReleases.clear();
}
function readPads() {
  padFrame = 0;
  const pad = connectedPads().find((one) => one.mapping === 'standard');
  if (pad && gameHasKeyboard()) {
    const stick = pad.axes.length > 0 ? pad.axes[0] : 0;
    for (const binding of PAD_KEYS) {
      const down = binding.buttons.some((index) => index < pad.buttons.length && pad.buttons[index].pressed) ||
        (binding.axis !== 0 && stick * binding.axis > STICK_PUSHED);
      if (down && !padReleases.has(binding)) padReleases.set(binding, holdKey(binding.key, binding.repeats));
      else if (!down && padReleases.has(binding)) {
        padReleases.get(binding)();
        padReleases.delete(binding);
      }
    }
  } else {
    releasePadKeys();
  }
  watchPads();
}
function watchPads() {
  const wanted = document.visibilityState === 'visible' && !ended && connectedPads().length > 0;
  if (wanted && padFrame === 0) padFrame = requestAnimationFrame(readPads);
  if (!wanted) {
    cancelAnimationFrame(padFrame);
    padFrame = 0;
    releasePadKeys();
  }
}
addEventListener('gamepadconnected', watchPads);
addEventListener('gamepaddisconnected', watchPads);
document.addEventListener('visibilitychange', watchPads);
