// A game that outlives the page, and a game as a link. The game in
// progress is kept in the page's storage beside the settings, at most once a
// second while it changes and at once when the page may be stopped, and
// dropped when it ends; the start brings it back. A game is shared as the
// page's address with its script's code after #replay=, and such an address
// plays the game back in the window.
const KEPT_GAME_KEY = 'trelmo.game';
const KEEP_PERIOD_MS = 1000;
const say = (text) => { $('storage-message').textContent = text; };

// ---- the game kept ----
function keepGame() {
  clearTimeout(ui.keepTimer);
  ui.keepTimer = 0;
  if (ui.started && !ui.ended) _trelmo_kept_game();
}
page.keptGame = (script, length) => {
  try {
    if (script === 0) localStorage.removeItem(KEPT_GAME_KEY);
    else localStorage.setItem(KEPT_GAME_KEY, textOfBytes(HEAPU8.subarray(script, script + length)));
  } catch (error) {
    // A full or refused storage keeps what it had: the game is not kept.
  }
};
page.recordChanged = (state) => {
  ui.lastGameKept = (state & 2) !== 0;
  const playing = (state & 1) !== 0, ended = ui.keptPlaying && !playing;
  ui.keptPlaying = playing;
  if (ended) {
    clearTimeout(ui.keepTimer);
    ui.keepTimer = 0;
    localStorage.removeItem(KEPT_GAME_KEY);
  } else if (playing && ui.keepTimer === 0) {
    ui.keepTimer = setTimeout(keepGame, KEEP_PERIOD_MS);
  }
};
// Whenever the page may be stopped next: hidden, frozen or left.
const keepNow = () => { if (ui.keepTimer !== 0) keepGame(); };
document.addEventListener('visibilitychange', () => { if (document.visibilityState === 'hidden') keepNow(); });
document.addEventListener('freeze', keepNow);
window.addEventListener('pagehide', keepNow);
// The kept game back, paused; one that cannot be read is dropped, and
// one that went wrong on the way leaves a new start.
function bringBackKeptGame() {
  const kept = localStorage.getItem(KEPT_GAME_KEY);
  if (kept === null) return;
  const back = withBytes(bytesOfText(kept), _trelmo_restore);
  if (back === 1) return;
  localStorage.removeItem(KEPT_GAME_KEY);
  if (back < 0) location.reload();
}

// ---- links: the script's raw DEFLATE in base64url ----
const streamed = (bytes, through) => new Response(new Blob([bytes]).stream().pipeThrough(through)).arrayBuffer();
async function codeOf(script) {
  const packed = new Uint8Array(await streamed(script, new CompressionStream('deflate-raw')));
  return btoa(textOfBytes(packed)).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}
// The script of a link's code, or null for one that cannot be read.
async function scriptOf(code) {
  if (!/^[\w-]*$/.test(code) || code.length % 4 === 1) return null;
  const packed = bytesOfText(atob(code.replace(/-/g, '+').replace(/_/g, '/') + '=='.slice(0, (4 - code.length % 4) % 4)));
  try {
    return new Uint8Array(await streamed(packed, new DecompressionStream('deflate-raw')));
  } catch (error) {
    return null;
  }
}

// ---- sharing ----
// What a user's gesture (the menu's item, the button) asked for: the share
// sheet where there is one, else the clipboard.
page.share = (script, length) => {
  if (script === 0) {
    say(texts.shareFailed);
    return;
  }
  codeOf(HEAPU8.slice(script, script + length)).then((code) => {
    const url = location.href.split('#')[0] + REPLAY_MARKER + code;
    const copy = () => navigator.clipboard.writeText(url).then(() => say(texts.shareCopied), () => say(texts.shareFailed));
    if (navigator.share) navigator.share({ url }).then(() => say(texts.shareSent), (error) => { if (error.name !== 'AbortError') copy(); });
    else copy();
  }, () => say(texts.shareFailed));
};
// After the end the last game is offered beside the button to start again.
function offerSharingAtTheEnd(beside) {
  const share = $('share');
  share.textContent = texts.shareLast;
  share.hidden = false;
  share.addEventListener('click', () => _trelmo_share_last());
  beside.after(share);
}

// ---- watching ----
// The address's game played back; true while that is being tried. A link
// that cannot be read gets a one-line notice and `ordinaryStart`.
function watchSharedGame(ordinaryStart) {
  const link = /#replay=([^#&]*)/.exec(location.hash);
  if (link === null) return false;
  const leave = $('leave-watch');
  // Stopped or over, the page starts as the program does, with the
  // player's own settings, table and kept game.
  leave.addEventListener('click', () => {
    history.replaceState(null, '', location.href.split('#')[0]);
    location.reload();
  });
  scriptOf(link[1]).then((script) => {
    const watching = (shown) => {
      ui.watching = shown;
      document.documentElement.classList.toggle('watching', shown);
      notice.textContent = shown ? texts.watching : '';
      leave.textContent = texts.stopWatching;
      leave.hidden = !shown;
    };
    // A game that is over at once says so from within.
    watching(true);
    if (script !== null && withBytes(script, _trelmo_watch)) return;
    watching(false);
    history.replaceState(null, '', location.href.split('#')[0]);
    notice.textContent = texts.linkRefused;
    bringBackKeptGame();
    ordinaryStart();
  });
  return true;
}
page.watchEnded = () => {
  notice.textContent = texts.watchEnded;
  $('leave-watch').textContent = texts.playOwn;
};
