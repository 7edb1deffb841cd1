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
    gravityTimer = setInterval(() => run(() => input(Input.Tick)), gravityPeriod);
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

// ---- sounds: the module's samples, through Web Audio ----
let audio = null;
let waves = null;
function waveOf(soundId) {
  if (waves === null) {
    waves = new Map();
    for (const sound of describe(Description.Sounds)) {
      const frames = Math.floor(sound.samples.length / sound.channels);
      waves.set(sound.id, Object.assign(sound, { frames, milliseconds: Math.ceil((frames * 1000) / sound.rate) }));
    }
  }
  return waves.get(soundId);
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
// browser lets it be heard.
function playSound(soundId, done) {
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
// The module hands each request out once, with a ticket to answer it by,
// in any order. It starts once the entry point that handed it out has
// returned; a request closes an open menu.
page.startRequest = (request, value, ticket, text) => {
  const offeredName = text !== 0 ? gbkText(text) : '';
  queueMicrotask(() => {
    if (ended) return;
    closeMenu();
    const finish = (yes) => run(() => _trelmo_answer(ticket, yes ? 1 : 0, 0));
    switch (request) {
      case Request.Sound: playSound(value, () => finish(true)); break;
      case Request.Wait: setTimeout(() => finish(true), value); break;
      case Request.NameEntry: enterName(ticket, offeredName); break;
      case Request.ScoreTable: showTable(() => finish(true)); break;
      case Request.AskReplay: askQuestion(texts.replayQuestion, texts.replayTitle, null, finish); break;
      case Request.QuitProgram: endGame(); break;
      default: finish(true);
    }
  });
};

// The game's end: nothing of it runs again.
function endGame() {
  if (ended) return;
  input(Input.ShutDown);
  ended = true;
  page.stopTimer();
  closeMenu();
  for (const dialog of document.querySelectorAll('dialog')) dialog.remove();
  windowBox.hidden = true;
  tray.style.display = 'none';
  notice.textContent = texts.gameEnded;
  releaseLock();
}
