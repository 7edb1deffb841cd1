// The settings file in the page's storage, one copy, and the start.
// ---- the settings file in the page's storage ----
function storedBytes() {
  const text = localStorage.getItem(STORAGE_KEY);
  if (text === null) return null;
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i) & 0xff;
  return bytes;
}
// The file's bytes, one character each, replaced whole.
function storeBytes(bytes) {
  let text = '';
  for (const byte of bytes) text += String.fromCharCode(byte);
  try {
    localStorage.setItem(STORAGE_KEY, text);
  } catch (error) {
    // A full or refused storage keeps the file it had, as a failed write does.
  }
}
page.settingsSaved = (pointer, length) => storeBytes(HEAPU8.subarray(pointer, pointer + length));
// The file to take away, and one to load in its place: a file that is
// no settings file is refused, and the one in storage kept.
function offerFileActions() {
  const message = $('storage-message');
  $('download').textContent = texts.download;
  $('load').textContent = texts.load;
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
    if (!withBytes(bytes, _trelmo_load_settings)) {
      message.textContent = texts.refused.replace('%s', file.name);
      return;
    }
    storeBytes(bytes);
    message.textContent = texts.loaded.replace('%s', file.name);
  });
}

// ---- one copy ----
let releaseLock = () => {};
function withOneCopy(start, refused) {
  if (!navigator.locks) {
    start();
    return;
  }
  navigator.locks.request('trelmo', { ifAvailable: true }, (lock) => {
    if (lock === null) {
      refused();
      return undefined;
    }
    start();
    return new Promise((resolve) => { releaseLock = resolve; });
  });
}

// The texts the page shows outside the templates, once the module is ready.
function readTexts() {
  for (const named of describe(Description.Texts)) texts[named.name] = named.text;
}

function start() {
  readTexts();
  drawIcon(tray, IDI_PROGRAM);
  tray.title = texts.trayTip;
  windowBox.hidden = false;
  started = true;
  active = document.hasFocus();
  fitScale();
  const seed = /seed=(\d+)/.exec(location.hash);
  const seedValue = seed ? Number(seed[1]) >>> 0 : (Date.now() ^ (Math.random() * 0x100000000)) >>> 0;
  // The window's first frame shows before the sheet that the start opens.
  const open = page.open;
  page.open = (command, sheetPage) => requestAnimationFrame(() => open(command, sheetPage));
  run(() => withBytes(storedBytes() || [], (settings, length) => _trelmo_start(seedValue, settings, length)));
  page.open = open;
  offerFileActions();
  offerControls();
}

// The lock is asked for while the module compiles; the game starts when
// it has both.
// A second tab says so once it can read the text.
let moduleReady = runtimeInitialized, lockHeld = false, lockRefused = false;
const startWhenReady = () => {
  if (moduleReady && lockHeld && !started) start();
  if (moduleReady && lockRefused && notice.textContent === '') {
    readTexts();
    notice.textContent = texts.otherTab;
  }
};
withOneCopy(() => {
  lockHeld = true;
  startWhenReady();
}, () => {
  lockRefused = true;
  startWhenReady();
});
if (!moduleReady) {
  Module.onRuntimeInitialized = () => {
    moduleReady = true;
    startWhenReady();
  };
}
