// The page's figures, in headless Chromium: the size of trelmo.html and
// gzipped; the time from navigation to the first painted canvas on a
// phone's profile (390 x 844 CSS pixels at ratio 3, touch, the CPU slowed
// four times) and a desktop's (1280 x 800 at ratio 1), side by side in one
// run with a floor page that the bench writes (one file: a 479 x 340
// canvas filled by putImageData on load, and seven buttons), each visit in
// a fresh browser context; the page's memory, CPU time while idle at the
// start screen and while paused, and the time from a key event to the
// changed canvas; the site's first paint on the phone's profile, served
// over HTTP. Prints a Markdown table, or with --row the one row of
// tests/bench/front_ends.sh's table. A benchmark, not a test: nothing here
// fails.
//   [TRELMO_BENCH_RUNS=N] node tests/web/bench.js [--row] [BUILD_DIR]
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
// More runs steady the medians on a busy machine: TRELMO_BENCH_RUNS=30.
const RUNS = Number(process.env.TRELMO_BENCH_RUNS) || 10;
const PROFILES = {
  phone: { viewport: { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true }, cpuSlowdown: 4 },
  desktop: { viewport: { width: 1280, height: 800, deviceScaleFactor: 1 }, cpuSlowdown: 1 },
};

// The least a page showing the game's window could do.
const FLOOR_PAGE = `<!doctype html>
<html><head><meta charset="utf-8"><meta name="viewport" content="width=device-width, initial-scale=1"><title>floor</title></head>
<body><div><canvas id="screen" width="479" height="340"></canvas></div>
<div>${'<button type="button">+</button>'.repeat(7)}</div>
<script>
addEventListener('load', () => {
  const context = document.getElementById('screen').getContext('2d');
  const picture = context.createImageData(479, 340);
  for (let i = 0; i < picture.data.length; i += 4) picture.data.set([192, 192, 192, 255], i);
  context.putImageData(picture, 0, 0);
});
</script></body></html>
`;

// The first frame after the first picture put on the visible canvas: its
// time from navigation. Every copy to the canvas is timed too, and every
// key event as it arrives.
function hooks() {
  window.benchCopies = [];
  const firstDrawn = (canvas) => {
    if (canvas.id !== 'screen' || window.benchFirstDrawn !== undefined) return;
    window.benchFirstDrawn = performance.now();
    requestAnimationFrame(() => { window.benchFirstFrame = performance.now(); });
  };
  const drawImage = CanvasRenderingContext2D.prototype.drawImage;
  CanvasRenderingContext2D.prototype.drawImage = function (...args) {
    window.benchCopies.push(performance.now());
    firstDrawn(this.canvas);
    return drawImage.apply(this, args);
  };
  const putImageData = CanvasRenderingContext2D.prototype.putImageData;
  CanvasRenderingContext2D.prototype.putImageData = function (...args) {
    firstDrawn(this.canvas);
    return putImageData.apply(this, args);
  };
  window.addEventListener('keydown', () => { window.benchKey = performance.now(); }, true);
  // A touch's own task ends where the next task begins.
  window.addEventListener('pointerdown', () => {
    window.benchTouch = performance.now();
    window.benchInTouch = true;
    setTimeout(() => { window.benchInTouch = false; }, 0);
  }, true);
  const copied = CanvasRenderingContext2D.prototype.drawImage;
  CanvasRenderingContext2D.prototype.drawImage = function (...args) {
    if (window.benchInTouch === true) window.benchCopiedInTouch = true;
    return copied.apply(this, args);
  };
}

async function firstFrame(browser, url, profile) {
  const context = await browser.createIncognitoBrowserContext();
  try {
    const page = await context.newPage();
    await page.setViewport(profile.viewport);
    const session = await page.target().createCDPSession();
    await session.send('Emulation.setCPUThrottlingRate', { rate: profile.cpuSlowdown });
    await page.evaluateOnNewDocument(hooks);
    await page.goto(url);
    await page.waitForFunction(() => window.benchFirstFrame !== undefined, { timeout: 20000 });
    return await page.evaluate(() => window.benchFirstFrame);
  } finally {
    await context.close();
  }
}

// The site (build/web/site) from a local web server, as a host serves it:
// its page fetches the module as a file of its own.
function serveSite(folder) {
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm', '.png': 'image/png', '.webmanifest': 'application/manifest+json' };
  const server = require('http').createServer((request, response) => {
    const name = request.url.split(/[?#]/)[0].replace(/^\/$/, '/index.html').slice(1);
    const file = path.join(folder, path.basename(name));
    if (!fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];
const range = (values) => `${Math.min(...values).toFixed(0)}-${Math.max(...values).toFixed(0)}`;

(async () => {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'trelmo-chromium-'));
  const floor = path.join(profile, 'floor.html');
  fs.writeFileSync(floor, FLOOR_PAGE);
  const browser = await puppeteer.launch({
    executablePath: process.env.TRELMO_CHROMIUM || '/usr/bin/chromium',
    headless: 'new',
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--enable-precise-memory-info'],
  });
  // The page, the site on the phone, and the floor in turn, so that all
  // meet the same machine.
  const siteFolder = path.join(tree, 'site');
  const site = !asRow && fs.existsSync(path.join(siteFolder, 'index.html')) ? await serveSite(siteFolder) : null;
  const starts = {};
  for (const [name, settings] of Object.entries(asRow ? { desktop: PROFILES.desktop } : PROFILES)) {
    starts[name] = { page: [], floor: [], site: [] };
    for (let run = 0; run < RUNS; ++run) {
      starts[name].page.push(await firstFrame(browser, `file://${file}`, settings));
      if (site !== null && name === 'phone') starts[name].site.push(await firstFrame(browser, `http://127.0.0.1:${site.address().port}/`, settings));
      starts[name].floor.push(await firstFrame(browser, `file://${floor}`, settings));
    }
  }
  if (site !== null) site.close();

  const page = await browser.newPage();
  await page.evaluateOnNewDocument(hooks);
  await page.goto(`file://${file}`);
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
  // A touch on a control, on the phone's profile: its time to the changed
  // canvas, and whether the change came within the touch's own task.
  // A context of its own: the desktop page above holds this one's lock.
  const phoneContext = await browser.createIncognitoBrowserContext();
  const phone = await phoneContext.newPage();
  await phone.emulate({ userAgent: 'Mozilla/5.0 (Linux; Android 14) Mobile', viewport: PROFILES.phone.viewport });
  await phone.evaluateOnNewDocument(hooks);
  await phone.goto(`file://${file}`);
  await phone.waitForSelector('dialog[open]');
  await phone.keyboard.press('Escape');
  await phone.keyboard.press('F2');
  const touchDelays = [];
  let allInTouch = true;
  for (const key of ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowLeft', 'ArrowRight']) {
    await phone.evaluate(() => { window.benchCopies = []; window.benchCopiedInTouch = false; });
    const at = await phone.$eval(`#pad button[data-key="${key}"]`, (b) => { const r = b.getBoundingClientRect(); return { x: r.x + r.width / 2, y: r.y + r.height / 2 }; });
    await phone.touchscreen.tap(at.x, at.y);
    const { delay, inTouch } = await phone.evaluate(() => ({
      delay: window.benchCopies.find((time) => time >= window.benchTouch) - window.benchTouch, inTouch: window.benchCopiedInTouch,
    }));
    touchDelays.push(delay);
    allInTouch = allInTouch && inTouch;
  }
  await phoneContext.close();

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
    console.log(`| trelmo.html in Chromium (first paint; JS heap and WebAssembly memory) | ${median(starts.desktop.page).toFixed(0)} ms | ${megabytes.toFixed(1)} MB | ${idleMs.toFixed(0)} ms | ${pausedMs.toFixed(0)} ms |`);
    return;
  }
  console.log('| Figure | trelmo.html |');
  console.log('|---|---|');
  console.log(`| size | ${kb(bytes.length)} (${kb(zlib.gzipSync(bytes, { level: 9 }).length)} gzipped) |`);
  for (const [name, { page: times, floor: floors, site: siteTimes }] of Object.entries(starts)) {
    const { width, height, deviceScaleFactor } = PROFILES[name].viewport;
    const slowed = PROFILES[name].cpuSlowdown > 1 ? `, CPU slowed ${PROFILES[name].cpuSlowdown} times` : '';
    console.log(`| navigation to first painted canvas, ${name} (${width} x ${height} at ${deviceScaleFactor}${slowed}), ` +
      `median (range) of ${RUNS}: page; floor | ${median(times).toFixed(0)} ms (${range(times)}); ${median(floors).toFixed(0)} ms ` +
      `(${range(floors)}): ${(median(times) / median(floors)).toFixed(2)} times the floor |`);
    if (siteTimes.length > 0) {
      console.log(`| the same for the site served over HTTP, ${name}: site; floor | ${median(siteTimes).toFixed(0)} ms (${range(siteTimes)}); ` +
        `${median(floors).toFixed(0)} ms: ${(median(siteTimes) / median(floors)).toFixed(2)} times the floor |`);
    }
  }
  console.log(`| memory: JS heap, WebAssembly | ${(memory.heap / 1048576).toFixed(1)} MB, ${(memory.wasm / 1048576).toFixed(0)} MB |`);
  console.log(`| CPU while idle at the start screen, ${IDLE_SECONDS} s | ${idleMs.toFixed(0)} ms |`);
  console.log(`| CPU while paused, ${IDLE_SECONDS} s | ${pausedMs.toFixed(0)} ms |`);
  console.log(`| key event to changed canvas: F2, then each move | ${keyDelays.map((d) => d.toFixed(1)).join(', ')} ms |`);
  console.log(`| touch on a control to changed canvas, phone: each move | ${touchDelays.map((d) => d.toFixed(1)).join(', ')} ms, ` +
    `${allInTouch ? 'every one' : 'not every one'} within the touch's own task |`);
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
