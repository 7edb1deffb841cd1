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

// The part of the screen clear of notches, rounded corners and the home
// indicator (the safe-area insets), in CSS pixels: an empty box that the
// style sheet sets inside them.
const safeArea = () => $('safe-area').getBoundingClientRect();

// Lays the window, the controls and the file's buttons out on the screen,
// inside the safe area; returns the canvas's device pixels a game pixel.
function layOutTouch() {
  const safe = safeArea();
  const width = safe.width, height = safe.height, upright = height >= width;
  const placeBox = (element, left, top, boxWidth, boxHeight) => placeBoxAt(element, safe.left + left, safe.top + top, boxWidth, boxHeight);
  const [left, right, turn, drop] = document.querySelectorAll('#pad button');
  const storage = $('storage');
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
  // The largest whole number of device pixels a game pixel that fits; only
  // where not even one fits is the window made smaller, and smoothly.
  const fits = Math.floor(Math.min((area.width * devicePixelRatio) / W, (area.height * devicePixelRatio) / H));
  // CSS pixels a game pixel.
  const windowZoom = fits >= 1 ? fits / devicePixelRatio : Math.min(area.width / W, area.height / H);
  canvas.style.imageRendering = fits >= 1 ? '' : 'auto';
  const x = onDevicePixels(safe.left + area.x + (area.width - W * windowZoom) / 2);
  const y = onDevicePixels(safe.top + area.y + (area.height - H * windowZoom) / 2);
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
  return { x: Math.floor(((event.clientX - box.left) * W) / box.width), y: Math.floor(((event.clientY - box.top) * H) / box.height) };
}
