// Every game is its replay: the game in progress outlives the page, and a
// game goes out as a link that plays it back.
'use strict';
const { execFileSync } = require('child_process');
const path = require('path');
const zlib = require('zlib');

module.exports = ({ tree, pageUrl, serveTree, simPicture, openPage, waitForPicture, waitFor, closeSheet, buttonTexts, stillGravity }) => {
  // The moves of the game the cases play, before and after a stop.
  const FIRST = ['F2', 'ArrowLeft', 'ArrowUp', 'ArrowDown', 'ArrowRight', 'ArrowRight', 'ArrowDown', 'ArrowUp', 'ArrowLeft'];
  const THEN = ['ArrowDown', 'ArrowUp', 'ArrowUp', 'ArrowLeft', 'ArrowDown', 'ArrowRight'];
  const press = async (page, keys) => { for (const key of keys) await page.keyboard.press(key); };
  const storage = (page) => page.evaluate(() => ({ game: localStorage.getItem('trelmo.game'), settings: localStorage.getItem('trelmo.ini') }));
  const pauseText = async (page) => (await buttonTexts(page))[5][0];
  // The kept game once it ends with `last`, as lines.
  async function keptUntil(page, last) {
    await waitFor(page, (end) => (localStorage.getItem('trelmo.game') || '').endsWith(end), `the game kept up to ${last.trim()}`, last);
    return (await page.evaluate(() => localStorage.getItem('trelmo.game'))).trim().split('\n');
  }
  // Each write of the kept game, when it came.
  function countKeptWrites() {
    window.keptWrites = [];
    const write = Storage.prototype.setItem;
    Storage.prototype.setItem = function (key, value) {
      if (key === 'trelmo.game') window.keptWrites.push(performance.now());
      return write.call(this, key, value);
    };
  }
  // The link the page shares, taken where the share sheet would be.
  function catchShare() {
    navigator.share = (data) => { window.shared = data.url; return Promise.resolve(); };
  }
  const linkCode = (url) => url.slice(url.indexOf('#replay=') + '#replay='.length);
  const scriptOfLink = (url) => zlib.inflateRawSync(Buffer.from(linkCode(url), 'base64url')).toString('latin1');
  const linkOf = (script) => `${pageUrl}#replay=${zlib.deflateRawSync(Buffer.from(script)).toString('base64url')}`;

  async function keptGameCase(url) {
    const page = await openPage({ url, seed: 5, beforeLoad: [stillGravity, countKeptWrites] });
    await closeSheet(page);
    await press(page, FIRST);
    const kept = await keptUntil(page, 'left\n');
    const writes = await page.evaluate(() => window.keptWrites);
    for (let i = 1; i < writes.length; ++i)
      if (writes[i] - writes[i - 1] < 900) throw new Error(`two writes of the kept game ${Math.round(writes[i] - writes[i - 1])} ms apart`);
    await waitForPicture(page, simPicture(kept), 'the game before the reload');
    // Paused, nothing is written.
    await press(page, ['F3']);
    await keptUntil(page, 'pause\n');
    const paused = (await page.evaluate(() => window.keptWrites)).length;
    await new Promise((resolve) => setTimeout(resolve, 1500));
    if ((await page.evaluate(() => window.keptWrites)).length !== paused) throw new Error('the kept game written while paused');
    // Playing on is kept within a second too: the reload does not depend
    // on the write as the page goes.
    await press(page, ['F3']);
    await waitFor(page, () => (localStorage.getItem('trelmo.game') || '').split('\npause').length === 3, 'playing on kept');

    await page.reload();
    await page.waitForSelector('dialog[open]');
    await closeSheet(page);
    const afterReload = await page.evaluate(() => `kept: ${JSON.stringify(localStorage.getItem('trelmo.game'))}, notice: "${document.getElementById('notice').textContent}"`);
    await waitForPicture(page, simPicture(kept), `the game after the reload (${afterReload})`);
    if ((await pauseText(page)) !== '继续(F3)') throw new Error(`the game came back with ${await pauseText(page)}`);
    await press(page, ['F3', ...THEN]);
    const playedOn = await keptUntil(page, 'right\n');
    await waitForPicture(page, simPicture(playedOn), 'playing on after the reload');
    await page.close();

    // The same moves in one run give the same game and the same window.
    const fresh = await openPage({ url, seed: 5, beforeLoad: stillGravity });
    await closeSheet(fresh);
    await press(fresh, [...FIRST, ...THEN]);
    const once = await keptUntil(fresh, 'right\n');
    const moves = (lines) => lines.filter((line) => !['deactivate', 'activate', 'pause'].includes(line)).join('\n');
    if (moves(once) !== moves(playedOn)) throw new Error(`one run recorded\n${once}\nthe reloaded one\n${playedOn}`);
    await waitForPicture(fresh, simPicture(playedOn), 'the same moves in one run');
    await fresh.close();

    // A kept game that cannot be read is dropped; the settings stay.
    const settings = '[Settings]\r\nSound=0\r\n';
    const damaged = await openPage({ url, storage: settings, keptGames: true, beforeLoad: () => localStorage.setItem('trelmo.game', 'new\nwobble\n') });
    await waitFor(damaged, () => localStorage.getItem('trelmo.game') === null, 'the damaged kept game dropped');
    if ((await storage(damaged)).settings !== settings) throw new Error('a damaged kept game changed the settings');
    await damaged.close();
  }

  return {
    async 'kept game: a reload brings the game back paused, at most a write a second, and it plays on as without the reload'() {
      // Served, as a web host serves it: Chromium keeps a file's storage
      // across a reload less surely than a site's.
      const server = await serveTree();
      try {
        await keptGameCase(`http://127.0.0.1:${server.address().port}/trelmo.html`);
      } finally {
        server.close();
      }
    },

    async 'shared link: from the menu, paused, as trelmo-sim reads it, and watched with nothing saved'() {
      const page = await openPage({ seed: 9, beforeLoad: [stillGravity, catchShare] });
      await closeSheet(page);
      await press(page, FIRST);
      // The main menu by the right button beside the well, and its item.
      const box = await page.$eval('#screen', (c) => { const r = c.getBoundingClientRect(); return { x: r.left, y: r.top }; });
      await page.mouse.click(box.x + 5, box.y + 5, { button: 'right' });
      await page.waitForSelector('.menu .item[data-id="209"]');
      await page.click('.menu .item[data-id="209"]');
      await waitFor(page, () => typeof window.shared === 'string', 'the link shared');
      const url = await page.evaluate(() => window.shared);
      if ((await pauseText(page)) !== '继续(F3)') throw new Error('sharing did not pause the game');
      const script = scriptOfLink(url);
      await waitForPicture(page, simPicture(script.trim().split('\n')), 'trelmo-sim\'s picture of the shared script');
      // trelmo-sim takes the whole address in place of a script.
      const dump = execFileSync(process.execPath, [path.join(tree, 'tools/sim/trelmo-sim.js'), url], { encoding: 'latin1' });
      if (dump !== '') throw new Error(`trelmo-sim printed ${dump.slice(0, 80)} for a script without dump`);
      await keptUntil(page, 'pause\n');
      await page.close();

      // Watched: the same window, the settings and the kept game untouched.
      const watcher = await openPage({ url, waitForGame: false, keptGames: true });
      const kept = await storage(watcher);
      await waitFor(watcher, () => document.getElementById('notice').textContent === '这一局已放完。', 'the watch at its end');
      await waitForPicture(watcher, simPicture(script.trim().split('\n')), 'the watched game');
      const after = await storage(watcher);
      if (after.game !== kept.game || after.settings !== kept.settings) throw new Error(`watching changed the page's storage from ${JSON.stringify(kept)} to ${JSON.stringify(after)}`);
      if (await watcher.evaluate(() => document.querySelector('dialog[open]') !== null)) throw new Error('a dialog over the watched game');
      // The player's own game again: the kept one, with the sheet.
      await watcher.click('#leave-watch');
      await watcher.waitForSelector('dialog[open]');
      if (await watcher.evaluate(() => location.hash.includes('replay'))) throw new Error('the link stays in the address');
      await closeSheet(watcher);
      await waitForPicture(watcher, simPicture([...script.trim().split('\n'), 'deactivate']), 'the kept game back');
      await watcher.close();
    },

    async 'links opened: played at the pace of the gravity; bad code, bad DEFLATE or a file line give a notice and an ordinary start'() {
      // Three steps of the first speed take 3.3 s to watch: from the
      // gravity timer's start to the notice that the watch has ended.
      const script = ['seed 3', 'new', 'left', 'tick 3', 'rotate'];
      const noticeTimes = () => {
        const every = window.setInterval.bind(window);
        window.setInterval = (work, ms, ...rest) => {
          if (ms >= 1000 && window.armedAt === undefined) window.armedAt = performance.now();
          return every(work, ms, ...rest);
        };
        document.addEventListener('DOMContentLoaded', () => {
          window.noticeTimes = {};
          const notice = document.getElementById('notice');
          new MutationObserver(() => { window.noticeTimes[notice.textContent] = performance.now(); }).observe(notice, { childList: true });
        });
      };
      const watcher = await openPage({ url: linkOf(script.join('\n')), waitForGame: false, beforeLoad: noticeTimes });
      await waitForPicture(watcher, simPicture(script), 'the game after three steps');
      await waitFor(watcher, () => window.noticeTimes['这一局已放完。'] !== undefined, 'the watch at its end');
      const took = await watcher.evaluate(() => window.noticeTimes['这一局已放完。'] - window.armedAt);
      if (!(took >= 3300 - 20)) throw new Error(`three steps of gravity watched in ${Math.round(took)} ms`);
      await watcher.close();

      for (const url of [`${pageUrl}#replay=@@@`, `${pageUrl}#replay=AAAA`, linkOf('new\nload /etc/passwd\n'), linkOf('new\nwobble\n')]) {
        const page = await openPage({ url });
        const notice = await page.$eval('#notice', (n) => n.textContent);
        if (notice !== '无法读取这个游戏链接，已正常开始。') throw new Error(`${url}: the notice reads "${notice}"`);
        await page.close();
      }
    },
  };
};
