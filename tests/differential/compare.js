// One script through both builds of trelmo-sim, each in a fresh folder of its
// own, and what differs between the two: the exit code, standard output,
// standard error and every file the script left in its folder, byte for byte.
'use strict';
const childProcess = require('child_process');
const fs = require('fs');
const path = require('path');

// A case: { name, script, folder, inputIni? }. Its runs happen in
// folder/native and folder/web, with inputIni copied there as input.ini
// (as tests/sim/compare.cmake does for a scripted game).
function prepare(testCase, build) {
  const work = path.join(testCase.folder, build);
  fs.rmSync(work, { recursive: true, force: true });
  fs.mkdirSync(work, { recursive: true });
  if (testCase.inputIni) fs.copyFileSync(testCase.inputIni, path.join(work, 'input.ini'));
  return work;
}

// A program as a process of its own, in the case's folder named build; its
// output goes to files beside that folder, so that it never waits on a pipe
// while node is busy.
function runProcess(build, command, testCase) {
  const work = prepare(testCase, build);
  const outPath = `${work}.stdout`, errPath = `${work}.stderr`;
  const out = fs.openSync(outPath, 'w'), err = fs.openSync(errPath, 'w');
  return new Promise((resolve) => {
    const child = childProcess.spawn(command[0], [...command.slice(1), testCase.script], { cwd: work, stdio: ['ignore', out, err], timeout: 120000 });
    child.on('close', (code, signal) => {
      fs.closeSync(out);
      fs.closeSync(err);
      resolve({ stdout: fs.readFileSync(outPath), stderr: fs.readFileSync(errPath), code: signal || code });
    });
  });
}

function runWeb(runInProcess, testCase) {
  const work = prepare(testCase, 'web');
  const result = runInProcess(testCase.script, work);
  fs.writeFileSync(`${work}.stdout`, result.stdout);
  fs.writeFileSync(`${work}.stderr`, result.stderr);
  return result;
}

// The files a run left in its folder, by name.
function filesIn(folder) {
  const files = new Map();
  for (const name of fs.readdirSync(folder).sort()) files.set(name, fs.readFileSync(path.join(folder, name)));
  return files;
}

// A line quoted, its bytes outside ASCII (GBK names) as \xNN.
function shown(line) {
  if (line === undefined) return '(end of output)';
  const text = JSON.stringify(line).replace(/[\x7f-\xff]/g, (c) => `\\x${c.charCodeAt(0).toString(16)}`);
  return text.length > 160 ? text.slice(0, 157) + '..."' : text;
}

// "line N" and the first line of each output where the two part.
function firstDifference(a, b) {
  const linesA = a.toString('latin1').split('\n'), linesB = b.toString('latin1').split('\n');
  let i = 0;
  while (i < linesA.length && i < linesB.length && linesA[i] === linesB[i]) ++i;
  return { line: i + 1, a: i < linesA.length ? linesA[i] : undefined, b: i < linesB.length ? linesB[i] : undefined };
}

// Every way the two runs differ, as lines of a report; empty when they agree.
function differences(a, b, nameA, nameB, foldersOf) {
  const found = [];
  if (a.code !== b.code) found.push(`exit code: ${nameA} ${a.code}, ${nameB} ${b.code}`);
  for (const stream of ['stdout', 'stderr']) {
    if (a[stream].equals(b[stream])) continue;
    const d = firstDifference(a[stream], b[stream]);
    found.push(`${stream} first differs at line ${d.line}:`, `  ${nameA}: ${shown(d.a)}`, `  ${nameB}: ${shown(d.b)}`);
  }
  if (foldersOf) {
    const filesA = filesIn(foldersOf[0]), filesB = filesIn(foldersOf[1]);
    for (const name of new Set([...filesA.keys(), ...filesB.keys()])) {
      if (!filesA.has(name) || !filesB.has(name)) found.push(`file ${name} written by one build only`);
      else if (!filesA.get(name).equals(filesB.get(name))) found.push(`file ${name} differs`);
    }
  }
  return found;
}

// Both builds on the case; the report of a difference, or null.
async function compareBuilds(testCase, builds) {
  const native = await runProcess('native', [builds.nativeSim], testCase);
  const web = runWeb(builds.runInProcess, testCase);
  const folders = [path.join(testCase.folder, 'native'), path.join(testCase.folder, 'web')];
  const found = differences(native, web, 'native', 'web', folders);
  if (found.length === 0) return null;
  return [
    `${testCase.name}: the builds differ`,
    ...found.map((line) => `  ${line}`),
    `  rerun: (cd ${folders[0]} && ${builds.nativeSim} ${testCase.script})`,
    `         (cd ${folders[1]} && node ${builds.webSim} ${testCase.script})`,
  ].join('\n');
}

module.exports = { compareBuilds, differences, runProcess, runWeb };
