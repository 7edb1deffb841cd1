// One copy of the game in the browser, and its start.
// ---- one copy ----
function withOneCopy(start, refused) {
  if (!navigator.locks) {
    start();
    return;
  }
  const hold = () => {
    start();
    return new Promise((resolve) => { ui.releaseLock = resolve; });
  };
  navigator.locks.request('trelmo', { ifAvailable: true }, (lock) => {
    if (lock !== null) return hold();
    // Once the other copy has gone (its tab closed, or this page reloaded
    // before the old one let go), this one starts.
    refused();
    navigator.locks.request('trelmo', hold);
    return undefined;
  });
}

// The texts the page shows outside the templates, once the module is ready.
function readTexts() {
  for (const named of describe(Description.Texts)) texts[named.name] = named.text;
}

function start() {
  readTexts();
  notice.textContent = '';
  iconCanvas(IDI_PROGRAM, tray);
  tray.title = texts.trayTip;
  windowBox.hidden = false;
  ui.started = true;
  ui.active = document.hasFocus();
  fitScale();
  const seed = /seed=(\d+)/.exec(location.hash);
  const seedValue = seed ? Number(seed[1]) >>> 0 : (Date.now() ^ (Math.random() * 0x100000000)) >>> 0;
  // The window's first frame shows before the sheet that the start opens,
  // which a shared game being watched has no need of.
  const open = page.open, opened = [];
  page.open = (command, sheetPage) => opened.push(() => open(command, sheetPage));
  run(() => withBytes(storedBytes() || [], (settings, length) => _trelmo_start(seedValue, settings, length)));
  page.open = open;
  const ordinaryStart = () => requestAnimationFrame(() => opened.forEach((opening) => opening()));
  if (!watchSharedGame(ordinaryStart)) {
    bringBackKeptGame();
    ordinaryStart();
  }
  offerFileActions();
  offerControls();
}

// The lock is asked for while the module compiles; the game starts when
// it has both.
// A second tab says so once it can read the text.
const startWhenReady = () => {
  if (ui.moduleReady && ui.lockHeld && !ui.started) start();
  if (ui.moduleReady && ui.lockRefused && notice.textContent === '') {
    readTexts();
    notice.textContent = texts.otherTab;
  }
};
withOneCopy(() => {
  ui.lockHeld = true;
  ui.lockRefused = false;
  startWhenReady();
}, () => {
  ui.lockRefused = true;
  startWhenReady();
});
if (!ui.moduleReady) {
  Module.onRuntimeInitialized = () => {
    ui.moduleReady = true;
    startWhenReady();
  };
}
