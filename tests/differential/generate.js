// Scripts in trelmo-sim's language made from a seed: games played with the
// keys, the timer, the difficulty buttons, pauses and activation, the replay
// question and name entry, with dumps and traces to show the state, and now
// and then a line the driver must refuse. The only files are the pictures
// and settings a script writes into its own folder, where both builds'
// files are compared.
'use strict';

// A small generator of 32-bit numbers (mulberry32): the same seed gives the
// same scripts on every machine.
function makeRandom(seed) {
  let state = seed >>> 0;
  const next = () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  const below = (n) => Math.floor(next() * n);
  return { below, pick: (list) => list[below(list.length)], chance: (p) => next() < p };
}

const optionKeys = ['DropStyle', 'Style', 'Sound', 'Preview', '3Dtrelmo', 'Inverse', 'RotateDir'];
const difficulty = ['speedup', 'speeddown', 'rowsup', 'rowsdown', 'maxspeed', 'maxrows'];

// Lines the driver refuses: each ends a script with exit code 2.
const malformed = [
  'tick x', 'tick -1', 'tick 1000000001', 'left 1', 'down shift', 'set Style 2', 'set Colour 1',
  'seed 4294967296', 'answer maybe', 'trace', 'jump', 'dump now', 'new game', 'tick 1 2 3 4',
];

// A name typed at a name entry: letters, blanks, and bytes of two-byte GBK
// characters, sometimes longer than the 18 bytes taken.
function makeName(random) {
  const length = random.below(24);
  let name = '';
  for (let i = 0; i < length; ++i) {
    if (random.chance(0.15)) name += String.fromCharCode(0xb0 + random.below(0x48), 0xa1 + random.below(0x5e));
    else name += random.pick('ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 .-_');
  }
  return name;
}

// One line of play, weighted as a game goes: mostly gravity and moves.
function playLine(random) {
  const roll = random.below(100);
  if (roll < 28) return random.chance(0.3) ? 'tick' : `tick ${1 + random.below(random.chance(0.9) ? 40 : 400)}`;
  if (roll < 58) return random.pick(['left', 'right', 'rotate']);
  if (roll < 66) return random.pick(['down', 'down', 'down ctrl', 'release']);
  if (roll < 71) return 'dump';
  if (roll < 75) return random.pick(difficulty);
  if (roll < 78) return 'pause';
  if (roll < 81) return random.pick(['deactivate', 'activate']);
  if (roll < 83) return 'new';
  if (roll < 85) return `trace ${random.pick(['on', 'off'])}`;
  if (roll < 87) return 'scores';
  if (roll < 88) return random.chance(0.95) ? 'answer yes' : 'answer no';
  if (roll < 90) return `name ${makeName(random)}`;
  if (roll < 91) return random.pick(['clear', 'layout']);
  if (roll < 92) return `set ${random.pick(optionKeys)} ${random.below(2)}`;
  if (roll < 93) return random.pick(['', '# a comment', 'left # and a comment', '  rotate\t']);
  if (roll < 94) return `seed ${random.below(4294967296)}`;
  return random.pick(['left', 'right', 'rotate', 'tick', 'down']);
}

// A whole script: options and a seed, a first game, play, a last dump.
function makeScript(random) {
  const lines = [];
  if (random.chance(0.5)) lines.push('trace on');
  if (random.chance(0.8)) lines.push(`seed ${random.below(4294967296)}`);
  for (const key of optionKeys) if (random.chance(0.25)) lines.push(`set ${key} ${random.below(2)}`);
  for (let i = random.below(6); i > 0; --i) lines.push(random.pick(difficulty));
  if (random.chance(0.9)) lines.push('new');
  const playLines = 20 + random.below(random.chance(0.8) ? 200 : 1500);
  let files = 0;
  for (let i = 0; i < playLines; ++i) {
    if (random.chance(0.0007)) lines.push(random.pick(malformed));
    else if (files < 3 && random.chance(0.004)) lines.push(`${random.pick(['render', 'save'])} file${++files}`);
    else lines.push(playLine(random));
  }
  lines.push('dump', 'scores');
  return Buffer.from(lines.join('\n') + '\n', 'latin1');
}

module.exports = { makeRandom, makeScript };
