// A kept input of the sim_fuzz target turned into the script of the lines
// that target runs (tests/fuzz/sim_fuzz.cpp): lines cut at 4096 bytes, and
// left out are lines holding a NUL byte, the file verbs (load, save,
// render) and ticks of more than 2000 expiries (its `Allowed`, whose sscanf
// " %15s %llu" is followed here byte for byte).
'use strict';

const maxLine = 4096;
const maxTicks = 2000n;
const fileVerbs = ['load', 'save', 'render'];
const isSpace = (byte) => byte === 0x20 || (byte >= 0x09 && byte <= 0x0d);

// The number strtoull reads at the start of text (a sign, then decimal
// digits), as an unsigned 64-bit value; null when there are no digits.
function unsignedPrefix(text) {
  const match = /^[ \t\n\v\f\r]*([+-]?)([0-9]+)/.exec(text);
  if (!match) return null;
  const limit = (1n << 64n) - 1n;
  const value = BigInt(match[2]);
  if (value > limit) return limit;
  return match[1] === '-' ? ((1n << 64n) - value) & limit : value;
}

function allowed(line) {
  let at = 0;
  while (at < line.length && isSpace(line[at])) ++at;
  let end = at;
  while (end < line.length && end - at < 15 && !isSpace(line[end])) ++end;
  const verb = line.subarray(at, end).toString('latin1');
  if (fileVerbs.includes(verb)) return false;
  if (verb !== 'tick') return true;
  const count = unsignedPrefix(line.subarray(end).toString('latin1'));
  return count === null || count <= maxTicks;
}

function filterFuzzInput(data) {
  const kept = [];
  let at = 0;
  while (at < data.length) {
    const start = at;
    while (at < data.length && data[at] !== 0x0a && at - start < maxLine) ++at;
    const line = data.subarray(start, at);
    if (at < data.length && data[at] === 0x0a) ++at;
    if (!line.includes(0) && allowed(line)) kept.push(line, Buffer.from('\n'));
  }
  return Buffer.concat(kept);
}

module.exports = { filterFuzzInput };
