// Makes the site: the folder that a web host serves so that the page can be
// installed and start offline. trelmo.html stays one file that loads
// nothing; the site's copy of it, index.html, fetches its module from a
// file of its own, links the manifest and registers the worker, which
// keeps this build's files in a cache named by their hash. The icons are
// the program's 32 x 32 icon, printed by trelmo-site-icon, scaled by whole
// factors, each pixel a square; the maskable ones, which a launcher cuts
// to its own shape, put it on the page's background inside the safe zone,
// the middle circle of four fifths of the icon's width that every shape
// keeps.
//   node make_site.js TRELMO_HTML ICON_ROWS OUTDIR
'use strict';
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

const ICON_SIZES = [192, 512];
const WASM_FILE = 'trelmo.wasm';
// The site's description for search and stores, and its colours: the
// page's background, and the window's caption for the browser's bar.
const DESCRIPTION = 'Trelmo：下落方块益智游戏，可在手机和电脑上离线游玩，支持触摸、键盘和手柄。';
const BACKGROUND_COLOUR = '#3a6ea5', THEME_COLOUR = '#000080';
const SAFE_ZONE_RADIUS = 0.4;  // of a maskable icon's width

// ---- the icon as PNG files ----
const crcTable = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});
function crc32(bytes) {
  let c = 0xffffffff;
  for (const byte of bytes) c = crcTable[(c ^ byte) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}
function chunk(type, data) {
  const typed = Buffer.concat([Buffer.from(type, 'latin1'), data]);
  const length = Buffer.alloc(4), crc = Buffer.alloc(4);
  length.writeUInt32BE(data.length);
  crc.writeUInt32BE(crc32(typed));
  return Buffer.concat([length, typed, crc]);
}
// 8-bit RGBA, no filtering: `rgbaAt(x, y)` gives a pixel's four bytes.
function png(size, rgbaAt) {
  const header = Buffer.alloc(13);
  header.writeUInt32BE(size, 0);
  header.writeUInt32BE(size, 4);
  header.set([8, 6, 0, 0, 0], 8);
  const rows = Buffer.alloc(size * (1 + 4 * size));
  for (let y = 0; y < size; ++y)
    for (let x = 0; x < size; ++x) rows.set(rgbaAt(x, y), y * (1 + 4 * size) + 1 + 4 * x);
  return Buffer.concat([Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]), chunk('IHDR', header),
    chunk('IDAT', zlib.deflateSync(rows, { level: 9 })), chunk('IEND', Buffer.alloc(0))]);
}
function readIcon(file) {
  const rows = fs.readFileSync(file, 'latin1').trim().split('\n').map((row) => Buffer.from(row.trim(), 'hex'));
  if (rows.some((row) => row.length !== 4 * rows.length)) throw new Error(`${file}: not a square of RGBA pixels`);
  return { size: rows.length, at: (x, y) => rows[y].subarray(4 * x, 4 * x + 4) };
}

// ---- the site ----
function makeSite(pageFile, iconFile, outDir) {
  const page = fs.readFileSync(pageFile, 'utf8');
  const icon = readIcon(iconFile);
  const title = /<title>([^<]*)<\/title>/.exec(page);
  if (!title) throw new Error(`${pageFile} has no title to name the program by`);
  const files = new Map();
  const icons = ICON_SIZES.map((size) => {
    if (size % icon.size !== 0) throw new Error(`an icon of ${size} pixels is no whole scaling of ${icon.size}`);
    const factor = size / icon.size;
    const name = `icon-${size}.png`;
    files.set(name, png(size, (x, y) => icon.at(Math.floor(x / factor), Math.floor(y / factor))));
    return { src: name, sizes: `${size}x${size}`, type: 'image/png' };
  });
  const background = [1, 3, 5].map((at) => parseInt(BACKGROUND_COLOUR.slice(at, at + 2), 16)).concat(255);
  for (const size of ICON_SIZES) {
    // The largest whole factor whose square lies in the safe zone's circle.
    const factor = Math.floor((2 * SAFE_ZONE_RADIUS * size) / Math.SQRT2 / icon.size);
    const margin = (size - factor * icon.size) / 2;
    if (factor < 1 || margin !== Math.floor(margin)) throw new Error(`a maskable icon of ${size} pixels cannot centre ${icon.size} whole squares`);
    const name = `icon-maskable-${size}.png`;
    files.set(name, png(size, (x, y) => {
      const ix = Math.floor((x - margin) / factor), iy = Math.floor((y - margin) / factor);
      if (ix < 0 || iy < 0 || ix >= icon.size || iy >= icon.size) return background;
      const pixel = icon.at(ix, iy), alpha = pixel[3] / 255;
      return [0, 1, 2].map((i) => Math.round(pixel[i] * alpha + background[i] * (1 - alpha))).concat(255);
    }));
    icons.push({ src: name, sizes: `${size}x${size}`, type: 'image/png', purpose: 'maskable' });
  }
  files.set('manifest.webmanifest', Buffer.from(JSON.stringify({
    id: './', name: title[1], short_name: title[1], description: DESCRIPTION, lang: 'zh-CN', start_url: './', scope: './',
    display: 'standalone', theme_color: THEME_COLOUR, background_color: BACKGROUND_COLOUR, icons,
  }, null, 2) + '\n'));
  // The module as a file of its own, which the browser compiles off the
  // main thread as it arrives, in place of the page's base64.
  const wasmUrl = /wasmBinaryFile="data:application\/octet-stream;base64,([A-Za-z0-9+/=]+)"/.exec(page);
  if (!wasmUrl) throw new Error(`${pageFile} has no module inside to take out`);
  files.set(WASM_FILE, Buffer.from(wasmUrl[1], 'base64'));
  const sitePage = page.slice(0, wasmUrl.index) + `wasmBinaryFile="${WASM_FILE}"` + page.slice(wasmUrl.index + wasmUrl[0].length);
  const headEnd = sitePage.indexOf('</head>'), bodyEnd = sitePage.lastIndexOf('</body>');
  if (headEnd < 0 || bodyEnd < headEnd) throw new Error(`${pageFile} has no head and body to add to`);
  const register = fs.readFileSync(path.join(__dirname, 'register.js'), 'utf8');
  files.set('index.html', Buffer.from(sitePage.slice(0, headEnd) +
    `<link rel="preload" href="${WASM_FILE}" as="fetch" crossorigin>\n` +
    `<meta name="description" content="${DESCRIPTION}">\n<meta name="theme-color" content="${THEME_COLOUR}">\n` +
    '<link rel="manifest" href="manifest.webmanifest">\n<link rel="icon" href="icon-192.png">\n' +
    '<link rel="apple-touch-icon" href="icon-192.png">\n' +
    sitePage.slice(headEnd, bodyEnd) + `<script>\n${register}</script>\n` + sitePage.slice(bodyEnd)));

  // The worker names its cache by a hash of everything it keeps, so a
  // build that changes any of it is a new worker to the browser.
  const hash = crypto.createHash('sha256');
  for (const [name, bytes] of [...files].sort(([a], [b]) => (a < b ? -1 : 1))) hash.update(name).update(bytes);
  const version = hash.digest('hex').slice(0, 16);
  const worker = `// Made by make_site.js; not to be edited.\nconst SITE_VERSION = '${version}';\n` +
    `const SITE_FILES = ${JSON.stringify([...files.keys()].sort())};\n` +
    fs.readFileSync(path.join(__dirname, 'worker.js'), 'utf8');
  files.set('worker.js', Buffer.from(worker));

  fs.mkdirSync(outDir, { recursive: true });
  for (const [name, bytes] of files) {
    fs.writeFileSync(path.join(outDir, `${name}.new`), bytes);
    fs.renameSync(path.join(outDir, `${name}.new`), path.join(outDir, name));
  }
  return version;
}

if (require.main === module) {
  const [pageFile, iconFile, outDir] = process.argv.slice(2);
  if (!outDir) {
    console.error('usage: node make_site.js TRELMO_HTML ICON_ROWS OUTDIR');
    process.exit(2);
  }
  makeSite(pageFile, iconFile, outDir);
}
module.exports = { makeSite };
