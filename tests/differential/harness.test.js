// The differential replay's own parts, where a fault would hide a difference
// between the builds or replay other lines than the fuzz target ran.
//   node tests/differential/harness.test.js
'use strict';
const assert = require('node:assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const test = require('node:test');
const { differences } = require('./compare');
const { filterFuzzInput } = require('./fuzz_lines');
const { makeRandom, makeScript } = require('./generate');

const keptLines = (text) => filterFuzzInput(Buffer.from(text, 'latin1')).toString('latin1');

test('fuzz inputs keep the lines the fuzz target runs', () => {
  assert.strictEqual(keptLines('seed 5\nnew\ntick 2000\n'), 'seed 5\nnew\ntick 2000\n');
  assert.strictEqual(keptLines('load a.ini\n\tsave b\n render c.bmp\nleft\n'), 'left\n');
  assert.strictEqual(keptLines('saved x\nloading\n'), 'saved x\nloading\n', 'only the verbs themselves');
  assert.strictEqual(keptLines('tick 2001\ntick +5000\ntick 99999999999999999999999\n'), '');
  assert.strictEqual(keptLines('tick -1\ntick -0\ntick x\ntick2001\n'), 'tick -0\ntick x\ntick2001\n',
    'a count read as strtoull reads it');
  assert.strictEqual(keptLines('left\0\nright'), 'right\n', 'a line with a NUL byte is left out');
  const long = 'a'.repeat(4096);
  assert.strictEqual(keptLines(`${long}bc\ndump\n`), `${long}\nbc\ndump\n`, 'lines cut at 4096 bytes');
});

test('a difference between two runs is found and placed', () => {
  const run = (stdout, code = 0, stderr = '') =>
    ({ stdout: Buffer.from(stdout, 'latin1'), stderr: Buffer.from(stderr, 'latin1'), code });
  assert.deepStrictEqual(differences(run('a\nb\n'), run('a\nb\n'), 'x', 'y'), []);
  assert.deepStrictEqual(differences(run('a\nb\nc\n'), run('a\nB\nc\n'), 'x', 'y'),
    ['stdout first differs at line 2:', '  x: "b"', '  y: "B"']);
  assert.deepStrictEqual(differences(run('a\n'), run('a\nmore'), 'x', 'y'),
    ['stdout first differs at line 2:', '  x: ""', '  y: "more"']);
  assert.deepStrictEqual(differences(run('1 0 0 \xb0\xa1\n'), run('1 0 0 A\n'), 'x', 'y'),
    ['stdout first differs at line 1:', '  x: "1 0 0 \\xb0\\xa1"', '  y: "1 0 0 A"'], 'a GBK name byte for byte');
  assert.deepStrictEqual(differences(run('', 2, 'line 3: bad\n'), run('', 0), 'x', 'y'),
    ['exit code: x 2, y 0', 'stderr first differs at line 1:', '  x: "line 3: bad"', '  y: ""']);

  const folders = [0, 1].map(() => fs.mkdtempSync(path.join(os.tmpdir(), 'trelmo-diff-')));
  fs.writeFileSync(path.join(folders[0], 'same.ini'), 'x');
  fs.writeFileSync(path.join(folders[1], 'same.ini'), 'x');
  fs.writeFileSync(path.join(folders[0], 'picture.bmp'), 'x');
  fs.writeFileSync(path.join(folders[1], 'picture.bmp'), 'y');
  fs.writeFileSync(path.join(folders[1], 'extra.ini'), '');
  assert.deepStrictEqual(differences(run(''), run(''), 'x', 'y', folders),
    ['file picture.bmp differs', 'file extra.ini written by one build only']);
  for (const folder of folders) fs.rmSync(folder, { recursive: true });
});

test('a seed makes the same scripts again, another seed others', () => {
  const scripts = (seed) => {
    const random = makeRandom(seed);
    return Array.from({ length: 20 }, () => makeScript(random).toString('latin1'));
  };
  assert.deepStrictEqual(scripts(7), scripts(7));
  assert.notDeepStrictEqual(scripts(7), scripts(8));
  const fileLines = scripts(7).join('').match(/^\s*(load|save|render)\b.*$/gm);
  assert.ok(fileLines.length > 0);
  for (const line of fileLines) assert.match(line, /^(render|save) file\d$/, 'files only written, in the folder of the run');
});
