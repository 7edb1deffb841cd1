// The page's figures, in headless Chromium: the size of trelmo.html and
// gzipped, the time from navigation to the first painted canvas from
// file:// (median of 10), the page's memory, CPU time while idle at the
// start screen and while paused, and the time from a key event to the
// changed canvas. Prints a Markdown table, or with --row the one row of
// tests/bench/front_ends.sh's table. A benchmark, not a test: nothing here
// fails.
//   node tests/web/bench.js [--row] [BUILD_DIR]
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const puppeteer = require('puppeteer-core');

const asRow = process.argv[2] === '--row';
const tree = path.resolve(process.argv[asRow ? 3 : 2] || 'build/web');
const file = path.join(tree, 'trelmo.html');
const IDLE_SECONDS = 10;
const RUNS = 10;

// Every copy to the canvas is timed, and every key event as it arrives.
function hooks() {
  window.benchCopies = [];
  const drawImage = CanvasRenderingContext2D.prototype.drawImage;
  CanvasRenderingContext2D.prototype.drawImage = function (...args) {
    window.benchCopies.push(performance.now());
    return drawImage.apply(this, args);
  };
  window.addEventListener('keydown', () => { window.benchKey = performance.now(); }, true);
}

(async () => {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'trelmo-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.TRELMO_CHROMIUM || '/usr/bin/chromium',
    headless: 'new',
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--enable-precise-memory-info'],
  });
  const firstPaints = [];
  let page;
  for (let run = 0; run < RUNS; ++run) {
    if (page) await page.close();
    page = await browser.newPage();
    await page.evaluateOnNewDocument(hooks);
    await page.goto(`file://${file}`);
    await page.waitForFunction(() => window.benchCopies.length > 0, { timeout: 10000 });
    firstPaints.push(await page.evaluate(() => window.benchCopies[0]));
  }
  firstPaints.sort((a, b) => a - b);
  await page.waitForSelector('dialog[open]');
  await page.keyboard.press('Escape');

  const session = await page.target().createCDPSession();
  await session.send('Performance.enable');
  const taskTime = async () => (await session.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
  const busyMs = async () => {
    const before = await taskTime();
    await new Promise((resolve) => setTimeout(resolve, IDLE_SECONDS * 1000));
    return (await taskTime() - before) * 1000;
  };
  const idleMs = await busyMs();

  const memory = await page.evaluate(() => ({ heap: performance.memory.usedJSHeapSize, wasm: HEAPU8.length }));
  const keyDelays = [];
  for (const key of ['F2', 'ArrowLeft', 'ArrowRight', 'ArrowLeft', 'ArrowRight', 'ArrowUp']) {
    await page.evaluate(() => { window.benchCopies = []; });
    await page.keyboard.press(key);
    keyDelays.push(await page.evaluate(() => window.benchCopies[0] - window.benchKey));
  }
  // Paused: the gravity timer stops with the game.
  await page.keyboard.press('F3');
  await page.waitForFunction(() => [...document.querySelectorAll('#stage button')].some((b) => b.textContent.startsWith('继续')));
  const pausedMs = await busyMs();
  await browser.close();
  fs.rmSync(profile, { recursive: true, force: true });

  const bytes = fs.readFileSync(file);
  const kb = (n) => `${(n / 1024).toFixed(0)} KB`;
  const megabytes = (memory.heap + memory.wasm) / 1048576;
  if (asRow) {
    console.log(`| trelmo.html in Chromium (first paint; JS heap and WebAssembly memory) | ${firstPaints[RUNS >> 1].toFixed(0)} ms | ${megabytes.toFixed(1)} MB | ${idleMs.toFixed(0)} ms | ${pausedMs.toFixed(0)} ms |`);
    return;
  }
  console.log('| Figure | trelmo.html |');
  console.log('|---|---|');
  console.log(`| size | ${kb(bytes.length)} (${kb(zlib.gzipSync(bytes, { level: 9 }).length)} gzipped) |`);
  console.log(`| navigation to first painted canvas, file://, median of ${RUNS} | ${firstPaints[RUNS >> 1].toFixed(0)} ms |`);
  console.log(`| memory: JS heap, WebAssembly | ${(memory.heap / 1048576).toFixed(1)} MB, ${(memory.wasm / 1048576).toFixed(0)} MB |`);
  console.log(`| CPU while idle at the start screen, ${IDLE_SECONDS} s | ${idleMs.toFixed(0)} ms |`);
  console.log(`| CPU while paused, ${IDLE_SECONDS} s | ${pausedMs.toFixed(0)} ms |`);
  console.log(`| key event to changed canvas: F2, then each move | ${keyDelays.map((d) => d.toFixed(1)).join(', ')} ms |`);
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
