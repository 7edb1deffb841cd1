// What the page's cases share (tests/web/run.js runs them): the tree under
// test, trelmo-sim's pictures and layout, a static server, opening the page
// in the browser and waiting on it. Every look at the page waits for what it
// expects, within a time limit.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const puppeteer = require('puppeteer-core');

const tree = path.resolve(process.argv[2] || 'build/web');
const pageUrl = `file://${tree}/trelmo.html`;
const simScript = path.join(tree, 'tools/sim/trelmo-sim.js');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'trelmo-web-'));
const W = 479, H = 340;
const LIMIT_MS = 5000;
const START_LIMIT_MS = 20000;

// ---- trelmo-sim ----
function sim(lines) {
  const script = path.join(work, `script-${Date.now()}-${Math.random().toString(36).slice(2)}.sim`);
  fs.writeFileSync(script, lines.join('\n') + '\n');
  return execFileSync(process.execPath, [simScript, script], { cwd: work, encoding: 'latin1' });
}
// The client area as trelmo-sim renders it after `lines`: RGB rows.
function simPicture(lines) {
  const file = path.join(work, `render-${Date.now()}.bmp`);
  sim([...lines, `render ${file}`]);
  const bmp = fs.readFileSync(file);
  const offset = bmp.readUInt32LE(10);
  const pitch = (W * 3 + 3) & ~3;
  const rgb = Buffer.alloc(W * H * 3);
  for (let y = 0; y < H; ++y) {
    for (let x = 0; x < W; ++x) {
      const from = offset + (H - 1 - y) * pitch + 3 * x;  // bottom-up, BGR
      rgb[3 * (y * W + x)] = bmp[from + 2];
      rgb[3 * (y * W + x) + 1] = bmp[from + 1];
      rgb[3 * (y * W + x) + 2] = bmp[from];
    }
  }
  return rgb;
}
// The fixed rectangles of the client area by kind and name.
const layout = {};
for (const line of sim(['layout']).split('\n')) {
  const [kind, name, ...box] = line.split(' ');
  if (box.length === 4) (layout[kind] = layout[kind] || {})[name] = box.map(Number);
}
const inLabel = (x, y) => Object.values(layout.label).some(([l, t, r, b]) => x >= l && x < r && y >= t && y < b);

// ---- a static web server, as any web host is ----
const http = require('http');
function serveTree() {
  const server = http.createServer((request, response) => {
    if (request.url.split(/[?#]/)[0] !== '/trelmo.html') {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': 'text/html' });
    fs.createReadStream(path.join(tree, 'trelmo.html')).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// ---- the page ----
let context;  // each case's own, with its own storage
const pageErrors = [];
// A phone or a tablet: { width, height, ratio } of its screen, with touch.
// A new page finds no game kept by an earlier one of its case, as the cases
// written before games were kept expect, unless `keptGames` says so; its
// own reloads find theirs.
async function openPage({ ratio = 1, seed = 1, storage = null, waitForGame = true, beforeLoad = null, url = pageUrl, device = null, keptGames = false } = {}) {
  const page = await context.newPage();
  // An error in the page fails the case that is running.
  page.on('pageerror', (error) => pageErrors.push(error.message));
  if (device !== null) {
    await page.emulate({
      userAgent: 'Mozilla/5.0 (Linux; Android 14; Phone) AppleWebKit/537.36 (KHTML, like Gecko) Mobile Safari/537.36',
      viewport: { width: device.width, height: device.height, deviceScaleFactor: device.ratio, isMobile: true, hasTouch: true },
    });
  } else {
    await page.setViewport({ width: 800, height: 600, deviceScaleFactor: ratio });
  }
  if (storage !== null) {
    // A file put there before the page loads.
    await page.evaluateOnNewDocument((text) => localStorage.setItem('trelmo.ini', text), storage);
  }
  if (!keptGames) {
    await page.evaluateOnNewDocument(() => {
      if (sessionStorage.getItem('opened') === null) localStorage.removeItem('trelmo.game');
      sessionStorage.setItem('opened', '1');
    });
  }
  // One function or several, each run in the page before its own script.
  for (const before of beforeLoad === null ? [] : [].concat(beforeLoad)) await page.evaluateOnNewDocument(before);
  await page.goto(`${url}#seed=${seed}`);
  // The module compiles first: on a loaded machine that alone can take
  // seconds.
  if (waitForGame) {
    await page.waitForSelector('dialog[open]', { timeout: START_LIMIT_MS }).catch(async (error) => {
      const seen = await page.evaluate(() => `notice "${document.getElementById('notice').textContent}", window hidden ` +
        `${document.getElementById('window').hidden}, ${document.querySelectorAll('dialog').length} dialogs`);
      throw new Error(`${error.message} (${seen})`);
    });
  }
  return page;
}
// The canvas as RGB rows at one canvas pixel a game pixel, and its scale.
async function canvasPicture(page) {
  const { data, scale } = await page.evaluate(() => {
    const canvas = document.getElementById('screen');
    const pixels = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let text = '';
    for (let i = 0; i < pixels.length; ++i) text += String.fromCharCode(pixels[i]);
    return { data: btoa(text), scale: canvas.width / 479 };
  });
  return { rgba: Buffer.from(data, 'base64'), scale };
}
// The first game pixel outside the labels where the canvas differs, or
// null; at a scale above 1 every canvas pixel of a game pixel's square
// must be that pixel.
function firstDifference({ rgba, scale }, rgb) {
  const width = W * scale;
  for (let y = 0; y < H * scale; ++y) {
    for (let x = 0; x < width; ++x) {
      const gx = Math.floor(x / scale), gy = Math.floor(y / scale);
      if (inLabel(gx, gy)) continue;
      const at = 4 * (y * width + x), want = 3 * (gy * W + gx);
      if (rgba[at] !== rgb[want] || rgba[at + 1] !== rgb[want + 1] || rgba[at + 2] !== rgb[want + 2])
        return `canvas (${x}, ${y}) is ${rgba.subarray(at, at + 3).join(',')}, trelmo-sim's (${gx}, ${gy}) ${rgb.subarray(want, want + 3).join(',')}`;
    }
  }
  return null;
}
// Waits for the canvas to be `rgb`, or one of several pictures.
async function waitForPicture(page, rgb, what) {
  const until = Date.now() + LIMIT_MS;
  const pictures = Array.isArray(rgb) ? rgb : [rgb];
  let difference;
  for (;;) {
    const canvas = await canvasPicture(page);
    const differences = pictures.map((picture) => firstDifference(canvas, picture));
    difference = differences.includes(null) ? null : differences[0];
    if (process.env.TRELMO_WEB_DEBUG) console.log(Date.now() % 100000, difference);
    if (difference === null) return;
    if (Date.now() > until) {
      if (process.env.TRELMO_WEB_SHOTS) await page.screenshot({ path: path.join(process.env.TRELMO_WEB_SHOTS, 'failed.png') });
      throw new Error(`${what}: ${difference}`);
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}
async function waitFor(page, predicate, what, ...args) {
  try {
    await page.waitForFunction(predicate, { timeout: LIMIT_MS, polling: 20 }, ...args);
  } catch (error) {
    if (process.env.TRELMO_WEB_SHOTS) await page.screenshot({ path: path.join(process.env.TRELMO_WEB_SHOTS, 'failed.png') });
    throw new Error(`${what}: not within ${LIMIT_MS} ms`);
  }
}
const closeSheet = async (page) => {
  await page.keyboard.press('Escape');
  await waitFor(page, () => !document.querySelector('dialog[open]'), 'the information sheet closes on Esc');
};
const buttonTexts = (page) => page.$$eval('#stage button', (all) => all.map((b) => [b.textContent, b.disabled]));


// Gravity held still, for a case whose actions take longer than a step on
// a slow machine: the moves alone then decide the picture. The gravity
// timer is the page's one interval of 100 ms or more at the first speeds;
// the harness's looks poll every 20 ms. Run in the page before it loads.
// A stand-in game pad (window.stand, connected while its flag says so),
// and a count of the animation frames asked for, in which the page reads
// the pads.
function standInPad() {
  const buttons = Array.from({ length: 17 }, () => ({ pressed: false, value: 0 }));
  window.stand = { connected: true, mapping: 'standard', index: 0, id: 'stand-in', axes: [0, 0, 0, 0], buttons };
  navigator.getGamepads = () => [window.stand.connected ? window.stand : null];
  window.padFrames = 0;
  const request = window.requestAnimationFrame.bind(window);
  window.requestAnimationFrame = (callback) => { ++window.padFrames; return request(callback); };
}
function stillGravity() {
  const every = window.setInterval.bind(window);
  window.setInterval = (work, ms, ...rest) => (ms >= 100 ? 0 : every(work, ms, ...rest));
}

module.exports = {
  tree, pageUrl, work, W, H, LIMIT_MS, START_LIMIT_MS, puppeteer, pageErrors,
  sim, simPicture, layout, inLabel, serveTree, openPage, canvasPicture, firstDifference, waitForPicture, waitFor,
  closeSheet, buttonTexts, stillGravity, standInPad,
  setContext(next) { context = next; },
};
