// The page's side of the game: raw events to the module's entry points, the
// canvas, the buttons, the dialogs, and the requests the rules leave pending
// carried out, then answered. Nothing here knows what an input means or what
// a dialog shows: page.cpp says. The files of web/script/ are joined in one
// function in the order web/CMakeLists.txt gives, after the constants made
// from the C++ headers (web/page_constants.cpp); each uses only what those
// before it define. This one: the page's state, the module's memory, the
// way every event goes, the browser's keys.

// Everything of the page that changes, in one place, with the file that
// keeps it.
const ui = {
  sink: null,  // page.js: the descriptions collected during a call
  scale: 1, heapPicture: null,  // screen.js: the canvas's device pixels a game pixel
  tall: false, moduleTall: false,  // fit.js, screen.js: the layout of a phone held upright is shown; the module paints it
  gravityPeriod: null, gravityTimer: 0, wakeUpTimer: 0,  // timers.js
  audio: null,  // sounds.js
  menu: null, menuEntries: [], highlighted: -1,  // menus.js: the open menu's element, its items
  modalCount: 0, exitBox: null,  // builder.js, dialogs.js
  ended: false,  // requests.js: nothing of the game runs again
  hidden: false, active: document.hasFocus(), pointer: { x: 0, y: 0 },  // window.js; where the main menu opens
  controlsShown: true, trayPress: 0, trayMenuByTouch: false, touchHelpOffered: false,  // touch.js
  padFrame: 0,  // gamepad.js
  moduleReady: runtimeInitialized, lockHeld: false, lockRefused: false, releaseLock: () => {},  // start.js
  started: false,  // start.js: the module is ready and this tab runs the game
  keepTimer: 0, keptPlaying: false, lastGameKept: false, watching: false,  // replays.js: the next write of the kept game, which is of a game going on; an ended game to share; a shared game is played back
};
// Tables filled in once: the main window's buttons by index, their places
// in the window, and the texts the page shows outside the templates, by
// name.
const buttons = [], buttonPlaces = [], texts = {};
// The module's calls, each filled in by the file that carries it out.
const page = {};
Module.page = page;
const gbk = new TextDecoder('gbk');
const $ = (id) => document.getElementById(id);
const windowBox = $('window'), stage = $('stage'), canvas = $('screen'), tray = $('tray'), notice = $('notice');
const FONT_FAMILY = getComputedStyle(document.body).fontFamily;
// A value made at its first use, then kept.
function madeOnce(make) {
  let made = null;
  return () => (made === null ? (made = make()) : made);
}

// ---- the module's memory ----
function cString(pointer) {
  let end = pointer;
  while (HEAPU8[end] !== 0) ++end;
  return HEAPU8.subarray(pointer, end);
}
const gbkText = (pointer, length) => gbk.decode(length === undefined ? cString(pointer) : HEAPU8.subarray(pointer, pointer + length));

// Text typed in the page as GBK bytes: each character's two bytes, '?'
// for one that GBK lacks.
const gbkBytesOf = madeOnce(() => {
  const bytesOf = new Map();
  const pair = new Uint8Array(2);
  for (let lead = 0x81; lead <= 0xfe; ++lead) {
    for (let trail = 0x40; trail <= 0xfe; ++trail) {
      if (trail === 0x7f) continue;
      pair[0] = lead;
      pair[1] = trail;
      const character = gbk.decode(pair);
      if (character.length === 1 && character !== '\ufffd' && !bytesOf.has(character)) bytesOf.set(character, [lead, trail]);
    }
  }
  return bytesOf;
});
function encodeGbk(text) {
  const bytes = [];
  for (const character of text) {
    const code = character.codePointAt(0);
    if (code < 0x80) bytes.push(code);
    else bytes.push(...(gbkBytesOf().get(character) || [0x3f]));
  }
  return bytes;
}
// Bytes kept as a text of one character each (the page's storage holds
// texts), and back.
const textOfBytes = (bytes) => { let text = ''; for (const byte of bytes) text += String.fromCharCode(byte); return text; };
const bytesOfText = (text) => Uint8Array.from(text, (character) => character.charCodeAt(0) & 0xff);
// Calls `entry` with a zero-terminated copy of `bytes` in the module's
// memory and their count (null and 0 when the module has no room); the
// copy lasts as long as the call.
function withBytes(bytes, entry) {
  const at = _trelmo_scratch(bytes.length);
  if (at === 0) return entry(0, 0);
  HEAPU8.set(bytes, at);
  return entry(at, bytes.length);
}

// ---- what the module tells the page ----
// An event for the module (Input): its values, and its answer.
const input = (kind, a = 0, b = 0, c = 0) => _trelmo_input(kind, a, b, c);
// The module's calls of the page made during `call`, each as an object.
function collect(call) {
  const found = [];
  ui.sink = found;
  try {
    call();
  } finally {
    ui.sink = null;
  }
  return found;
}
const describe = (kind, which = 0) => collect(() => _trelmo_describe(kind, which));
const found = (description) => ui.sink.push(description);
const heapPixels = (at, width, height) => new ImageData(new Uint8ClampedArray(HEAPU8.slice(at, at + width * height * 4).buffer), width, height);
page.text = (name, text) => found({ name: gbkText(name), text: gbkText(text) });
page.picture = (id, rgba, width, height) => found({ id, picture: heapPixels(rgba, width, height) });
page.sound = (id, samples, length, rate, channels) => found({ id, samples: HEAPU8.slice(samples, samples + length), rate, channels });
page.menuItem = (id, greyed, text) => found({ id, greyed: greyed !== 0, text: gbkText(text) });
page.scoreCell = (top, x, centred, text) => found({ top, x, centred: centred !== 0, text: gbkText(text) });
page.optionMark = (control, checked) => found({ control, checked: checked !== 0 });
page.sheetFrame = (marginX, marginY, buttonWidth, buttonHeight) => found({ marginX, marginY, buttonWidth, buttonHeight });
page.sheetPage = (title, templateId) => found({ title: gbkText(title), templateId });
page.dialogFrame = (caption, x, y, width, height, centred) => found({ caption: gbkText(caption), x, y, width, height, centred: centred !== 0 });
// A control's text as [before, underlined, after].
const shownParts = (text, underline, bytes) => {
  const all = cString(text), at = underline < 0 ? all.length : underline, end = underline < 0 ? at : at + bytes;
  return [all.subarray(0, at), all.subarray(at, end), all.subarray(end)].map((part) => gbk.decode(part));
};
page.dialogControl = (kind, id, iconId, x, y, width, height, startsGroup, tabStop, text, underline, bytes) => found({
  kind, id, iconId, x, y, width, height, startsGroup: startsGroup !== 0, tabStop: tabStop !== 0, text: shownParts(text, underline, bytes),
});
// The icons and the hand, by id.
const pictures = madeOnce(() => new Map(describe(Description.Pictures).map((p) => [p.id, p.picture])));
const pictureOf = (id) => pictures().get(id);
// Icon `iconId` on a canvas of its size, by default a new one.
function iconCanvas(iconId, icon = document.createElement('canvas')) {
  const picture = pictureOf(iconId);
  icon.width = picture.width;
  icon.height = picture.height;
  icon.getContext('2d').putImageData(picture, 0, 0);
  return icon;
}

// ---- every event goes through here ----
// Runs an entry point, unless the game has not started or has ended.
function run(entry) {
  if (!ui.started || ui.ended) return;
  entry();
}
const later = (work) => setTimeout(() => run(work), 0);

// ---- the browser's keys as the module's virtual keys ----
function virtualKey(event) {
  if (KEY_NAMES.has(event.key)) return KEY_NAMES.get(event.key);
  const f = /^F([1-9]|1[0-2])$/.exec(event.key);
  if (f) return F1_KEY + Number(f[1]) - 1;
  return event.keyCode || 0;
}
// A key's answer in a dialog or a menu: its action, and its target (-1 for none).
const answerOf = (answer) => ({ action: answer % ANSWER_TARGET, target: Math.floor(answer / ANSWER_TARGET) - 1 });
const modifiersOf = (event) => (event.shiftKey ? SHIFT_HELD : 0) | (event.ctrlKey ? CTRL_HELD : 0) | (event.altKey ? ALT_HELD : 0);
// The keys and the pointer are the game's: no dialog, menu or hiding.
const gameHasKeyboard = () => !ui.ended && !ui.hidden && ui.modalCount === 0 && !windowBox.hidden;
