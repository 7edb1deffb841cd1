// The module's sounds, through Web Audio.
const waves = madeOnce(() => {
  const byId = new Map();
  for (const sound of describe(Description.Sounds)) {
    const frames = Math.floor(sound.samples.length / sound.channels);
    byId.set(sound.id, Object.assign(sound, { frames, milliseconds: Math.ceil((frames * 1000) / sound.rate) }));
  }
  return byId;
});
// Until the page has had a key or a click the browser keeps the audio
// suspended: it is made, or resumed, at the first one, once the input's
// own change is on the canvas (making it takes a while), while the
// gesture still counts.
function wakeAudio() {
  if (ui.audio !== null && ui.audio.state !== 'suspended') return;
  setTimeout(() => {
    if (ui.audio === null && window.AudioContext) ui.audio = new AudioContext();
    const audio = ui.audio;
    if (audio !== null && audio.state === 'suspended') audio.resume();
  }, 0);
}
// The step lasts the sound's length, by the clock, whether or not the
// browser lets it be heard.
function playSound(soundId, done) {
  const wave = waves().get(soundId), audio = ui.audio;
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
