// The page's side of the game: raw events to the module's entry points, the
// canvas, the buttons, the dialogs, and the requests the rules leave pending
// carried out with timers and dialogs, then answered. Nothing here knows
// what an input means or what a dialog shows: page.cpp says.
(function () {
  'use strict';
  const W = 479, H = 340;
  const CmdRestore = 201;
  const Request = { None: 0, Sound: 1, Wait: 2, OfferScore: 3, AskReplay: 4, QuitProgram: 5 };
  const ControlKind = { Label: 0, Icon: 1, EtchedRule: 2, GroupBox: 3, PushButton: 4, CheckBox: 5, RadioButton: 6, EditBox: 7 };
  const OK = 1, CANCEL = 2;
  const IDI_PROGRAM = 102, IDI_EXIT = 103, IDC_CLEAR = 102, IDC_NAME_BOX = 103;
  const IDD_SCORE_TABLE = 2, IDD_NAME_ENTRY = 3, IDD_OPTIONS = 4, SHEET_PAGES = [1, 5, 6];
  // Windows' shortest timer period.
  const SHORTEST_PERIOD_MS = 10;
  const SILENT_SOUND_MS = 100;
  const STORAGE_KEY = 'trelmo.ini';
  const SETTINGS_PATH = '/trelmo.ini';
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
  // The lines of a table an entry point returns: fields end with a tab.
  const rows = (pointer) => gbkText(pointer).split('\n').filter((line) => line !== '').map((line) => line.split('\t'));

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
  // A zero-terminated copy in the module's memory, freed by the caller.
  function toModule(bytes) {
    const at = _malloc(bytes.length + 1);
    HEAPU8.set(bytes, at);
    HEAPU8[at + bytes.length] = 0;
    return at;
  }

  // ---- every event goes through here ----
  // Runs an entry point, then starts whatever request the rules left.
  function run(entry) {
    if (!started || ended) return;
    entry();
    carryOutRequests();
  }
  const later = (work) => setTimeout(() => run(work), 0);

  // ---- the canvas ----
  // Every game pixel an exact square of canvas pixels: the canvas holds
  // `scale` device pixels a game pixel and shows at 479 x 340 CSS pixels.
  function fitScale() {
    const wanted = Math.max(1, Math.ceil(window.devicePixelRatio - 0.001));
    matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => {
      fitScale();
      run(() => _trelmo_repaint());
    }, { once: true });
    if (wanted === scale && canvas.width === W * scale) return;
    scale = wanted;
    canvas.width = W * scale;
    canvas.height = H * scale;
    context.imageSmoothingEnabled = false;
  }
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
    button.addEventListener('click', () => run(() => _trelmo_button(index)));
    stage.appendChild(button);
    buttons[index] = button;
  };
  page.setButton = (index, text, enabled) => {
    if (text !== 0) buttons[index].textContent = gbkText(text);
    if (enabled !== 0) buttons[index].disabled = enabled < 0;
  };

  // ---- the gravity timer ----
  // While the game is hidden, to the icon or with its tab, it is paused
  // and a tick would do nothing: the timer waits, and starts a full period
  // again on coming back.
  let gravityPeriod = null;
  function updateGravityTimer() {
    const wanted = gravityPeriod !== null && !hidden && !ended && document.visibilityState === 'visible';
    if (gravityTimer !== 0 && !wanted) {
      clearInterval(gravityTimer);
      gravityTimer = 0;
    } else if (gravityTimer === 0 && wanted) {
      gravityTimer = setInterval(() => run(() => _trelmo_tick()), gravityPeriod);
    }
  }
  page.armTimer = (milliseconds) => {
    page.stopTimer();
    gravityPeriod = Math.max(milliseconds, SHORTEST_PERIOD_MS);
    updateGravityTimer();
  };
  page.stopTimer = () => {
    gravityPeriod = null;
    updateGravityTimer();
  };

  // ---- sounds: the module's WAVE data, through Web Audio ----
  let audio = null;
  const waves = {};
  function waveOf(soundId) {
    if (waves[soundId]) return waves[soundId];
    const sizeAt = _malloc(4);
    const at = _trelmo_sound(soundId, sizeAt);
    const file = HEAPU8.slice(at, at + HEAP32[sizeAt >> 2]);
    _free(sizeAt);
    const view = new DataView(file.buffer);
    let rate = 8000, channels = 1, samples = new Uint8Array(0);
    for (let chunk = 12; chunk + 8 <= file.length;) {
      const id = String.fromCharCode(...file.subarray(chunk, chunk + 4));
      const size = view.getUint32(chunk + 4, true);
      if (id === 'fmt ') {
        channels = view.getUint16(chunk + 10, true);
        rate = view.getUint32(chunk + 12, true);
      } else if (id === 'data') {
        samples = file.subarray(chunk + 8, chunk + 8 + size);
      }
      chunk += 8 + size + (size & 1);
    }
    const frames = Math.floor(samples.length / channels);
    waves[soundId] = { rate, channels, samples, frames, milliseconds: Math.ceil((frames * 1000) / rate) };
    return waves[soundId];
  }
  // Until the page has had a key or a click the browser keeps the audio
  // suspended: it is made, or resumed, at the first one.
  function wakeAudio() {
    if (audio === null && window.AudioContext) audio = new AudioContext();
    if (audio !== null && audio.state === 'suspended') audio.resume();
  }
  // The step lasts the sound's length, by the clock, whether or not the
  // browser lets it be heard; 100 ms with sound off.
  function playSound(soundId, done) {
    if (!_trelmo_sound_on()) {
      setTimeout(done, SILENT_SOUND_MS);
      return;
    }
    const wave = waveOf(soundId);
    if (audio !== null && audio.state === 'running') {
      const buffer = audio.createBuffer(wave.channels, wave.frames, wave.rate);
      for (let c = 0; c < wave.channels; ++c) {
        const data = buffer.getChannelData(c);
        for (let i = 0; i < wave.frames; ++i) data[i] = (wave.samples[i * wave.channels + c] - 128) / 128;
      }
      const source = audio.createBufferSource();
      source.buffer = buffer;
      source.connect(audio.destination);
      source.start();
    }
    setTimeout(done, wave.milliseconds);
  }

  // ---- the rules' requests ----
  // One entry per request being carried out, by the depth of the rules'
  // stack it stands at. A request finished under another one (a dialog
  // closed while a sound above it plays) is answered once it is on top.
  const carrying = [];
  function carryOutRequests() {
    for (;;) {
      if (ended) return;
      const depth = _trelmo_depth();
      while (carrying.length > 0 && carrying[carrying.length - 1].depth > depth) carrying.pop();
      const top = carrying[carrying.length - 1];
      if (top && top.depth === depth && top.done) {
        carrying.pop();
        _trelmo_answer(top.yes ? 1 : 0);
        continue;
      }
      if (depth === 0 || (top && top.depth >= depth)) return;
      const entry = { depth, done: false, yes: true };
      carrying.push(entry);
      closeMenu();
      startRequest(_trelmo_pending(), _trelmo_pending_value(), entry);
    }
  }
  function finish(entry, yes) {
    entry.done = true;
    entry.yes = yes;
    run(() => {});
  }
  function startRequest(request, value, entry) {
    switch (request) {
      case Request.Sound: playSound(value, () => finish(entry, true)); break;
      case Request.Wait: setTimeout(() => finish(entry, true), value); break;
      case Request.OfferScore: offerScore(() => finish(entry, true)); break;
      case Request.AskReplay: askQuestion(texts.replayQuestion, texts.replayTitle, null, (yes) => finish(entry, yes)); break;
      case Request.QuitProgram: endGame(); break;
      default: entry.done = true;
    }
  }

  // The game's end: nothing of it runs again.
  function endGame() {
    if (ended) return;
    _trelmo_shut_down();
    ended = true;
    page.stopTimer();
    closeMenu();
    for (const dialog of document.querySelectorAll('dialog')) dialog.remove();
    windowBox.hidden = true;
    tray.style.display = 'none';
    notice.textContent = '游戏已结束。';
    releaseLock();
  }

  // ---- what the commands open ----
  page.open = (what, argument) => {
    switch (what) {
      case 'hide': later(hide); break;
      case 'restore': later(restore); break;
      case 'exit': later(openExitBox); break;
      case 'sheet': later(() => showSheet(argument)); break;
      case 'options': later(showOptions); break;
      case 'table': later(() => showTable(() => {})); break;
      case 'menu': later(() => openMenu(0, pointer.x, pointer.y)); break;
    }
  };

  // ---- hiding: the icon stands in for the window ----
  function drawIcon(canvasElement, iconId) {
    const at = _trelmo_icon(iconId);
    const picture = new ImageData(new Uint8ClampedArray(HEAPU8.slice(at, at + 32 * 32 * 4).buffer), 32, 32);
    canvasElement.getContext('2d').putImageData(picture, 0, 0);
  }
  function hide() {
    if (hidden) return;
    hidden = true;
    closeMenu();
    windowBox.style.visibility = 'hidden';
    tray.style.display = 'block';
    setActive(false);
    updateGravityTimer();
  }
  function restore() {
    if (!hidden) return;
    hidden = false;
    tray.style.display = 'none';
    windowBox.style.visibility = '';
    _trelmo_repaint();
    setActive(document.hasFocus() && document.visibilityState === 'visible');
    updateGravityTimer();
  }
  tray.addEventListener('dblclick', () => run(() => _trelmo_menu_item(CmdRestore)));
  tray.addEventListener('contextmenu', (event) => {
    event.preventDefault();
    openMenu(1, event.clientX, event.clientY);
  });

  // ---- activation: focus and visibility of the page ----
  function setActive(now) {
    if (now === active) return;
    active = now;
    run(() => _trelmo_activation(now ? 1 : 0, hidden || document.visibilityState !== 'visible' ? 0 : 1));
  }
  window.addEventListener('blur', () => {
    if (started) _trelmo_keys_lost();
    setActive(false);
  });
  window.addEventListener('focus', () => setActive(!hidden && document.visibilityState === 'visible'));
  document.addEventListener('visibilitychange', () => {
    setActive(!hidden && document.visibilityState === 'visible' && document.hasFocus());
    updateGravityTimer();
  });

  // ---- popup menus ----
  function closeMenu() {
    if (menu !== null) menu.remove();
    menu = null;
  }
  function openMenu(which, x, y) {
    closeMenu();
    menu = document.createElement('div');
    menu.className = 'menu';
    for (const fields of rows(_trelmo_menu(which))) {
      const id = fields[0], greyed = fields[1], text = fields[2];
      if (id === '0') {
        menu.appendChild(document.createElement('hr'));
        continue;
      }
      const item = document.createElement('div');
      item.className = greyed === '1' ? 'greyed' : 'item';
      item.textContent = text;
      item.dataset.id = id;
      item.addEventListener('mousedown', (event) => event.stopPropagation());
      item.addEventListener('click', () => {
        if (greyed === '1') return;
        closeMenu();
        run(() => _trelmo_menu_item(Number(id)));
      });
      menu.appendChild(item);
    }
    Object.assign(menu.style, { left: `${x}px`, top: `${y}px` });
    document.body.appendChild(menu);
  }
  document.addEventListener('mousedown', () => closeMenu());

  // ---- keys and the mouse of the main window ----
  function virtualKey(event) {
    const named = { Escape: 0x1b, Esc: 0x1b, ' ': 0x20, ArrowLeft: 0x25, ArrowUp: 0x26, ArrowRight: 0x27, ArrowDown: 0x28, Left: 0x25, Up: 0x26, Right: 0x27, Down: 0x28 };
    if (event.key in named) return named[event.key];
    const f = /^F([1-9]|1[0-2])$/.exec(event.key);
    if (f) return 0x6f + Number(f[1]);
    return event.keyCode || 0;
  }
  // The keys and characters the game has a meaning for; the browser's own
  // action for them (F3 find, F5 reload, scrolling) never happens.
  const GAME_KEYS = new Set([0x1b, 0x20, 0x25, 0x26, 0x27, 0x28, 0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76, 0x77]);
  const GAME_CHARACTERS = new Set(['+', '-', '<', '>']);
  const gameHasKeyboard = () => !ended && !hidden && modalCount === 0 && !windowBox.hidden;
  window.addEventListener('keydown', (event) => {
    wakeAudio();
    if (menu !== null && event.key === 'Escape') {
      closeMenu();
      event.preventDefault();
      return;
    }
    if (!gameHasKeyboard() || (exitBox !== null && exitBox.contains(event.target))) return;
    const key = virtualKey(event);
    const character = event.key.length === 1 ? event.key : '';
    if (GAME_KEYS.has(key) || GAME_CHARACTERS.has(character)) event.preventDefault();
    run(() => _trelmo_key_down(key, event.ctrlKey ? 1 : 0));
    if (character !== '' && !event.ctrlKey && !event.altKey) run(() => _trelmo_char(character.charCodeAt(0)));
  });
  window.addEventListener('keyup', (event) => {
    const key = virtualKey(event);
    if (GAME_KEYS.has(key)) event.preventDefault();
    if (gameHasKeyboard()) run(() => _trelmo_key_up(key));
    else if (key === 0x28 && started) _trelmo_keys_lost();
  });
  canvas.addEventListener('mousedown', (event) => {
    wakeAudio();
    event.preventDefault();
    event.stopPropagation();
    closeMenu();
    pointer = { x: event.clientX, y: event.clientY };
    run(() => _trelmo_mouse_down(event.button, Math.floor(event.offsetX), Math.floor(event.offsetY)));
  });
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());
  // The game's own hand, cursor 1, made into an image once.
  let handCursor = null;
  function handCursorStyle() {
    if (handCursor !== null) return handCursor;
    const at = _trelmo_hand_cursor();
    const picture = document.createElement('canvas');
    picture.width = 16;
    picture.height = 18;
    picture.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(HEAPU8.slice(at, at + 16 * 18 * 4).buffer), 16, 18), 0, 0);
    handCursor = `url(${picture.toDataURL()}) 0 0, pointer`;
    return handCursor;
  }
  canvas.addEventListener('mousemove', (event) => {
    if (!started) return;
    canvas.style.cursor = _trelmo_hand_at(Math.floor(event.offsetX), Math.floor(event.offsetY)) ? handCursorStyle() : 'default';
  });

  // ---- dialogs, laid out from the templates ----
  // The dialog font's base units, measured once.
  let fontMetrics = null;
  function metrics() {
    if (fontMetrics !== null) return fontMetrics;
    const measure = document.createElement('canvas').getContext('2d');
    measure.font = `${LABEL_PIXELS}px ${FONT_FAMILY}`;
    const m = measure.measureText(BASE_UNIT_ALPHABET);
    const height = Math.round((m.fontBoundingBoxAscent || LABEL_PIXELS) + (m.fontBoundingBoxDescent || 0));
    fontMetrics = { alphabet: Math.round(m.width), height };
    return fontMetrics;
  }
  const units = (value, vertical) => _trelmo_dialog_units(value, vertical ? 1 : 0, metrics().alphabet, metrics().height);

  // "&O" underlines O and makes it the control's key; "&&" is an "&".
  function withMnemonic(element, text) {
    let key = '';
    for (let i = 0; i < text.length; ++i) {
      if (text[i] === '&' && i + 1 < text.length) {
        ++i;
        if (text[i] !== '&' && key === '') {
          key = text[i].toLowerCase();
          const u = document.createElement('u');
          u.textContent = text[i];
          element.appendChild(u);
          continue;
        }
      }
      element.appendChild(document.createTextNode(text[i]));
    }
    return key;
  }

  function iconCanvas(iconId) {
    const icon = document.createElement('canvas');
    icon.width = icon.height = 32;
    drawIcon(icon, iconId);
    return icon;
  }

  // The template's controls on a panel the template's size. Returns the
  // panel, the template's frame and caption, and the controls by id.
  function buildPanel(templateId) {
    const lines = rows(_trelmo_dialog(templateId, metrics().alphabet, metrics().height));
    const frame = lines[0];
    const caption = frame[0], x = frame[1], y = frame[2], width = frame[3], height = frame[4], centred = frame[5];
    const panel = document.createElement('div');
    panel.className = 'panel';
    Object.assign(panel.style, { width: `${width}px`, height: `${height}px` });
    const controls = new Map();
    const mnemonics = [];
    let group = 0;
    for (const fields of lines.slice(1)) {
      const kind = fields[0], id = fields[1], iconId = fields[2], cx = fields[3], cy = fields[4], cw = fields[5];
      const ch = fields[6], startsGroup = fields[7], tabStop = fields[8], text = fields[9];
      if (startsGroup === '1') ++group;
      let element, focusable = null, key = '';
      switch (Number(kind)) {
        case ControlKind.Label:
          element = document.createElement('div');
          key = withMnemonic(element, text);
          break;
        case ControlKind.Icon:
          element = iconCanvas(Number(iconId));
          break;
        case ControlKind.EtchedRule:
          element = document.createElement('hr');
          break;
        case ControlKind.GroupBox: {
          element = document.createElement('fieldset');
          const legend = document.createElement('legend');
          key = withMnemonic(legend, text);
          element.appendChild(legend);
          break;
        }
        case ControlKind.PushButton:
          element = focusable = document.createElement('button');
          element.type = 'button';
          key = withMnemonic(element, text);
          break;
        case ControlKind.CheckBox:
        case ControlKind.RadioButton: {
          element = document.createElement('label');
          focusable = document.createElement('input');
          focusable.type = Number(kind) === ControlKind.CheckBox ? 'checkbox' : 'radio';
          focusable.name = `group${templateId}-${group}`;
          const span = document.createElement('span');
          key = withMnemonic(span, text);
          element.append(focusable, span);
          break;
        }
        case ControlKind.EditBox:
          element = focusable = document.createElement('input');
          element.type = 'text';
          element.spellcheck = false;
          break;
      }
      if (focusable !== null) focusable.tabIndex = tabStop === '1' ? 0 : -1;
      Object.assign(element.style, { left: `${cx}px`, top: `${cy}px` });
      if (Number(kind) !== ControlKind.Icon) Object.assign(element.style, { width: `${cw}px`, height: `${ch}px` });
      panel.appendChild(element);
      const control = focusable || element;
      if (!controls.has(Number(id))) controls.set(Number(id), control);
      if (key !== '') mnemonics.push({ key, control });
    }
    return { panel, controls, mnemonics, caption, x: Number(x), y: Number(y), centred: centred === '1' };
  }

  // A modal dialog with a title bar; `keys` handles the Windows dialog
  // keys: Return presses `defaultButton` unless a button has the focus,
  // Esc calls `cancel` when there is one, and a mnemonic letter works with
  // or without Alt unless an edit box has the focus.
  function openDialog(options) {
    const caption = options.caption, body = options.body, defaultButton = options.defaultButton, cancel = options.cancel;
    const mnemonics = options.mnemonics || [], at = options.at || null, modal = options.modal !== false;
    const dialog = document.createElement('dialog');
    if (caption !== null) {
      const title = document.createElement('div');
      title.className = 'title';
      title.textContent = caption;
      dialog.appendChild(title);
    }
    dialog.append(...body);
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      if (cancel) cancel();
    });
    dialog.addEventListener('keydown', (event) => {
      event.stopPropagation();
      const target = event.target;
      if (event.key === 'Enter' && defaultButton && !(target instanceof HTMLButtonElement)) {
        event.preventDefault();
        defaultButton.click();
        return;
      }
      const textBox = target instanceof HTMLInputElement && target.type === 'text';
      if (event.key.length !== 1 || event.ctrlKey || (textBox && !event.altKey)) return;
      const found = mnemonics.find((m) => m.key === event.key.toLowerCase());
      if (!found) return;
      event.preventDefault();
      found.control.focus();
      if (!(found.control instanceof HTMLInputElement && found.control.type === 'text')) found.control.click();
    });
    document.body.appendChild(dialog);
    if (at !== null) {
      const origin = stage.getBoundingClientRect();
      Object.assign(dialog.style, { position: 'fixed', margin: '0', left: `${origin.left + at.x}px`, top: `${origin.top + at.y}px` });
    }
    if (modal) {
      ++modalCount;
      dialog.showModal();
    } else {
      dialog.show();
    }
    const close = () => {
      if (!dialog.isConnected) return;
      if (modal) --modalCount;
      dialog.close();
      dialog.remove();
    };
    if (defaultButton) defaultButton.focus();
    return { dialog, close };
  }

  // A template dialog: OK (and Cancel, where the template has one) end it.
  function templateDialog(templateId, handlers) {
    const onOk = handlers.onOk, onCancel = handlers.onCancel, canCancel = handlers.canCancel;
    const built = buildPanel(templateId);
    const ok = built.controls.get(OK);
    const cancelButton = built.controls.get(CANCEL);
    const opened = openDialog({
      caption: built.caption,
      body: [built.panel],
      defaultButton: ok,
      cancel: canCancel ? () => { opened.close(); onCancel(); } : null,
      mnemonics: built.mnemonics,
      at: built.centred ? null : built,
    });
    ok.addEventListener('click', () => { if (onOk(built) !== false) opened.close(); });
    if (cancelButton) cancelButton.addEventListener('click', () => { opened.close(); onCancel(); });
    return built;
  }

  function showOptions() {
    const marks = rows(_trelmo_option_marks());
    const built = templateDialog(IDD_OPTIONS, {
      canCancel: true,
      onCancel: () => {},
      onOk: () => {
        let checked = 0;
        marks.forEach((mark, bit) => { if (built.controls.get(Number(mark[0])).checked) checked |= 1 << bit; });
        run(() => _trelmo_store_option_marks(checked));
      },
    });
    for (const mark of marks) built.controls.get(Number(mark[0])).checked = mark[1] === '1';
  }

  function showTable(done) {
    const paintRows = (panel) => {
      for (const old of panel.querySelectorAll('.scorerow')) old.remove();
      for (let row = 0; row < 10; ++row) {
        const fields = rows(_trelmo_score_row(row))[0];
        const top = Number(fields[0]);
        for (let cell = 0; cell < 4; ++cell) {
          const x = fields[1 + cell * 3], centred = fields[2 + cell * 3], text = fields[3 + cell * 3];
          const element = document.createElement('div');
          element.className = 'scorerow';
          element.textContent = text;
          element.style.top = `${top}px`;
          element.style.whiteSpace = 'pre';
          if (centred === '1') Object.assign(element.style, { left: `${x}px`, transform: 'translateX(-50%)' });
          else element.style.right = `calc(100% - ${x}px)`;
          panel.appendChild(element);
        }
      }
    };
    const built = templateDialog(IDD_SCORE_TABLE, { canCancel: false, onOk: () => { later(done); } });
    paintRows(built.panel);
    built.controls.get(IDC_CLEAR).addEventListener('click', () => {
      _trelmo_clear_scores();
      paintRows(built.panel);
    });
  }

  // The offer of the result to the table: the name entry and the table
  // when it takes a place; `done` once they have closed.
  function offerScore(done) {
    const place = _trelmo_offer_begin();
    if (place < 0) {
      done();
      return;
    }
    let box;
    const built = templateDialog(IDD_NAME_ENTRY, {
      canCancel: false,
      onOk: () => {
        const typed = toModule(encodeGbk(box.value));
        _trelmo_offer_finish(place, typed);
        _free(typed);
        later(() => showTable(done));
      },
    });
    box = built.controls.get(IDC_NAME_BOX);
    box.value = gbkText(_trelmo_offered_name());
    // The Windows edit box does not scroll: typing stops where it is full.
    const measure = document.createElement('canvas').getContext('2d');
    measure.font = `${LABEL_PIXELS}px ${FONT_FAMILY}`;
    let kept = box.value;
    box.addEventListener('input', () => {
      if (measure.measureText(box.value).width > box.clientWidth - 4) box.value = kept;
      kept = box.value;
    });
    box.focus();
    box.select();
  }

  // A Yes/No box; the plain letters of its buttons answer it too, and Esc
  // does not.
  function askQuestion(text, title, iconId, answer, modal = true) {
    const body = document.createElement('div');
    body.className = 'message';
    if (iconId !== null) body.appendChild(iconCanvas(iconId));
    else {
      const mark = document.createElement('div');
      mark.textContent = '?';
      Object.assign(mark.style, { width: '32px', height: '32px', lineHeight: '32px', textAlign: 'center', borderRadius: '16px', background: '#fff', color: '#000080', fontSize: '24px', fontWeight: 'bold' });
      body.appendChild(mark);
    }
    const message = document.createElement('div');
    message.textContent = text;
    body.appendChild(message);
    const buttonRow = document.createElement('div');
    buttonRow.className = 'row';
    buttonRow.style.padding = '0 12px 10px';
    const mnemonics = [];
    const make = (label, yes) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.style.minWidth = '75px';
      mnemonics.push({ key: withMnemonic(button, label), control: button });
      button.addEventListener('click', () => {
        opened.close();
        answer(yes);
      });
      buttonRow.appendChild(button);
      return button;
    };
    const yes = make(texts.yes, true);
    make(texts.no, false);
    const opened = openDialog({ caption: title, body: [body, buttonRow], defaultButton: yes, cancel: null, mnemonics, modal });
    return opened;
  }

  // The exit box has no owner: the game goes on behind it. Yes offers the
  // result to the table, then ends the game.
  function openExitBox() {
    if (exitBox !== null) {
      exitBox.querySelector('button').focus();
      return;
    }
    const opened = askQuestion(texts.exitQuestion, texts.exitTitle, IDI_EXIT, (yes) => {
      exitBox = null;
      if (yes) offerScore(endGame);
    }, false);
    exitBox = opened.dialog;
  }

  // The information sheet: three pages on tabs, OK and Cancel.
  function showSheet(startPage) {
    const margin = { x: units(4, false), y: units(4, true) };
    const pages = SHEET_PAGES.map((id) => buildPanel(id));
    const titles = [texts.aboutTitle, texts.keyHelpTitle, texts.scoringTitle];
    const tabs = document.createElement('div');
    tabs.className = 'tabs';
    const body = document.createElement('div');
    body.className = 'sheetbody';
    const tabButtons = titles.map((title, index) => {
      const tab = document.createElement('button');
      tab.type = 'button';
      tab.textContent = title;
      tab.addEventListener('click', () => select(index));
      tabs.appendChild(tab);
      return tab;
    });
    const select = (index) => {
      pages.forEach((p, i) => { p.panel.style.display = i === index ? '' : 'none'; });
      tabButtons.forEach((tab, i) => tab.classList.toggle('current', i === index));
    };
    body.append(...pages.map((p) => p.panel));
    const frame = document.createElement('div');
    frame.style.padding = `${margin.y}px ${margin.x}px 0`;
    frame.append(tabs, body);
    const buttonRow = document.createElement('div');
    buttonRow.className = 'row';
    buttonRow.style.padding = `${margin.y}px ${margin.x}px`;
    const sheetButton = (text) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = text;
      Object.assign(button.style, { width: `${units(50, false)}px`, height: `${units(14, true)}px`, font: 'inherit', padding: '0' });
      button.addEventListener('click', () => opened.close());
      buttonRow.appendChild(button);
      return button;
    };
    const ok = sheetButton(texts.sheetOk);
    sheetButton(texts.sheetCancel);
    const opened = openDialog({ caption: texts.sheetCaption, body: [frame, buttonRow], defaultButton: ok, cancel: () => opened.close() });
    select(startPage);
    tabButtons[startPage].focus();
  }

  // ---- the settings file in the page's storage ----
  function storedBytes() {
    const text = localStorage.getItem(STORAGE_KEY);
    if (text === null) return null;
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i) & 0xff;
    return bytes;
  }
  // The file's bytes, one character each, replaced whole.
  page.settingsSaved = (path) => {
    let text = '';
    for (const byte of FS.readFile(path)) text += String.fromCharCode(byte);
    try {
      localStorage.setItem(STORAGE_KEY, text);
    } catch (error) {
      // A full or refused storage keeps the file it had, as a failed write does.
    }
  };

  // The file to take away, and one to load in its place: a file that is
  // no settings file is refused, and the one in storage kept.
  function offerFileActions() {
    const message = $('storage-message');
    $('storage').hidden = false;
    $('download').addEventListener('click', () => {
      const link = document.createElement('a');
      link.href = URL.createObjectURL(new Blob([storedBytes() || new Uint8Array(0)], { type: 'application/octet-stream' }));
      link.download = STORAGE_KEY;
      link.click();
      setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    });
    $('load').addEventListener('click', () => $('file').click());
    $('file').addEventListener('change', async () => {
      const file = $('file').files[0];
      $('file').value = '';
      if (!file || ended) return;
      const bytes = new Uint8Array(await file.arrayBuffer());
      const candidate = '/candidate.ini';
      FS.writeFile(candidate, bytes);
      const path = toModule(Array.from(candidate, (c) => c.charCodeAt(0)));
      const usable = _trelmo_is_settings_file(path);
      _free(path);
      FS.unlink(candidate);
      if (!usable) {
        message.textContent = `${file.name} 不是 trelmo.ini 设置文件，未载入。`;
        return;
      }
      FS.writeFile(SETTINGS_PATH, bytes);
      page.settingsSaved(SETTINGS_PATH);
      run(() => _trelmo_reload_settings());
      message.textContent = `已载入 ${file.name}。`;
    });
  }

  // ---- one copy ----
  let releaseLock = () => {};
  function withOneCopy(start) {
    if (!navigator.locks) {
      start();
      return;
    }
    navigator.locks.request('trelmo', { ifAvailable: true }, (lock) => {
      if (lock === null) {
        notice.textContent = 'Trelmo 已在另一个标签页中运行。';
        return undefined;
      }
      start();
      return new Promise((resolve) => { releaseLock = resolve; });
    });
  }

  function start() {
    for (const line of gbkText(_trelmo_texts()).split('\n')) {
      const space = line.indexOf(' ');
      if (space > 0) texts[line.slice(0, space)] = line.slice(space + 1);
    }
    const bytes = storedBytes();
    if (bytes !== null) FS.writeFile(SETTINGS_PATH, bytes);
    drawIcon(tray, IDI_PROGRAM);
    windowBox.hidden = false;
    started = true;
    active = document.hasFocus();
    fitScale();
    const seed = /seed=(\d+)/.exec(location.hash);
    run(() => _trelmo_start(seed ? Number(seed[1]) >>> 0 : (Date.now() ^ (Math.random() * 0x100000000)) >>> 0));
    offerFileActions();
    showSheet(0);
  }

  const ready = () => withOneCopy(start);
  if (runtimeInitialized) ready();
  else Module.onRuntimeInitialized = ready;
})();
