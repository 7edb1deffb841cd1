// The site (build/web/site/): the page installed and offline, served from
// a copy of the folder by a server of the case's own on 127.0.0.1 (a
// worker needs http://127.0.0.1 or https), and trelmo.html, which stays one
// file that asks for nothing.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.wasm': 'application/wasm' };

module.exports = ({ tree, work, simPicture, serveTree, openPage, waitForPicture, waitFor, closeSheet }) => {
  const { makeSite } = require(path.join(__dirname, '../../../web/site/make_site.js'));
  const constants = fs.readFileSync(path.join(tree, 'web/page_constants.js'), 'utf8');
  const PICTURES = Number(/Description = Object\.freeze\(\{[^}]*\bPictures: (\d+)/.exec(constants)[1]);
  const IDI_PROGRAM = Number(/const IDI_PROGRAM = (\d+);/.exec(constants)[1]);

  // A copy of the site that the case may replace, served as a static host
  // serves files; stop() ends every connection, as a host gone away does.
  async function serveSite() {
    const folder = fs.mkdtempSync(path.join(work, 'site-'));
    fs.cpSync(path.join(tree, 'site'), folder, { recursive: true });
    const server = http.createServer((request, response) => {
      const name = decodeURIComponent(request.url.split(/[?#]/)[0]).replace(/^\/+/, '') || 'index.html';
      const file = path.join(folder, name);
      if (name.includes('..') || !fs.existsSync(file)) {
        response.writeHead(404).end();
        return;
      }
      response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' });
      response.end(fs.readFileSync(file));
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
      folder,
      url: `http://127.0.0.1:${server.address().port}/`,
      stop() {
        server.close();
        server.closeAllConnections();
      },
    };
  }
  const controlled = (page) => waitFor(page, () => navigator.serviceWorker.controller !== null, 'the worker keeps the site');
  const startsGame = async (page, what) => {
    await waitFor(page, () => document.querySelector('dialog[open]') !== null, `${what}: the sheet opens`);
    await closeSheet(page);
    await waitForPicture(page, simPicture([]), `${what}: the start screen`);
  };

  return {
    async 'site: installable, and after a first visit it starts with the server gone'() {
      const site = await serveSite();
      try {
        // A page of an incognito context is never installable: this look
        // is from the browser's own profile.
        const page = await openPage({ url: site.url });
        const profilePage = await page.browser().defaultBrowserContext().newPage();
        await profilePage.goto(site.url);
        await waitFor(profilePage, () => document.querySelector('dialog[open]') !== null, 'the game starts');
        const session = await profilePage.target().createCDPSession();
        const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
        await profilePage.close();
        if (installabilityErrors.length > 0) throw new Error(`not installable: ${JSON.stringify(installabilityErrors)}`);
        await controlled(page);
        site.stop();
        await page.reload();
        await startsGame(page, 'reloaded with no server');
        await page.close();
      } finally {
        site.stop();
      }
    },

    async 'site: a new build replaces the old by the next visit, and its cache the old cache'() {
      const site = await serveSite();
      try {
        const page = await openPage({ url: site.url });
        await controlled(page);
        // The same page under another title: a build whose files differ.
        const nextPage = path.join(site.folder, 'next.html');
        fs.writeFileSync(nextPage, fs.readFileSync(path.join(tree, 'trelmo.html'), 'utf8').replace('<title>Trelmo<', '<title>Trelmo 2<'));
        const version = makeSite(nextPage, path.join(tree, 'web/site/icon102.txt'), site.folder);
        // The visit that finds it keeps the new build and drops the old.
        await page.reload();
        await waitFor(page, async (name) => (await caches.keys()).join() === name, 'the new build kept, the old dropped', `trelmo-${version}`);
        await page.reload();
        await waitFor(page, () => document.title === 'Trelmo 2', 'the new page shows');
        await startsGame(page, 'the new page');
        await page.close();
      } finally {
        site.stop();
      }
    },

    async 'site: the icons are the program\'s 32 x 32 icon, each pixel a whole square, the maskable ones in the safe zone; the manifest and the page say what the site is'() {
      const site = await serveSite();
      try {
        const page = await openPage({ url: site.url });
        // The module's own pixels of the icon, and each icon of the
        // manifest as the browser decodes it.
        const mismatch = await page.evaluate(async (pictures, iconId) => {
          let icon = null;
          const describePicture = Module.page.picture;
          Module.page.picture = (id, rgba, width, height) => {
            if (id === iconId) icon = { pixels: HEAPU8.slice(rgba, rgba + width * height * 4), width, height };
          };
          try {
            _trelmo_describe(pictures, 0);
          } finally {
            Module.page.picture = describePicture;
          }
          const manifest = await (await fetch(document.querySelector('link[rel=manifest]').href)).json();
          const named = ['id', 'theme_color', 'background_color'].map((key) => typeof manifest[key] === 'string').every(Boolean);
          if (!named || !document.querySelector('link[rel=icon]') || !document.querySelector('meta[name=description]')?.content)
            return 'the manifest lacks its id or colours, or the page its icon link or description';
          const sizes = manifest.icons.map((entry) => `${entry.sizes}${entry.purpose === 'maskable' ? ' maskable' : ''}`).join();
          if (sizes !== '192x192,512x512,192x192 maskable,512x512 maskable') return `the manifest's icons are ${sizes}`;
          const background = [1, 3, 5].map((at) => parseInt(manifest.background_color.slice(at, at + 2), 16));
          for (const entry of manifest.icons) {
            const image = await createImageBitmap(await (await fetch(entry.src)).blob(), { premultiplyAlpha: 'none', colorSpaceConversion: 'none' });
            const canvas = new OffscreenCanvas(image.width, image.height);
            const context = canvas.getContext('2d');
            context.drawImage(image, 0, 0);
            const shown = context.getImageData(0, 0, image.width, image.height).data;
            // A maskable icon: the icon's whole squares on the background,
            // its corners inside the safe zone's circle (40 % of the width).
            const maskable = entry.purpose === 'maskable';
            const factor = maskable ? Math.floor((0.8 * image.width) / Math.SQRT2 / icon.width) : image.width / icon.width;
            const margin = (image.width - factor * icon.width) / 2;
            if (`${image.width}x${image.height}` !== entry.sizes || factor !== Math.floor(factor) || factor < 1) return `${entry.src} is ${image.width} x ${image.height}`;
            for (let y = 0; y < image.height; ++y) {
              for (let x = 0; x < image.width; ++x) {
                const ix = Math.floor((x - margin) / factor), iy = Math.floor((y - margin) / factor);
                const inIcon = ix >= 0 && iy >= 0 && ix < icon.width && iy < icon.height;
                const at = 4 * (y * image.width + x), from = 4 * (iy * icon.width + ix);
                const alpha = inIcon ? icon.pixels[from + 3] : 0;
                const same = maskable
                  ? shown[at + 3] === 255 && [0, 1, 2].every((i) => shown[at + i] === (alpha === 0 ? background[i] : icon.pixels[from + i]))
                  : shown[at + 3] === alpha && (alpha === 0 || [0, 1, 2].every((i) => shown[at + i] === icon.pixels[from + i]));
                if (!same) return `${entry.src} (${x}, ${y}) is ${shown.subarray(at, at + 4).join()}, the icon's ${icon.pixels.subarray(from, from + 4).join()}`;
              }
            }
          }
          return null;
        }, PICTURES, IDI_PROGRAM);
        if (mismatch !== null) throw new Error(mismatch);
        await page.close();
      } finally {
        site.stop();
      }
    },

    async 'site: installed, the page asks to keep its storage; in a tab it does not'() {
      const site = await serveSite();
      try {
        const watchPersist = (standalone) => {
          window.persistAsked = false;
          const matchMedia = window.matchMedia.bind(window);
          window.matchMedia = (query) => (query === '(display-mode: standalone)' ? { matches: standalone } : matchMedia(query));
          navigator.storage.persist = async () => {
            window.persistAsked = true;
            return true;
          };
        };
        const installed = await openPage({ url: site.url, beforeLoad: `(${watchPersist})(true)` });
        await waitFor(installed, () => window.persistAsked, 'the installed page asks to keep its storage');
        await installed.close();
        // The site's script has run once the game is up.
        const inTab = await openPage({ url: site.url, beforeLoad: `(${watchPersist})(false)` });
        if (await inTab.evaluate(() => window.persistAsked)) throw new Error('a page in a tab asked to keep its storage');
        await inTab.close();
      } finally {
        site.stop();
      }
    },

    async 'module: a browser without Uint8Array.fromBase64 decodes it the old way and starts'() {
      const page = await openPage({ waitForGame: false, beforeLoad: 'delete Uint8Array.fromBase64' });
      await startsGame(page, 'without fromBase64');
      await page.close();
    },

    async 'alone: trelmo.html from a server asks for nothing but itself'() {
      const server = await serveTree();
      const asked = [];
      // The browser's own look for an icon is not the page's asking.
      server.on('request', (request) => { if (request.url !== '/favicon.ico') asked.push(request.url); });
      try {
        const page = await openPage({ url: `http://127.0.0.1:${server.address().port}/trelmo.html` });
        await closeSheet(page);
        await waitForPicture(page, simPicture([]), 'the start screen');
        const registrations = await page.evaluate(async () => (await navigator.serviceWorker.getRegistrations()).length);
        if (asked.join() !== '/trelmo.html' || registrations !== 0) throw new Error(`it asked for ${asked.join()} and registered ${registrations} workers`);
        await page.close();
      } finally {
        server.close();
      }
    },
  };
};
