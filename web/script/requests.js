// The gravity timer, the sounds, and the rules' requests carried out.
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
// suspended: it is made, or resumed, at the first one, once the input's
// own change is on the canvas (making it takes a while), while the
// gesture still counts.
function wakeAudio() {
  if (audio !== null && audio.state !== 'suspended') return;
  setTimeout(() => {
    if (audio === null && window.AudioContext) audio = new AudioContext();
    if (audio !== null && audio.state === 'suspended') audio.resume();
  }, 0);
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
