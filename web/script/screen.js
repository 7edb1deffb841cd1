// The window's client area: the canvas the module paints, its labels, and
// the buttons on it.
// ---- the canvas ----
const context = canvas.getContext('2d');
const back = document.createElement('canvas');
const backContext = back.getContext('2d');
// The canvas, and the picture behind it, at the layout's size.
function sizePicture() {
  for (const element of [stage, canvas]) Object.assign(element.style, { width: `${pictureWidth()}px`, height: `${pictureHeight()}px` });
  back.width = pictureWidth();
  back.height = pictureHeight();
  ui.heapPicture = null;
}
sizePicture();
// Every game pixel an exact square of canvas pixels: the canvas holds
// `scale` device pixels a game pixel and shows at W x H CSS pixels, or
// fitted to a touch screen (fit.js). Returns whether the scale changed (and
// the canvas was cleared).
function fitScale() {
  const wanted = touchScreen ? layOutTouch() : Math.max(1, Math.ceil(window.devicePixelRatio - 0.001));
  if (ui.started && ui.tall !== ui.moduleTall) {
    input(Input.Layout, ui.tall ? 1 : 0);
    ui.moduleTall = ui.tall;
  }
  if (wanted === ui.scale && canvas.width === pictureWidth() * ui.scale && canvas.height === pictureHeight() * ui.scale) return false;
  sizePicture();
  ui.scale = wanted;
  canvas.width = pictureWidth() * wanted;
  canvas.height = pictureHeight() * wanted;
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
page.copyRect = (pixels, x, y, w, h) => {
  if (ui.heapPicture === null || ui.heapPicture.data.buffer !== HEAPU8.buffer) {
    ui.heapPicture = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, pixels, pictureWidth() * pictureHeight() * 4), pictureWidth(), pictureHeight());
  }
  backContext.putImageData(ui.heapPicture, 0, 0, x, y, w, h);
  context.imageSmoothingEnabled = false;
  const scale = ui.scale;
  context.drawImage(back, x, y, w, h, x * scale, y * scale, w * scale, h * scale);
};
// A label keeps within its box, whatever the font's glyphs reach: the
// page's font family at the labels' size, smaller only should it leave it.
page.drawLabel = (x, y, width, height, text, length) => {
  const label = gbkText(text, length);
  context.save();
  context.setTransform(ui.scale, 0, 0, ui.scale, 0, 0);
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
  buttonPlaces[index] = { x, y, width, height };
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
  // A touch screen's controls show what can be done now.
  if (touchScreen) later(refit);
};
