// A touch screen: the window's client area fitted to the screen at a whole
// number of device pixels a game pixel, the controls below it (upright) or
// beside it (turned), and the dialogs and menus kept on the screen.
const touchScreen = matchMedia('(pointer: coarse)').matches;
if (touchScreen) document.documentElement.classList.add('touch');
// CSS pixels: a control upright and, at most, turned (a thumb needs 48
// at least), the gaps around them, and the row of the settings file's
// buttons.
const CONTROL = 64, TURNED_CONTROL = 52, GAP = 8, STORAGE_ROW = 40;

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
// CSS pixels: the smallest control (the tall layout's, and a turned one
// where room is short), the room under the tall layout's rows, and the
// line of a pair's name at the top of its two buttons, inside their edges
// (the style sheet's paired buttons keep their text under it).
const TALL_CONTROL = 44, TALL_MARGIN = 4, PAIR_LABEL = 16, PAIR_EDGE = 3;

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
  document.documentElement.classList.toggle('turned', !upright);
  if (ui.tall) return layOutTall(safe);
  return upright ? layOutWindow(safe) : layOutTurned(safe);
}

// `safe`'s boxes: positions from its corner.
const placeIn = (safe) => (element, left, top, boxWidth, boxHeight) => placeBoxAt(element, safe.left + left, safe.top + top, boxWidth, boxHeight);

// What the player can do now, as controls: in play the pad (unless hidden)
// and Pause; between games Start, Continue and Options; the Menu always.
const playingNow = () => buttons[PauseButton] !== undefined && !buttons[PauseButton].disabled && buttons[PauseButton].textContent === texts.pause;
const padControls = () => [...document.querySelectorAll('#pad button[data-key]')];
const usableButtons = (indices) => indices.map((index) => buttons[index]).filter((button) => button !== undefined && !button.disabled);
const commandControls = (playing) => usableButtons(playing ? [PauseButton] : [StartButton, PauseButton, OptionsButton]);
// The window's buttons in `shown` stand among the controls, the others in
// the window; the pad, the Menu and the pairs' names show only if in
// `shown`.
function showAmongControls(shown) {
  buttons.forEach((button, index) => (shown.includes(button) ? $('pad').appendChild(button) : keepOnStage(button, index)));
  for (const control of [...padControls(), $('menu-control'), ...document.querySelectorAll('#pad .pair-label')])
    control.style.display = shown.includes(control) ? '' : 'none';
}

// Upright with room to spare (a tablet): the window above the pad and the
// file's buttons.
function layOutWindow(safe) {
  const width = safe.width, height = safe.height, placeBox = placeIn(safe);
  showAmongControls(padControls());
  const [left, right, turn, drop] = padControls();
  const padHeight = ui.controlsShown ? CONTROL + 2 * GAP : 0;
  const area = { x: GAP, y: GAP, width: width - 2 * GAP, height: height - padHeight - STORAGE_ROW - GAP };
  const y = height - STORAGE_ROW - GAP - CONTROL;
  placeBox(left, GAP, y, CONTROL, CONTROL);
  placeBox(right, 2 * GAP + CONTROL, y, CONTROL, CONTROL);
  placeBox(turn, width - 2 * GAP - 2 * CONTROL, y, CONTROL, CONTROL);
  placeBox(drop, width - GAP - CONTROL, y, CONTROL, CONTROL);
  Object.assign($('storage').style, { left: `${safe.left + GAP}px`, top: `${safe.top + height - STORAGE_ROW}px`, width: '', display: '' });
  return placePicture({ x: safe.left + area.x, y: safe.top + area.y, width: area.width, height: area.height }, W, H);
}

// Turned: the window as high as whole device pixels allow, between two
// narrow columns. On the left the Menu and Options, the file's buttons
// between games and Left and Right under the left thumb; on the right
// Start or Pause, Continue, and the turn above the drop under the right
// one. The columns at their narrowest decide the window's size; what is
// left widens the controls and the margins.
function layOutTurned(safe) {
  const width = safe.width, height = safe.height, placeBox = placeIn(safe);
  const playing = playingNow();
  const [left, right, turn, drop] = padControls();
  const menu = $('menu-control'), storage = $('storage');
  const commands = commandControls(playing);
  const options = commands.find((button) => button === buttons[OptionsButton]);
  const rightColumn = commands.filter((button) => button !== options);
  showAmongControls([...(ui.controlsShown && playing ? padControls() : []), ...commands, menu]);
  const columns = 3 * TALL_CONTROL + GAP;
  const factor = wholeFit({ width: width - columns, height }, W, H);
  const windowWidth = (W * Math.max(1, factor)) / devicePixelRatio;
  const spare = width - windowWidth - columns;
  const size = Math.max(TALL_CONTROL, Math.min(TURNED_CONTROL, TALL_CONTROL + Math.floor((spare - 4 * GAP) / 3)));
  const margin = (width - windowWidth - 3 * size - GAP) / 4;  // the screen's edges and each side of the window
  const leftWide = 2 * size + GAP, rightX = width - margin - size;
  placeBox(menu, margin, GAP, size, size);
  if (options) placeBox(options, margin + size + GAP, GAP, size, size);
  rightColumn.forEach((button, i) => placeBox(button, rightX, GAP + i * (size + GAP), size, size));
  const bottom = height - GAP - size;
  placeBox(left, margin, bottom, size, size);
  placeBox(right, margin + size + GAP, bottom, size, size);
  placeBox(turn, rightX, bottom - GAP - size, size, size);
  placeBox(drop, rightX, bottom, size, size);
  Object.assign(storage.style, { left: `${safe.left + margin}px`, top: `${safe.top + 2 * GAP + size}px`, width: `${leftWide}px`, display: playing ? 'none' : '' });
  return placePicture({ x: safe.left + 2 * margin + leftWide, y: safe.top, width: windowWidth, height }, W, H);
}

// The tall layout: the picture at the top, as large as fits; under it the
// rows of controls for what the player can do now (with the speed's and
// the starting rows' "+" and "-" between games, where they act, each pair
// with its name), and the file's buttons in a row of their own where
// there is room.
function layOutTall(safe) {
  const width = safe.width, height = safe.height, placeBox = placeIn(safe);
  const playing = playingNow();
  const settings = [SpeedUpButton, SpeedDownButton, RowsUpButton, RowsDownButton];
  // A pair at its limit stays, greyed, so that the row keeps its places.
  const settingsShown = !playing && usableButtons(settings).length > 0;
  const singles = [...(ui.controlsShown && playing ? padControls() : []), ...commandControls(playing), $('menu-control')];
  const pairs = [[SpeedUpButton, SpeedDownButton, 'speed-label'], [RowsUpButton, RowsDownButton, 'rows-label']];
  const units = [
    ...singles.map((control) => ({ controls: [control], label: null })),
    ...(settingsShown ? pairs.map(([up, down, label]) => ({ controls: [buttons[up], buttons[down]], label: $(label) })) : []),
  ];
  showAmongControls(units.flatMap((unit) => (unit.label !== null ? [...unit.controls, unit.label] : unit.controls)));
  // As many controls a row as fit, the rows as even as they go; a pair
  // never split between two rows.
  const countOf = (row) => row.reduce((sum, unit) => sum + unit.controls.length, 0);
  const count = countOf(units);
  const perRow = Math.max(2, Math.floor((width + GAP) / (TALL_CONTROL + GAP)));
  const inRow = Math.ceil(count / Math.ceil(count / perRow));
  const rowsOfUnits = [];
  for (const unit of units) {
    const row = rowsOfUnits[rowsOfUnits.length - 1];
    if (row !== undefined && countOf(row) + unit.controls.length <= inRow) row.push(unit);
    else rowsOfUnits.push([unit]);
  }
  const rows = rowsOfUnits.length * (TALL_CONTROL + GAP) + TALL_MARGIN;
  const storageRow = TALL_CONTROL + GAP + TALL_MARGIN;
  const storage = $('storage');
  const withStorage = !playing && height - rows - TALL_H * (wholeFit({ width, height: height - rows }, TALL_W, TALL_H) / devicePixelRatio) >= storageRow;
  storage.style.display = withStorage ? '' : 'none';
  const factor = placePicture({ x: safe.left, y: safe.top, width, height: height - rows - (withStorage ? storageRow : 0) }, TALL_W, TALL_H);
  // Margins at the screen's edges where the controls keep their size.
  const widest = Math.max(...rowsOfUnits.map(countOf));
  const edge = width - widest * TALL_CONTROL - (widest + 1) * GAP >= 0 ? GAP : 0;
  const size = Math.min(2 * TALL_CONTROL, Math.floor((width - 2 * edge - GAP * (widest - 1)) / widest));
  const top = height - rows + GAP - (withStorage ? storageRow : 0);
  rowsOfUnits.forEach((row, r) => {
    const y = top + r * (TALL_CONTROL + GAP);
    let x = (width - countOf(row) * size - (countOf(row) - 1) * GAP) / 2;
    for (const unit of row) {
      // The name across the top of its pair, inside the buttons' edges.
      if (unit.label !== null) placeBox(unit.label, x + PAIR_EDGE, y + PAIR_EDGE, unit.controls.length * (size + GAP) - GAP - 2 * PAIR_EDGE, PAIR_LABEL);
      for (const control of unit.controls) {
        control.classList.toggle('paired', unit.label !== null);
        placeBox(control, x, y, size, TALL_CONTROL);
        x += size + GAP;
      }
    }
  });
  if (withStorage) Object.assign(storage.style, { left: `${safe.left + GAP}px`, top: `${safe.top + height - TALL_MARGIN - TALL_CONTROL}px`, width: '' });
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

// CSS pixels the dialogs' text should keep: less on a narrow screen.
const readableDialogText = () => (innerWidth >= 375 ? 11 : 9);
// A dialog in the middle of the screen at its own size (the style sheet
// keeps the browser from squeezing it to the screen), scaled to lie wholly
// on it: with a margin where its text stays readable so, else edge to edge;
// larger for the fingers where there is room. Where its template's places
// cannot keep the text readable, it is laid out for the phone.
function fitDialog(dialog) {
  if (!touchScreen) return;
  const safe = safeArea();
  const readable = readableDialogText() / LABEL_PIXELS;  // the least scale
  placeAsTemplates(dialog);
  if (Math.min(safe.width / dialog.offsetWidth, safe.height / dialog.offsetHeight) < readable)
    placeForPhone(dialog, { width: safe.width / readable, height: safe.height / readable });
  const width = dialog.offsetWidth, height = dialog.offsetHeight;  // untouched by the scale
  const fits = (margin) => Math.min((safe.width - 2 * margin) / width, (safe.height - 2 * margin) / height);
  const zoom = Math.min(fits(GAP) >= readable ? fits(GAP) : fits(0), 2);
  Object.assign(dialog.style, {
    left: `${safe.left + (safe.width - width * zoom) / 2}px`, top: `${safe.top + (safe.height - height * zoom) / 2}px`,
    transform: `scale(${zoom})`,
  });
}

// A menu kept on the screen.
function fitMenu(menuElement) {
  if (!touchScreen) return;
  const safe = safeArea();
  // A menu taller than a turned phone goes on in a second column.
  if (menuElement.getBoundingClientRect().height > safe.bottom - safe.top) menuElement.classList.add('two-columns');
  const box = menuElement.getBoundingClientRect();
  menuElement.style.left = `${Math.max(safe.left, Math.min(box.left, safe.right - box.width))}px`;
  menuElement.style.top = `${Math.max(safe.top, Math.min(box.top, safe.bottom - box.height))}px`;
}

// Where a pointer is on the client area, in game pixels, whatever the
// window's scale.
function gamePoint(event) {
  const box = canvas.getBoundingClientRect();
  return { x: Math.floor(((event.clientX - box.left) * pictureWidth()) / box.width), y: Math.floor(((event.clientY - box.top) * pictureHeight()) / box.height) };
}
