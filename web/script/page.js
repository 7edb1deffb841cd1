// The page's side of the game: raw events to the module's entry points, the
// canvas, the buttons, the dialogs, and the requests the rules leave pending
// carried out with timers and dialogs, then answered. Nothing here knows
// what an input means or what a dialog shows: page.cpp says. The script is
// this file and the others of web/script/, joined in one function
// (join_script.cmake). This one: the shared state, the module's memory, the
// way every event goes, the canvas and the buttons.
// The constants shared with the C++ (W, H, the request kinds, the ids, the
// game's keys...) come first in the joined script, made from its headers
// (web/page_constants.cpp).

// The labels: Windows' 9-point stock font is 12 pixels; a CJK family the
// page names, with fallbacks for each desktop; smaller only should a
// label leave its box.
const FONT_FAMILY = getComputedStyle(document.body).fontFamily;
const LABEL_PIXELS = 12, SMALLEST_LABEL_PIXELS = 6;
const BASE_UNIT_ALPHABET = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz';

const page = {};
Module.page = page;
const gbk = new TextDecoder('gbk');
const $ = (id) => document.getElementById(id);
const windowBox = $('window'), stage = $('stage'), canvas = $('screen'), tray = $('tray'), notice = $('notice');
const context = canvas.getContext('2d');
const back = document.createElement('canvas');
back.width = W;
back.height = H;
const backContext = back.getContext('2d');
let scale = 1;
let started = false;  // the module is ready and this tab runs the game
let ended = false;
let hidden = false;
let active = document.hasFocus();
let modalCount = 0;
let menu = null;
let exitBox = null;
let pointer = { x: 0, y: 0 };
let gravityTimer = 0;
const buttons = [];
const texts = {};

// ---- the module's memory ----
function cString(pointer) {
  let end = pointer;
  while (HEAPU8[end] !== 0) ++end;
  return HEAPU8.subarray(pointer, end);
}
const gbkText = (pointer, length) => gbk.decode(length === undefined ? cString(pointer) : HEAPU8.subarray(pointer, pointer + length));

// Text typed in the page as GBK bytes: each character's two bytes, '?'
// for one that GBK lacks. The table is made at the first use.
let gbkBytesOf = null;
function encodeGbk(text) {
  if (gbkBytesOf === null) {
    gbkBytesOf = new Map();
    const pair = new Uint8Array(2);
    for (let lead = 0x81; lead <= 0xfe; ++lead) {
      for (let trail = 0x40; trail <= 0xfe; ++trail) {
        if (trail === 0x7f) continue;
        pair[0] = lead;
        pair[1] = trail;
        const character = gbk.decode(pair);
        if (character.length === 1 && character !== '\ufffd' && !gbkBytesOf.has(character)) gbkBytesOf.set(character, [lead, trail]);
      }
    }
  }
  const bytes = [];
  for (const character of text) {
    const code = character.codePointAt(0);
    if (code < 0x80) bytes.push(code);
    else bytes.push(...(gbkBytesOf.get(character) || [0x3f]));
  }
  return bytes;
}
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
let sink = null;
function collect(call) {
  const found = [];
  sink = found;
  try {
    call();
  } finally {
    sink = null;
  }
  return found;
}
const describe = (kind, which = 0) => collect(() => _trelmo_describe(kind, which));
const heapPixels = (at, width, height) => new ImageData(new Uint8ClampedArray(HEAPU8.slice(at, at + width * height * 4).buffer), width, height);
page.text = (name, text) => sink.push({ name: gbkText(name), text: gbkText(text) });
page.picture = (id, rgba, width, height) => sink.push({ id, picture: heapPixels(rgba, width, height) });
page.sound = (id, samples, length, rate, channels) => sink.push({ id, samples: HEAPU8.slice(samples, samples + length), rate, channels });
page.menuItem = (id, greyed, text) => sink.push({ id, greyed: greyed !== 0, text: gbkText(text) });
page.scoreCell = (top, x, centred, text) => sink.push({ top, x, centred: centred !== 0, text: gbkText(text) });
page.optionMark = (control, checked) => sink.push({ control, checked: checked !== 0 });
page.sheetFrame = (marginX, marginY, buttonWidth, buttonHeight) => sink.push({ marginX, marginY, buttonWidth, buttonHeight });
page.sheetPage = (title, templateId) => sink.push({ title: gbkText(title), templateId });
page.dialogFrame = (caption, x, y, width, height, centred) => sink.push({ caption: gbkText(caption), x, y, width, height, centred: centred !== 0 });
// A control's text as [before, underlined, after].
const shownParts = (text, underline, bytes) => {
  const all = cString(text), at = underline < 0 ? all.length : underline, end = underline < 0 ? at : at + bytes;
  return [all.subarray(0, at), all.subarray(at, end), all.subarray(end)].map((part) => gbk.decode(part));
};
page.dialogControl = (kind, id, iconId, x, y, width, height, startsGroup, tabStop, text, underline, bytes) => sink.push({
  kind, id, iconId, x, y, width, height, startsGroup: startsGroup !== 0, tabStop: tabStop !== 0, text: shownParts(text, underline, bytes),
});
// The icons and the hand, by id, made at their first use.
let pictures = null;
function pictureOf(id) {
  if (pictures === null) pictures = new Map(describe(Description.Pictures).map((p) => [p.id, p.picture]));
  return pictures.get(id);
}

// ---- every event goes through here ----
// Runs an entry point, unless the game has not started or has ended.
function run(entry) {
  if (!started || ended) return;
  entry();
}
const later = (work) => setTimeout(() => run(work), 0);

// ---- the canvas ----
// Every game pixel an exact square of canvas pixels: the canvas holds
// `scale` device pixels a game pixel and shows at 479 x 340 CSS pixels, or
// fitted to a touch screen (fit.js). Returns whether the scale changed (and
// the canvas was cleared).
function fitScale() {
  const wanted = touchScreen ? layOutTouch() : Math.max(1, Math.ceil(window.devicePixelRatio - 0.001));
  if (wanted === scale && canvas.width === W * scale) return false;
  scale = wanted;
  canvas.width = W * scale;
  canvas.height = H * scale;
  context.imageSmoothingEnabled = false;
  return true;
}
function refit() {
  if (fitScale()) run(() => input(Input.Repaint));
}
// The ratio changes with the browser's zoom (which also resizes the
// viewport) and when the window moves to a screen of another density.
function watchRatio() {
  matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => {
    watchRatio();
    refit();
  }, { once: true });
}
watchRatio();
addEventListener('resize', refit);
let heapPicture = null;
page.copyRect = (pixels, x, y, w, h) => {
  if (heapPicture === null || heapPicture.data.buffer !== HEAPU8.buffer) heapPicture = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, pixels, W * H * 4), W, H);
  backContext.putImageData(heapPicture, 0, 0, x, y, w, h);
  context.imageSmoothingEnabled = false;
  context.drawImage(back, x, y, w, h, x * scale, y * scale, w * scale, h * scale);
};
// A label keeps within its box, whatever the font's glyphs reach.
page.drawLabel = (x, y, width, height, text, length) => {
  const label = gbkText(text, length);
  context.save();
  context.setTransform(scale, 0, 0, scale, 0, 0);
  context.beginPath();
  context.rect(x, y, width, height);
  context.clip();
  let pixels = LABEL_PIXELS;
  for (;;) {
    context.font = `${pixels}px ${FONT_FAMILY}`;
    if (pixels <= SMALLEST_LABEL_PIXELS || context.measureText(label).width <= width) break;
    --pixels;
  }
  context.textBaseline = 'top';
  context.fillStyle = '#000';
  context.fillText(label, x, y);
  context.restore();
};

// ---- buttons ----
page.placeButton = (index, x, y, width, height, text) => {
  const button = document.createElement('button');
  button.type = 'button';
  button.tabIndex = -1;
  Object.assign(button.style, { left: `${x}px`, top: `${y}px`, width: `${width}px`, height: `${height}px` });
  button.textContent = gbkText(text);
  // The keys belong to the game, never to a button.
  button.addEventListener('mousedown', (event) => event.preventDefault());
  button.addEventListener('click', () => run(() => input(Input.Button, index)));
  stage.appendChild(button);
  buttons[index] = button;
};
page.setButton = (index, text, enabled) => {
  if (text !== 0) buttons[index].textContent = gbkText(text);
  if (enabled !== 0) buttons[index].disabled = enabled < 0;
};
