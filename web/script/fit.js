// A touch screen: the window's client area fitted to the screen at a whole
// number of device pixels a game pixel, the controls below it (upright) or
// beside it (turned), and the dialogs and menus kept on the screen.
const touchScreen = matchMedia('(pointer: coarse)').matches;
if (touchScreen) document.documentElement.classList.add('touch');
// CSS pixels: a control upright and turned (a thumb needs 48 at least),
// the gaps around them, and the row or column of the settings file's
// buttons.
const CONTROL = 64, TURNED_CONTROL = 52, GAP = 8, STORAGE_ROW = 40, STORAGE_COLUMN = 2 * TURNED_CONTROL + 3 * GAP;

// A whole number of CSS pixels near `css` that is also a whole number of
// device pixels, so that the window's pixels fall on the screen's.
function onDevicePixels(css) {
  for (let away = 0; away < 64; ++away) {
    for (const at of [Math.floor(css) - away, Math.floor(css) + away]) {
      const device = at * devicePixelRatio;
      if (Math.abs(device - Math.round(device)) < 0.001) return at;
    }
  }
  return Math.floor(css);
}
function placeBoxAt(element, left, top, width, height) {
  Object.assign(element.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` });
}

// The picture's size in game pixels, in the layout shown.
const pictureWidth = () => (ui.tall ? TALL_W : W);
const pictureHeight = () => (ui.tall ? TALL_H : H);
// The largest whole number of device pixels a game pixel at which a
// picture fits `area`.
const wholeFit = (area, width, height) => Math.floor(Math.min((area.width * devicePixelRatio) / width, (area.height * devicePixelRatio) / height));
// CSS pixels: a control of the tall layout, and the room under its row.
const TALL_CONTROL = 44, TALL_MARGIN = 4;

// The part of the screen clear of notches, rounded corners and the home
// indicator (the safe-area insets), in CSS pixels: an empty box that the
// style sheet sets inside them.
const safeArea = () => $('safe-area').getBoundingClientRect();

// Lays the window, the controls and the file's buttons out on the screen,
// inside the safe area; returns the canvas's device pixels a game pixel.
function layOutTouch() {
  const safe = safeArea();
  const width = safe.width, height = safe.height, upright = height >= width;
  // Upright, where the window would not cover a third of the screen (a
  // phone), the tall layout takes the screen.
  const windowFits = wholeFit({ width: width - 2 * GAP, height: height - CONTROL - STORAGE_ROW - 3 * GAP }, W, H);
  const windowArea = (W * H * windowFits * windowFits) / (devicePixelRatio * devicePixelRatio);
  ui.tall = upright && windowArea < (width * height) / 3;
  document.documentElement.classList.toggle('tall', ui.tall);
  return ui.tall ? layOutTall(safe) : layOutWindow(safe, upright);
}

// `safe`'s boxes: positions from its corner.
const placeIn = (safe) => (element, left, top, boxWidth, boxHeight) => placeBoxAt(element, safe.left + left, safe.top + top, boxWidth, boxHeight);

function layOutWindow(safe, upright) {
  const width = safe.width, height = safe.height, placeBox = placeIn(safe);
  buttons.forEach(keepOnStage);
  for (const control of document.querySelectorAll('#pad button[data-key]')) control.style.display = '';
  const [left, right, turn, drop] = document.querySelectorAll('#pad button');
  const storage = $('storage');
  storage.style.display = '';
  let area;
  if (upright) {
    const padHeight = ui.controlsShown ? CONTROL + 2 * GAP : 0;
    area = { x: GAP, y: GAP, width: width - 2 * GAP, height: height - padHeight - STORAGE_ROW - GAP };
    const y = height - STORAGE_ROW - GAP - CONTROL;
    placeBox(left, GAP, y, CONTROL, CONTROL);
    placeBox(right, 2 * GAP + CONTROL, y, CONTROL, CONTROL);
    placeBox(turn, width - 2 * GAP - 2 * CONTROL, y, CONTROL, CONTROL);
    placeBox(drop, width - GAP - CONTROL, y, CONTROL, CONTROL);
    Object.assign(storage.style, { left: `${safe.left + GAP}px`, top: `${safe.top + height - STORAGE_ROW}px`, width: '', display: '' });
  } else {
    // Left and Right under the left thumb, the turn above the drop under
    // the right one; the file's buttons above Left and Right.
    const rightColumn = ui.controlsShown ? TURNED_CONTROL + 2 * GAP : 0;
    area = { x: STORAGE_COLUMN, y: GAP, width: width - STORAGE_COLUMN - rightColumn, height: height - 2 * GAP };
    const y = height - GAP - TURNED_CONTROL;
    placeBox(left, GAP, y, TURNED_CONTROL, TURNED_CONTROL);
    placeBox(right, 2 * GAP + TURNED_CONTROL, y, TURNED_CONTROL, TURNED_CONTROL);
    placeBox(turn, width - GAP - TURNED_CONTROL, y - GAP - TURNED_CONTROL, TURNED_CONTROL, TURNED_CONTROL);
    placeBox(drop, width - GAP - TURNED_CONTROL, y, TURNED_CONTROL, TURNED_CONTROL);
    Object.assign(storage.style, { left: `${safe.left + GAP}px`, top: `${safe.top + GAP}px`, width: `${STORAGE_COLUMN - 2 * GAP}px` });
  }
  return placePicture({ x: safe.left + area.x, y: safe.top + area.y, width: area.width, height: area.height }, W, H);
}

// The tall layout: the picture at the top, as large as fits; under it one
// row of controls for what the player can do now (the pad and Pause in
// play; Start, Continue and Options between games), and the file's
// buttons in a row of their own where there is room.
function layOutTall(safe) {
  const width = safe.width, height = safe.height, placeBox = placeIn(safe);
  const playing = buttons[PauseButton] !== undefined && !buttons[PauseButton].disabled && buttons[PauseButton].textContent === texts.pause;
  const pad = ui.controlsShown && playing ? [...document.querySelectorAll('#pad button')] : [];
  const game = playing ? [PauseButton] : [StartButton, PauseButton, OptionsButton];
  const shown = [...pad, ...game.filter((index) => buttons[index] !== undefined && !buttons[index].disabled).map((index) => buttons[index])];
  buttons.forEach((button, index) => (shown.includes(button) ? $('pad').appendChild(button) : keepOnStage(button, index)));
  for (const control of document.querySelectorAll('#pad button[data-key]')) control.style.display = pad.includes(control) ? '' : 'none';
  const row = TALL_CONTROL + GAP + TALL_MARGIN;
  const storage = $('storage');
  const storageRow = !playing && height - row - TALL_H * (wholeFit({ width, height: height - row }, TALL_W, TALL_H) / devicePixelRatio) >= row;
  storage.style.display = storageRow ? '' : 'none';
  const factor = placePicture({ x: safe.left, y: safe.top, width, height: height - row - (storageRow ? row : 0) }, TALL_W, TALL_H);
  const size = Math.min(2 * TALL_CONTROL, Math.floor((width - GAP * (shown.length + 1)) / shown.length));
  const first = (width - shown.length * size - (shown.length - 1) * GAP) / 2;
  const y = height - TALL_MARGIN - TALL_CONTROL - (storageRow ? row : 0);
  shown.forEach((control, i) => placeBox(control, first + i * (size + GAP), y, size, TALL_CONTROL));
  if (storageRow) Object.assign(storage.style, { left: `${safe.left + GAP}px`, top: `${safe.top + height - TALL_MARGIN - TALL_CONTROL}px`, width: '' });
  return factor;
}

// A button of the window's, back in it at its place.
function keepOnStage(button, index) {
  if (button.parentElement === stage) return;
  stage.appendChild(button);
  const place = buttonPlaces[index];
  placeBoxAt(button, place.x, place.y, place.width, place.height);
}

// The picture of `width` x `height` game pixels in the middle of `area`,
// at the largest whole number of device pixels a game pixel that fits;
// only where not even one fits is it made smaller, and smoothly. Returns
// that number.
function placePicture(area, width, height) {
  const fits = wholeFit(area, width, height);
  // CSS pixels a game pixel.
  const windowZoom = fits >= 1 ? fits / devicePixelRatio : Math.min(area.width / width, area.height / height);
  canvas.style.imageRendering = fits >= 1 ? '' : 'auto';
  const x = onDevicePixels(area.x + (area.width - width * windowZoom) / 2);
  const y = onDevicePixels(area.y + (area.height - height * windowZoom) / 2);
  Object.assign(windowBox.style, { left: `${x}px`, top: `${y}px`, transform: `scale(${windowZoom})`, transformOrigin: '0 0' });
  for (const dialog of document.querySelectorAll('dialog[open]')) fitDialog(dialog);
  if (ui.menu !== null) fitMenu(ui.menu);
  return Math.max(1, fits);
}

// CSS pixels the dialogs' text should keep: less on a narrow phone.
const readableDialogText = () => (Math.min(innerWidth, innerHeight) >= 375 ? 11 : 9);
// A dialog in the middle of the screen at its own size (the style sheet
// keeps the browser from squeezing it to the screen), scaled to lie wholly
// on it: with a margin where its text stays readable so, else edge to edge;
// larger for the fingers where there is room.
function fitDialog(dialog) {
  if (!touchScreen) return;
  const width = dialog.offsetWidth, height = dialog.offsetHeight;  // untouched by the scale
  const safe = safeArea();
  const fits = (margin) => Math.min((safe.width - 2 * margin) / width, (safe.height - 2 * margin) / height);
  const zoom = Math.min(fits(GAP) * LABEL_PIXELS >= readableDialogText() ? fits(GAP) : fits(0), 2);
  Object.assign(dialog.style, {
    left: `${safe.left + (safe.width - width * zoom) / 2}px`, top: `${safe.top + (safe.height - height * zoom) / 2}px`,
    transform: `scale(${zoom})`,
  });
}

// A menu kept on the screen.
function fitMenu(menuElement) {
  if (!touchScreen) return;
  const box = menuElement.getBoundingClientRect(), safe = safeArea();
  menuElement.style.left = `${Math.max(safe.left, Math.min(box.left, safe.right - box.width))}px`;
  menuElement.style.top = `${Math.max(safe.top, Math.min(box.top, safe.bottom - box.height))}px`;
}

// Where a pointer is on the client area, in game pixels, whatever the
// window's scale.
function gamePoint(event) {
  const box = canvas.getBoundingClientRect();
  return { x: Math.floor(((event.clientX - box.left) * pictureWidth()) / box.width), y: Math.floor(((event.clientY - box.top) * pictureHeight()) / box.height) };
}
