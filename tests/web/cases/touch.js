// The page on phones and tablets: touch emulated, the screen's size and
// density set, and a stand-in game pad.
'use strict';

const PHONE = { width: 390, height: 844, ratio: 3 };
const TURNED = { width: 844, height: 390, ratio: 3 };
const TABLET = { width: 768, height: 1024, ratio: 2 };

module.exports = ({ W, H, layout, inLabel, simPicture, openPage, waitForPicture, waitFor, buttonTexts, stillGravity, standInPad }) => {
  // The screen's own pixels over the canvas, as RGBA rows, read from a
  // screenshot: what the player sees, the browser's scaling included.
  async function screenOverCanvas(page) {
    const box = await page.$eval('#screen', (e) => { const r = e.getBoundingClientRect(); return { x: r.x, y: r.y, width: r.width, height: r.height }; });
    const ratio = await page.evaluate(() => devicePixelRatio);
    const png = await page.screenshot({ encoding: 'base64', captureBeyondViewport: false });
    const pixels = await page.evaluate(async (data) => {
      const blob = await (await fetch(`data:image/png;base64,${data}`)).blob();
      const bitmap = await createImageBitmap(blob, { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
      const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
      const context = canvas.getContext('2d');
      context.drawImage(bitmap, 0, 0);
      const all = context.getImageData(0, 0, bitmap.width, bitmap.height).data;
      let text = '';
      for (let i = 0; i < all.length; ++i) text += String.fromCharCode(all[i]);
      return { width: bitmap.width, data: btoa(text) };
    }, png);
    return { box, ratio, width: pixels.width, rgba: Buffer.from(pixels.data, 'base64') };
  }
  const inButton = (x, y) => Object.values(layout.button).some(([l, t, r, b]) => x >= l - 1 && x < r + 1 && y >= t - 1 && y < b + 1);
  // The first screen pixel over the canvas, outside the labels and the
  // buttons, that is not trelmo-sim's game pixel at `factor` device pixels
  // a game pixel; null when every one is.
  async function screenDifference(page, rgb, factor) {
    const shot = await screenOverCanvas(page);
    const left = Math.round(shot.box.x * shot.ratio), top = Math.round(shot.box.y * shot.ratio);
    if (Math.abs(shot.box.x * shot.ratio - left) > 0.05 || Math.abs(shot.box.y * shot.ratio - top) > 0.05) return `the canvas starts between device pixels at ${shot.box.x}, ${shot.box.y}`;
    if (Math.round(shot.box.width * shot.ratio) !== W * factor) return `the canvas is ${shot.box.width * shot.ratio} device pixels wide`;
    for (let y = 0; y < H * factor; ++y) {
      for (let x = 0; x < W * factor; ++x) {
        const gx = Math.floor(x / factor), gy = Math.floor(y / factor);
        if (inLabel(gx, gy) || inButton(gx, gy)) continue;
        const at = 4 * ((top + y) * shot.width + left + x), want = 3 * (gy * W + gx);
        if (shot.rgba[at] !== rgb[want] || shot.rgba[at + 1] !== rgb[want + 1] || shot.rgba[at + 2] !== rgb[want + 2])
          return `screen (${left + x}, ${top + y}) is ${shot.rgba.subarray(at, at + 3).join(',')}, game pixel (${gx}, ${gy}) ${rgb.subarray(want, want + 3).join(',')}`;
      }
    }
    return null;
  }
  const centre = (page, selector) => page.$eval(selector, (e) => { const r = e.getBoundingClientRect(); return { x: r.x + r.width / 2, y: r.y + r.height / 2 }; });
  const control = (key) => `#pad button[data-key="${key}"]`;
  async function tap(page, selector) {
    const at = await centre(page, selector);
    await page.touchscreen.tap(at.x, at.y);
  }
  async function tapText(page, selector, text) {
    const at = await page.$$eval(selector, (all, wanted) => {
      const found = all.find((e) => e.textContent === wanted);
      if (!found) return all.map((e) => e.textContent).join();
      const r = found.getBoundingClientRect();
      return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
    }, text);
    if (typeof at === 'string') throw new Error(`no ${text} among ${at}`);
    await page.touchscreen.tap(at.x, at.y);
  }
  // A game pixel of the client area on the screen, in CSS pixels.
  async function onScreen(page, gx, gy) {
    const box = await page.$eval('#screen', (e) => { const r = e.getBoundingClientRect(); return { x: r.x, y: r.y, width: r.width }; });
    const zoom = box.width / W;
    return { x: box.x + (gx + 0.5) * zoom, y: box.y + (gy + 0.5) * zoom, zoom };
  }
  const cellsCentre = () => { const [l, t, r, b] = layout.well.cells; return { x: (l + r) / 2, y: (t + b) / 2 }; };
  const closeSheetByTouch = async (page) => {
    await tapText(page, 'dialog[open] button', '确定');
    await waitFor(page, () => !document.querySelector('dialog[open]'), 'the sheet closes at a touch on OK');
  };
  const startByTouch = async (page) => {
    await tapText(page, '#stage button, #pad button', '开始(F2)');
    await waitFor(page, () => [...document.querySelectorAll('#stage button, #pad button')].some((b) => b.textContent === '暂停(F3)' && !b.disabled), 'a game started by touch');
  };
  // Whether a box lies on the screen.
  const onTheScreen = (page, selector) => page.$$eval(selector, (all) => all.every((e) => {
    const r = e.getBoundingClientRect();
    return r.left >= 0 && r.top >= 0 && r.right <= innerWidth + 0.01 && r.bottom <= innerHeight + 0.01;
  }));
  const after = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

  return {
    async 'touch fit: phones and a tablet, upright and turned, show whole squares with no scrolling; a desktop as before'() {
      // The screens, and the device pixels a game pixel the window gets.
      // (Upright phones show the tall layout: tall.js.)
      const screens = [[{ width: 740, height: 360, ratio: 3 }, 3], [TURNED, 3], [TABLET, 3]];
      for (const [device, factor] of screens) {
        const name = `${device.width} x ${device.height} at ${device.ratio}`;
        const page = await openPage({ device });
        if (!(await onTheScreen(page, 'dialog[open]'))) throw new Error(`${name}: the sheet leaves the screen`);
        await closeSheetByTouch(page);
        const fit = await page.evaluate(() => ({
          // No browser gesture over the game: no panning, zooming, selection or callout.
          calm: ['window', 'pad'].every((id) => {
            const style = getComputedStyle(document.getElementById(id));
            return style.touchAction === 'none' && style.userSelect === 'none';
          }) && !document.getElementById('window').dispatchEvent(new MouseEvent('contextmenu', { bubbles: true, cancelable: true })),
          scrolls: document.documentElement.scrollWidth > innerWidth || document.documentElement.scrollHeight > innerHeight,
          zoom: visualViewport.scale, canvas: document.getElementById('screen').width,
          controls: [...document.querySelectorAll('#pad button')].filter((b) => b.getClientRects().length > 0).map((b) => { const r = b.getBoundingClientRect(); return [r.width, r.height]; }),
        }));
        if (!fit.calm) throw new Error(`${name}: the browser's gestures are not kept from the game`);
        if (fit.scrolls || fit.zoom !== 1) throw new Error(`${name}: the page scrolls or is zoomed (${fit.zoom})`);
        if (fit.canvas !== W * factor) throw new Error(`${name}: the canvas holds ${fit.canvas / W} pixels a game pixel, not ${factor}`);
        if (fit.controls.length < 2 || fit.controls.some(([w, h]) => w < 44 || h < 44)) throw new Error(`${name}: controls of ${JSON.stringify(fit.controls)}`);
        if (!(await onTheScreen(page, '#window, #pad button, #storage'))) throw new Error(`${name}: something leaves the screen`);
        const difference = await screenDifference(page, simPicture([]), factor);
        if (difference !== null) throw new Error(`${name}: ${difference}`);
        // The options fit too, and a touch on Cancel closes them.
        await tapText(page, '#stage button, #pad button', '选项(F4)');
        await waitFor(page, () => document.querySelector('dialog[open]'), 'the options open at a touch');
        if (!(await onTheScreen(page, 'dialog[open]'))) throw new Error(`${name}: the options leave the screen`);
        await tapText(page, 'dialog[open] button', '取消(C)');
        await waitFor(page, () => !document.querySelector('dialog[open]'), 'the options close at a touch on Cancel');
        await page.close();
      }
      const desktop = await openPage();
      const looks = await desktop.evaluate(() => ({
        touch: document.documentElement.classList.contains('touch'),
        pad: getComputedStyle(document.getElementById('pad')).display,
        canvas: JSON.stringify(document.getElementById('screen').getBoundingClientRect().toJSON()),
      }));
      if (looks.touch || looks.pad !== 'none') throw new Error('a desktop without touch shows the controls');
      if (looks.canvas !== JSON.stringify({ x: 27, y: 46, width: 479, height: 340, top: 46, right: 506, bottom: 386, left: 27 }))
        throw new Error(`the desktop's canvas moved to ${looks.canvas}`);
      await desktop.close();
    },

    async 'touch controls: taps, a held Left repeating, Down and its release, and a turn of the screen keep the game'() {
      // Sound wakes at the first touch, as at the first key.
      const page = await openPage({
        device: TURNED, seed: 11,
        beforeLoad: () => {
          const every = window.setInterval.bind(window);  // gravity held still, as in stillGravity
          window.setInterval = (work, ms, ...rest) => (ms >= 100 ? 0 : every(work, ms, ...rest));
          window.audioWoken = 0;
          const Original = window.AudioContext;
          window.AudioContext = function (...args) { ++window.audioWoken; return new Original(...args); };
        },
      });
      if ((await page.evaluate(() => window.audioWoken)) !== 0) throw new Error('the sound woke before a touch');
      await closeSheetByTouch(page);
      await waitFor(page, () => window.audioWoken === 1, 'the sound woken by the first touch');
      await startByTouch(page);
      for (const key of ['ArrowLeft', 'ArrowUp', 'ArrowRight', 'ArrowRight']) await tap(page, control(key));
      let script = ['seed 11', 'new', 'left', 'rotate', 'right', 'right'];
      await waitForPicture(page, simPicture(script), 'after the taps');
      // Held, Left repeats until the shape meets the wall.
      const left = await centre(page, control('ArrowLeft'));
      await page.touchscreen.touchStart(left.x, left.y);
      await after(1300);
      await page.touchscreen.touchEnd();
      script = [...script, ...Array(10).fill('left')];
      await waitForPicture(page, simPicture(script), 'after Left held');
      // Down held, then let go: the shape drops and the next one comes.
      const down = await centre(page, control('ArrowDown'));
      await page.touchscreen.touchStart(down.x, down.y);
      await after(150);
      await page.touchscreen.touchEnd();
      // The next shape shows at its first move.
      await tap(page, control('ArrowLeft'));
      script = [...script, 'down', 'release', 'left'];
      await waitForPicture(page, simPicture(script), 'after Down, its release and Left');
      // On another screen the page lays itself out again; the game goes on, unpaused.
      await page.setViewport({ width: TABLET.width, height: TABLET.height, deviceScaleFactor: TABLET.ratio, isMobile: true, hasTouch: true });
      await waitFor(page, (width) => document.getElementById('screen').width === width, 'the canvas at three pixels a game pixel', W * 3);
      await waitForPicture(page, simPicture(script), 'the game after the turn');
      const buttons = JSON.stringify(await buttonTexts(page));
      if (!buttons.includes('["暂停(F3)",false]')) throw new Error(`after the turn the buttons read ${buttons}`);
      await page.close();
    },

    async 'touch gestures: a tap turns, a drag moves by cells, a flick drops, a long press opens the menu; a mouse keeps its meaning'() {
      const page = await openPage({ device: TURNED, seed: 12, beforeLoad: stillGravity });
      await closeSheetByTouch(page);
      await startByTouch(page);
      const well = cellsCentre();
      const middle = await onScreen(page, well.x, well.y);
      await page.touchscreen.tap(middle.x, middle.y);
      let script = ['seed 12', 'new', 'rotate'];
      await waitForPicture(page, simPicture(script), 'after a tap on the well');
      // Two columns and a half to the right, in small steps: the cells are
      // narrower than a finger's 20 CSS pixels here, which a column takes.
      const column = Math.max(20, 20 * middle.zoom);
      await page.touchscreen.touchStart(middle.x, middle.y);
      for (let step = 1; step <= 10; ++step) await page.touchscreen.touchMove(middle.x + step * column / 4, middle.y);
      await page.touchscreen.touchEnd();
      script = [...script, 'right', 'right'];
      await waitForPicture(page, simPicture(script), 'after a drag of two columns and a half');
      // A quick flick down: 60 game pixels in a tenth of a second, by the
      // touches' own clock, however slowly they arrive.
      const touches = await page.target().createCDPSession();
      const clock = Date.now() / 1000;
      const touch = (type, dy, seconds) => touches.send('Input.dispatchTouchEvent', {
        type, timestamp: clock + seconds, touchPoints: type === 'touchEnd' ? [] : [{ x: middle.x, y: middle.y + dy * middle.zoom }],
      });
      await touch('touchStart', 0, 0);
      await touch('touchMove', 20, 0.05);
      await touch('touchMove', 60, 0.1);
      await touch('touchEnd', 60, 0.12);
      // The mouse's left button on the well still moves left (and shows
      // the next shape, which comes at its first move).
      await page.mouse.click(middle.x, middle.y);
      script = [...script, 'down', 'release', 'left'];
      await waitForPicture(page, simPicture(script), 'after a flick and a click of the mouse');
      // A long press beside the well opens the window's menu.
      const beside = await onScreen(page, 60, 60);
      await page.touchscreen.touchStart(beside.x, beside.y);
      await waitFor(page, () => document.querySelector('.menu') !== null, 'the menu at a long press');
      await page.touchscreen.touchEnd();
      const items = await page.$$eval('.menu div', (all) => all.map((item) => item.textContent));
      if (!items.includes('隐藏界面') || !items.includes('退出')) throw new Error(`the menu holds ${items}`);
      if (!(await onTheScreen(page, '.menu'))) throw new Error('the menu leaves the screen');
      // Hidden, the window's icon comes back at a tap; the exit box fits.
      await tapText(page, '.menu div', '隐藏界面');
      await waitFor(page, () => getComputedStyle(document.getElementById('tray')).display === 'block', 'the icon in place of the window');
      await tap(page, '#tray');
      await waitFor(page, () => getComputedStyle(document.getElementById('tray')).display === 'none' && document.getElementById('window').style.visibility === '', 'the window back at a tap on the icon');
      await page.touchscreen.touchStart(beside.x, beside.y);
      await waitFor(page, () => document.querySelector('.menu') !== null, 'the menu at a second long press');
      await page.touchscreen.touchEnd();
      await tapText(page, '.menu div', '退出');
      await waitFor(page, () => document.querySelector('dialog[open]') !== null, 'the exit box');
      if (!(await onTheScreen(page, 'dialog[open]'))) throw new Error('the exit box leaves the screen');
      await page.close();
    },

    async 'touch in finger units: the help at the first game and again on asking; a tap that slides 15 CSS px turns at the smallest and largest scale'() {
      const helpShown = (page) => page.evaluate(() => !document.getElementById('touch-help').hidden);
      // The folded phone turned shows the window smallest (upright it has
      // the tall layout), the tablet largest.
      for (const [device, seed] of [[{ width: 653, height: 280, ratio: 3 }, 14], [{ width: 768, height: 1024, ratio: 2 }, 15]]) {
        const name = `${device.width} x ${device.height} at ${device.ratio}`;
        const firstTime = seed === 14;  // the storage is the case's, so the second page remembers the first
        const page = await openPage({ device, seed, beforeLoad: stillGravity });
        await closeSheetByTouch(page);
        if (await helpShown(page)) throw new Error(`${name}: the help before a game`);
        await startByTouch(page);
        if (firstTime) {
          await waitFor(page, () => !document.getElementById('touch-help').hidden, 'the help at the first game by touch');
          const help = await page.$eval('#touch-help', (e) => ({ lines: e.children.length, text: e.textContent }));
          if (help.lines !== 6 || !help.text.includes('旋转') || !help.text.includes('长按')) throw new Error(`${name}: the help reads ${help.text}`);
          if (!(await onTheScreen(page, '#touch-help'))) throw new Error(`${name}: the help leaves the screen`);
        }
        // Slides of 15 CSS pixels, down and sideways, each ending where it went: taps.
        const well = cellsCentre();
        const middle = await onScreen(page, well.x, well.y);
        for (const [dx, dy] of [[4, 15 - 0.5], [-15 + 0.5, 3]]) {
          await page.touchscreen.touchStart(middle.x, middle.y);
          await page.touchscreen.touchMove(middle.x + dx / 2, middle.y + dy / 2);
          await page.touchscreen.touchMove(middle.x + dx, middle.y + dy);
          await page.touchscreen.touchEnd();
        }
        await waitForPicture(page, simPicture([`seed ${seed}`, 'new', 'rotate', 'rotate']), `${name}: after two slid taps at ${middle.zoom} CSS px a game pixel`);
        if (await helpShown(page)) throw new Error(`${name}: the help stays after a touch on the game`);
        if ((await page.evaluate(() => localStorage.getItem('trelmo.touchHelpSeen'))) === null) throw new Error(`${name}: the help is not remembered`);
        if (!firstTime) {
          await tap(page, '#touch-help-again');
          await waitFor(page, () => !document.getElementById('touch-help').hidden, 'the help again at its button');
        }
        await page.close();
      }
    },

    async 'safe areas: with a notch and a home indicator, upright and turned, the window and controls stay inside them; zoom is allowed'() {
      const page = await openPage({ device: PHONE });
      const zoomable = await page.$eval('meta[name=viewport]', (e) => e.content);
      if (/user-scalable=no|maximum-scale/.test(zoomable)) throw new Error(`the page keeps the player from zooming: ${zoomable}`);
      const cdp = await page.target().createCDPSession();
      // A notch at the top upright, at the left turned; the home indicator at the bottom.
      for (const [device, insets] of [[TURNED, { top: 0, left: 47, right: 0, bottom: 21 }], [PHONE, { top: 47, left: 0, right: 0, bottom: 34 }]]) {
        await cdp.send('Emulation.setSafeAreaInsetsOverride', { insets });
        await page.setViewport({ width: device.width, height: device.height, deviceScaleFactor: device.ratio, isMobile: true, hasTouch: true });
        const name = `${device.width} x ${device.height}`;
        await waitFor(page, (safe) => ['#window', '#pad button', '#storage', 'dialog[open]'].every((selector) => [...document.querySelectorAll(selector)].every((e) => {
          const r = e.getBoundingClientRect();
          if (r.width === 0 && r.height === 0) return true;  // not shown: the tall layout's pad between games
          return r.left >= safe.left && r.top >= safe.top && r.right <= innerWidth - safe.right + 0.01 && r.bottom <= innerHeight - safe.bottom + 0.01;
        })), `${name}: everything inside the insets ${JSON.stringify(insets)}`, insets);
        if (device === TURNED) await closeSheetByTouch(page);
      }
      await page.close();
    },

    async 'game pad: Back starts, the pad moves, A turns, Down drops; with none connected nothing runs'() {
      const page = await openPage({
        seed: 13,
        beforeLoad: [stillGravity, standInPad],
      });
      await page.keyboard.press('Escape');
      await waitFor(page, () => !document.querySelector('dialog[open]'), 'the sheet closes');
      await page.evaluate(() => window.dispatchEvent(new Event('gamepadconnected')));
      // A button held for two reads of the pads, then let go for two.
      const readTwice = async () => {
        const frames = await page.evaluate(() => window.padFrames);
        await waitFor(page, (then) => window.padFrames >= then + 2, 'the pads read', frames);
      };
      const press = async (index) => {
        await page.evaluate((i) => { window.stand.buttons[i].pressed = true; }, index);
        await readTwice();
        await page.evaluate((i) => { window.stand.buttons[i].pressed = false; }, index);
        await readTwice();
      };
      await press(8);
      for (const index of [14, 0, 15, 15, 12]) await press(index);
      let script = ['seed 13', 'new', 'left', 'rotate', 'right', 'right', 'rotate'];
      await waitForPicture(page, simPicture(script), 'after the pad');
      await press(13);
      await press(14);
      script = [...script, 'down', 'release', 'left'];
      await waitForPicture(page, simPicture(script), 'after Down and Left on the pad');
      // Start pauses.
      await press(9);
      await waitFor(page, () => [...document.querySelectorAll('#stage button')].some((b) => b.textContent === '继续(F3)'), 'Start pauses');
      await page.evaluate(() => { window.stand.connected = false; window.dispatchEvent(new Event('gamepaddisconnected')); });
      await after(100);
      const frames = await page.evaluate(() => window.padFrames);
      await after(500);
      if ((await page.evaluate(() => window.padFrames)) !== frames) throw new Error('the page reads the pads with none connected');
      await page.close();
    },

    async 'game pad in dialogs: the pad alone answers the sheet opened at start'() {
      const page = await openPage({
        beforeLoad: standInPad,
      });
      await waitFor(page, () => document.querySelector('dialog[open]'), 'the sheet at start');
      const connectedAt = await page.evaluate(() => { window.dispatchEvent(new Event('gamepadconnected')); return window.padFrames; });
      // A button already down at the first read is one held over from the
      // game: wait for a read with none down before pressing.
      await waitFor(page, (then) => window.padFrames >= then + 2, 'the first reads', connectedAt);
      const press = async (index) => {
        await page.evaluate((i) => { window.stand.buttons[i].pressed = true; }, index);
        await waitFor(page, (then) => window.padFrames >= then + 2, 'the pads read', await page.evaluate(() => window.padFrames));
        await page.evaluate((i) => { window.stand.buttons[i].pressed = false; }, index);
        await waitFor(page, (then) => window.padFrames >= then + 2, 'the pads read', await page.evaluate(() => window.padFrames));
      };
      // The d-pad's right is Tab: from the page's tab to OK, which A presses.
      await press(15);
      const focused = await page.evaluate(() => document.activeElement.textContent);
      if (focused !== '确定') throw new Error(`Tab from the pad focused ${focused}`);
      await press(0);
      await waitFor(page, () => !document.querySelector('dialog[open]'), 'the sheet closed by the pad');
      await page.close();
    },
  };
};
