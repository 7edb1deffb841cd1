// The differential replay: the same scripts through the native trelmo-sim
// and through trelmo-sim.js under node, every byte of their results compared.
//   node tests/differential/run.js NATIVE_SIM WEB_SIM_JS WORK_DIR [kept|generated]
// kept       every scripted game of tests/sim/ and every input of the kept
//            fuzz corpus, each as it is and with `trace on` first, so that
//            every host operation is compared, not only the dumps.
// generated  scripts made from a seed (TRELMO_DIFF_SEED, else a new one,
//            printed) for TRELMO_DIFF_SECONDS (default 30).
// Without a step name both run. Exit code 1 when the builds differ.
'use strict';
const fs = require('fs');
const path = require('path');
const { compareBuilds, differences, runProcess, runWeb } = require('./compare');
const { filterFuzzInput } = require('./fuzz_lines');
const { makeRandom, makeScript } = require('./generate');
const { loadWebSim } = require('./web_batch');

const [nativeSim, webSim, workArg, step] = process.argv.slice(2);
if (!workArg || (step && step !== 'kept' && step !== 'generated')) {
  console.error('usage: node run.js NATIVE_SIM WEB_SIM_JS WORK_DIR [kept|generated]');
  process.exit(2);
}
for (const program of [nativeSim, webSim]) {
  if (!fs.existsSync(program)) {
    console.error(`${program} is missing: build trelmo-sim in the native and web trees first`);
    process.exit(2);
  }
}
const work = path.resolve(workArg);
const builds = { nativeSim: path.resolve(nativeSim), webSim: path.resolve(webSim) };
builds.runInProcess = loadWebSim(builds.webSim);
const top = path.resolve(__dirname, '..', '..');
const parallel = 2;  // one native process beside node's own runs

// Runs check on every item, `parallel` at a time; the reports it returns.
async function each(items, check) {
  const reports = [];
  let next = 0;
  const worker = async () => {
    while (next < items.length) {
      const report = await check(items[next++]);
      if (report) reports.push(report);
    }
  };
  await Promise.all(Array.from({ length: parallel }, worker));
  return reports;
}

function writeScript(file, bytes) {
  fs.mkdirSync(path.dirname(file), { recursive: true });
  fs.writeFileSync(file, bytes);
  return file;
}

// Each script as it is and with `trace on` before its first line.
function withTrace(name, script, folder, inputIni) {
  const traced = writeScript(path.join(folder, 'traced.sim'), Buffer.concat([Buffer.from('trace on\n'), fs.readFileSync(script)]));
  return [
    { name, script, folder: path.join(folder, 'plain'), inputIni },
    { name: `${name} (traced)`, script: traced, folder: path.join(folder, 'traced'), inputIni },
  ];
}

// The scripted games run where their expected outputs are made: a folder of
// their own with NAME.ini as input.ini, so their file lines run too.
function scriptedGames() {
  const folder = path.join(top, 'tests', 'sim');
  return fs.readdirSync(folder).filter((f) => f.endsWith('.sim')).sort().flatMap((file) => {
    const name = path.basename(file, '.sim'), ini = path.join(folder, `${name}.ini`);
    return withTrace(`tests/sim/${file}`, path.join(folder, file), path.join(work, 'sim', name),
      fs.existsSync(ini) ? ini : undefined);
  });
}

function fuzzCorpus() {
  const folder = path.join(top, 'tests', 'fuzz', 'corpus', 'sim_fuzz');
  return fs.readdirSync(folder).sort().flatMap((file) => {
    const caseFolder = path.join(work, 'fuzz', file);
    const script = writeScript(path.join(caseFolder, 'script.sim'), filterFuzzInput(fs.readFileSync(path.join(folder, file))));
    return withTrace(`fuzz corpus ${file}`, script, caseFolder);
  });
}

// The runner that keeps one node process for every script must give what a
// node process of its own gives; the scripted games show it.
async function checkInProcessRunner(testCase) {
  const alone = await runProcess('node', [process.execPath, builds.webSim], testCase);
  const batched = runWeb(builds.runInProcess, testCase);
  const found = differences(alone, batched, 'node process', 'in-process');
  return found.length === 0 ? null : [`${testCase.name}: the in-process runner is not faithful`, ...found].join('\n  ');
}

function fail(reports, more) {
  for (const report of reports.slice(0, 10)) console.error(report);
  if (reports.length > 10) console.error(`... and ${reports.length - 10} more`);
  if (more) console.error(more);
  process.exit(1);
}

async function kept() {
  const started = Date.now();
  fs.rmSync(path.join(work, 'sim'), { recursive: true, force: true });
  fs.rmSync(path.join(work, 'fuzz'), { recursive: true, force: true });
  const games = scriptedGames(), cases = [...games, ...fuzzCorpus()];
  const reports = await each(cases, (testCase) => compareBuilds(testCase, builds));
  reports.push(...await each(games.filter((c) => !c.name.endsWith('(traced)')), checkInProcessRunner));
  if (reports.length > 0) fail(reports, `${reports.length} of ${cases.length} runs differ; the runs are in ${work}`);
  console.log(`kept scripts: ${cases.length} runs alike in both builds (${((Date.now() - started) / 1000).toFixed(1)} s)`);
}

async function generated() {
  const seconds = Number(process.env.TRELMO_DIFF_SECONDS || 30);
  const seed = process.env.TRELMO_DIFF_SEED !== undefined ? Number(process.env.TRELMO_DIFF_SEED)
    : Math.floor(Math.random() * 4294967296);
  if (!Number.isInteger(seed) || seed < 0 || seed > 4294967295 || !(seconds >= 0)) {
    console.error('TRELMO_DIFF_SEED is a number from 0 to 4294967295 and TRELMO_DIFF_SECONDS a number of seconds');
    process.exit(2);
  }
  const random = makeRandom(seed);
  const folder = path.join(work, 'generated');
  fs.rmSync(folder, { recursive: true, force: true });
  console.log(`generated scripts for ${seconds} s from seed ${seed} (TRELMO_DIFF_SEED=${seed} makes them again)`);
  const deadline = Date.now() + seconds * 1000;
  let made = 0, refused = 0;
  const reports = [];
  const worker = async () => {
    while (Date.now() < deadline && reports.length === 0) {
      const number = String(++made).padStart(5, '0');
      const script = writeScript(path.join(folder, `${number}.sim`), makeScript(random));
      const testCase = { name: script, script, folder: path.join(folder, number) };
      const report = await compareBuilds(testCase, builds);
      if (report) {
        reports.push(report);
        continue;
      }
      if (fs.readFileSync(path.join(testCase.folder, 'native.stderr')).length > 0) ++refused;
      fs.rmSync(script);
      fs.rmSync(testCase.folder, { recursive: true });
    }
  };
  await Promise.all(Array.from({ length: parallel }, worker));
  if (reports.length > 0)
    fail(reports, `the scripts that show it are kept in ${folder} with their runs (seed ${seed})`);
  console.log(`generated scripts: ${made} alike in both builds, ${refused} of them ending at a refused line`);
}

(async () => {
  if (step !== 'generated') await kept();
  if (step !== 'kept') await generated();
})();
