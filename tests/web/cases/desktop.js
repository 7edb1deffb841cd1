// The page on a desktop browser, with a mouse and a keyboard.
'use strict';
const fs = require('fs');
const path = require('path');

module.exports = ({ work, W, START_LIMIT_MS, sim, simPicture, layout, serveTree, openPage, canvasPicture, firstDifference,
  waitForPicture, waitFor, closeSheet, buttonTexts, stillGravity }) => ({
  async 'start screen: the sheet on About, then the picture and the buttons'() {
    const page = await openPage();
    const tab = await page.$eval('dialog[open] .tabs .current', (t) => t.textContent);
    if (tab !== '关于') throw new Error(`the sheet opened on ${tab}`);
    // The browser's own action for F5 (reload) and F3 (find) is stopped,
    // even with a dialog open.
    await page.evaluate(() => {
      window.refused = [];
      document.addEventListener('keydown', (event) => { if (event.defaultPrevented) window.refused.push(event.key); }, true);
    });
    await page.keyboard.press('F5');
    await page.keyboard.press('F3');
    await waitFor(page, () => window.refused.join() === 'F5,F3', 'F5 and F3 kept from the browser');
    await closeSheet(page);
    await waitForPicture(page, simPicture([]), 'the start screen');
    const buttons = await page.$$eval('#stage button', (all) => all.map((b) => {
      const box = b.getBoundingClientRect(), stage = b.parentElement.getBoundingClientRect();
      return [box.left - stage.left, box.top - stage.top, box.right - stage.left, box.bottom - stage.top];
    }));
    const expected = ['SpeedUp', 'SpeedDown', 'RowsUp', 'RowsDown', 'Start', 'Pause', 'Options'].map((n) => layout.button[n]);
    if (JSON.stringify(buttons) !== JSON.stringify(expected)) throw new Error(`buttons at ${JSON.stringify(buttons)}`);
    const texts = JSON.stringify(await buttonTexts(page));
    const wanted = JSON.stringify([['+', false], ['-', true], ['+', false], ['-', true], ['开始(F2)', false], ['暂停(F3)', true], ['选项(F4)', false]]);
    if (texts !== wanted) throw new Error(`buttons read ${texts}`);
    // The game's hand over the logo, the arrow elsewhere.
    const stage = await page.$eval('#stage', (e) => { const r = e.getBoundingClientRect(); return { x: r.left, y: r.top }; });
    const [l, t, r, b] = layout.region.hand;
    await page.mouse.move(stage.x + (l + r) / 2, stage.y + (t + b) / 2);
    await waitFor(page, () => document.getElementById('screen').style.cursor.startsWith('url("data:image/png'), 'the hand over the logo');
    await page.mouse.move(stage.x + r + 5, stage.y + t);
    await waitFor(page, () => document.getElementById('screen').style.cursor === 'default', 'the arrow beside the logo');
    await page.close();
  },

  async 'served: from a static web server it starts as from disk'() {
    const server = await serveTree();
    try {
      const page = await openPage({ url: `http://127.0.0.1:${server.address().port}/trelmo.html` });
      await closeSheet(page);
      await waitForPicture(page, simPicture([]), 'the start screen from the server');
      await page.close();
    } finally {
      server.close();
    }
  },

  async 'play: keys give trelmo-sim\'s picture of the same script'() {
    const page = await openPage({ seed: 7 });
    await closeSheet(page);
    // A new shape shows at its first move: the script ends with one, so the
    // window holds what a repaint would show.
    for (const key of ['F2', 'ArrowLeft', 'ArrowLeft', 'ArrowUp', 'ArrowDown', 'ArrowRight', 'Space', 'ArrowDown', 'ArrowLeft']) await page.keyboard.press(key);
    // The gravity timer runs meanwhile: on a slow machine a step or two of
    // the last shape may come before the look.
    const script = ['seed 7', 'new', 'left', 'left', 'rotate', 'down', 'release', 'right', 'rotate', 'down', 'release', 'left'];
    await waitForPicture(page, [0, 1, 2, 3, 4, 5].map((steps) => simPicture([...script, `tick ${steps}`])), 'after the keys');
    await page.close();
  },

  async 'counters: F5 steps the speed up every 50 ms to its maximum'() {
    const page = await openPage();
    await closeSheet(page);
    const final = simPicture(['maxspeed']);
    const started = Date.now();
    await page.keyboard.press('F5');
    const midway = firstDifference(await canvasPicture(page), final);
    await waitForPicture(page, final, 'the speed at its maximum');
    const took = Date.now() - started;
    if (midway === null || took < 19 * 50 - 60) throw new Error(`the speed reached its maximum in ${took} ms, not step by step`);
    await page.close();
  },

  async 'crisp: at ratio 2 every game pixel is a square of 2 x 2, and of 3 x 3 once zoomed'() {
    const page = await openPage({ ratio: 2 });
    await closeSheet(page);
    const picture = await canvasPicture(page);
    if (picture.scale !== 2) throw new Error(`the canvas is at scale ${picture.scale}`);
    const rendering = await page.$eval('#screen', (c) => [getComputedStyle(c).imageRendering, c.getBoundingClientRect().width]);
    if (rendering[0] !== 'pixelated' || rendering[1] !== W) throw new Error(`the canvas shows as ${rendering}`);
    await waitForPicture(page, simPicture([]), 'the start screen at ratio 2');
    // The browser's zoom changes the ratio of an open page, and its
    // viewport's size in CSS pixels.
    await page.setViewport({ width: 533, height: 400, deviceScaleFactor: 3 });
    await waitFor(page, () => document.getElementById('screen').width === 479 * 3, 'the canvas at scale 3 after the zoom');
    await waitForPicture(page, simPicture([]), 'the start screen at ratio 3');
    await page.close();
  },

  async 'options: saved to storage and kept over a reload'() {
    const page = await openPage();
    await closeSheet(page);
    await page.keyboard.press('F4');
    await waitFor(page, () => document.querySelector('dialog[open] .title')?.textContent === '选项设定', 'the options dialog opens on F4');
    // Tab visits the template's tab stops in order, a group of radio
    // buttons at its checked one, as Windows does.
    const stops = [];
    for (let i = 0; i < 8; ++i) {
      await page.keyboard.press('Tab');
      stops.push(await page.evaluate(() => (document.activeElement.closest('label') || document.activeElement).textContent));
    }
    const expected = ['取消(C)', '声音(P)', '顺时针旋转(R)', '七种Trelmo(S)', '直接到底部(D)', '显示下一个(N)', '3D界面(3)', '翻转模式(I)'];
    if (stops.join() !== expected.join()) throw new Error(`Tab visits ${stops.join(' ')}`);
    await page.keyboard.press('p');  // the mnemonic of Sound
    await page.keyboard.press('Enter');
    await waitFor(page, () => /Sound=0/.test(localStorage.getItem('trelmo.ini') || ''), 'Sound=0 in storage');
    await page.reload();
    await page.waitForSelector('dialog[open]', { timeout: START_LIMIT_MS });
    await closeSheet(page);
    await page.keyboard.press('F4');
    await waitFor(page, () => document.querySelector('dialog[open] .title')?.textContent === '选项设定', 'the options dialog opens again');
    const sound = await page.$eval('dialog[open] .panel', (panel) =>
      [...panel.querySelectorAll('label')].find((l) => l.textContent.startsWith('声音')).querySelector('input').checked);
    if (sound) throw new Error('Sound is on again after the reload');
    await page.close();
  },

  async 'settings: a file in storage before the page loads is the one it starts with'() {
    const page = await openPage({ storage: '[Settings]\r\n3Dtrelmo=0\r\nPreview=0\r\n' });
    await closeSheet(page);
    await waitForPicture(page, simPicture(['set 3Dtrelmo 0', 'set Preview 0']), 'the flat look from the stored file');
    await page.close();
  },

  async 'loading: a settings file is taken, anything else refused'() {
    const page = await openPage();
    await closeSheet(page);
    const refused = path.join(work, 'notes.txt');
    fs.writeFileSync(refused, 'not a settings file\n');
    await (await page.$('#file')).uploadFile(refused);
    await waitFor(page, () => /notes\.txt/.test(document.getElementById('storage-message').textContent), 'the refusal is shown');
    if (await page.evaluate(() => localStorage.getItem('trelmo.ini') !== null)) throw new Error('a refused file was stored');
    const taken = path.join(work, 'trelmo.ini');
    fs.writeFileSync(taken, '[Settings]\r\nStyle=0\r\n[Score]\r\nPlayer0=1500,9,Ann\r\n');
    await (await page.$('#file')).uploadFile(taken);
    await waitFor(page, () => /Style=0/.test(localStorage.getItem('trelmo.ini') || ''), 'the loaded file in storage');
    await page.close();
  },

  async 'offer and game over: name entry, table, and No to the replay question ends the game'() {
    // Row 9 below zero, so that the empty game F2 offers takes it.
    const page = await openPage({ storage: '[Score]\r\nPlayer9=-1,0,Low\r\n' });
    await closeSheet(page);
    const dialogTitle = () => page.evaluate(() => document.querySelector('dialog[open] .title')?.textContent || '');
    await page.keyboard.press('F2');
    await waitFor(page, () => document.querySelector('dialog[open] .title')?.textContent === '恭喜!', 'the name entry on F2');
    const offered = await page.$eval('dialog[open] input[type=text]', (box) => box.value);
    if (offered !== 'Low') throw new Error(`the name entry offers ${offered}`);
    // Esc does not end it, not even twice (when the browser itself closes it).
    await page.keyboard.press('Escape');
    await page.keyboard.press('Escape');
    await new Promise((resolve) => setTimeout(resolve, 100));
    await waitFor(page, () => document.querySelector('dialog[open] .title')?.textContent === '恭喜!', 'the name entry kept over Esc');
    await page.$eval('dialog[open] input[type=text]', (box) => { box.value = ''; });
    await page.type('dialog[open] input[type=text]', '张三');
    await page.keyboard.press('Enter');
    await waitFor(page, () => document.querySelector('dialog[open] .title')?.textContent === '排行榜', 'the table after the name');
    const tenth = await page.$$eval('dialog[open] .scorerow', (cells) => cells.slice(-4).map((c) => c.textContent).join(' '));
    if (tenth !== '10. 0 0 张三') throw new Error(`the tenth row reads ${tenth}`);
    const stored = await page.evaluate(() => localStorage.getItem('trelmo.ini'));
    if (!stored.includes('Player9=0,0,\xd5\xc5\xc8\xfd')) throw new Error('the new row is not stored in GBK');
    await page.keyboard.press('Enter');
    await waitFor(page, () => !document.querySelectorAll('#stage button')[5].disabled, 'a game after the table');
    // Drops until the well is full; a score of 0 does not enter the table again.
    for (let drops = 0; (await dialogTitle()) !== '游戏结束'; ++drops) {
      if (drops === 80) throw new Error('no replay question after 80 drops');
      await page.keyboard.press('ArrowDown');
      await new Promise((resolve) => setTimeout(resolve, 30));
    }
    await page.keyboard.press('n');
    await waitFor(page, () => document.getElementById('notice').textContent !== '' && document.getElementById('window').hidden,
      'the page says the game has ended');
    await page.close();
  },

  async 'mouse: the logo opens the sheet, a right click in the well moves right, the middle one turns'() {
    const page = await openPage({ seed: 3, beforeLoad: stillGravity });
    await closeSheet(page);
    const stage = await page.$eval('#stage', (e) => { const r = e.getBoundingClientRect(); return { x: r.left, y: r.top }; });
    const [l, t] = layout.region.about;
    await page.mouse.click(stage.x + l + 10, stage.y + t + 10);
    await waitFor(page, () => document.querySelector('dialog[open] .tabs .current')?.textContent === '关于', 'the sheet from the logo');
    await closeSheet(page);
    await page.keyboard.press('F2');
    const [wl, wt] = layout.region.right;
    await page.mouse.click(stage.x + wl + 50, stage.y + wt + 200, { button: 'right' });
    await page.mouse.click(stage.x + wl + 50, stage.y + wt + 200, { button: 'middle' });
    const script = ['seed 3', 'new', 'right', 'rotate'];
    await waitForPicture(page, simPicture(script), 'after the clicks');
    await page.close();
  },

  async 'menu and exit: the right-click menu greys, Exit asks, Yes ends the game'() {
    const page = await openPage();
    await closeSheet(page);
    const stage = await page.$eval('#stage', (e) => { const r = e.getBoundingClientRect(); return { x: r.left, y: r.top }; });
    const menuItems = () => page.$$eval('.menu div', (items) => items.map((i) => `${i.textContent}${i.className === 'greyed' ? '/grey' : ''}`).join(' '));
    await page.mouse.click(stage.x + 60, stage.y + 150, { button: 'right' });
    await waitFor(page, () => document.querySelectorAll('.menu div').length === 7, 'the main menu at the pointer');
    const fresh = await menuItems();
    if (fresh !== '隐藏界面 显示前十名... 功能键定义... 最大速度 最大起始行数 关于... 退出') throw new Error(`the menu reads ${fresh}`);
    await page.keyboard.press('Escape');
    await waitFor(page, () => !document.querySelector('.menu'), 'Esc closes the menu');
    await page.keyboard.press('F5');
    await page.mouse.click(stage.x + 60, stage.y + 150, { button: 'right' });
    await waitFor(page, () => document.querySelectorAll('.menu div.greyed').length === 1, 'MaxSpeed greyed at the maximum speed');
    if (!(await menuItems()).includes('最大速度/grey')) throw new Error(`the menu reads ${await menuItems()}`);
    await page.evaluate(() => [...document.querySelectorAll('.menu div')].find((i) => i.textContent === '退出').click());
    await waitFor(page, () => document.querySelector('dialog[open] .title')?.textContent === '退出', 'the exit box');
    await page.evaluate(() => [...document.querySelectorAll('dialog[open] button')].find((b) => b.textContent.startsWith('是')).click());
    await waitFor(page, () => document.getElementById('window').hidden && document.getElementById('notice').textContent !== '',
      'the page says the game has ended');
    await page.close();
  },

  async 'one copy: a second tab does not run the game until the first has gone'() {
    const first = await openPage();
    const second = await openPage({ waitForGame: false });
    await waitFor(second, () => document.getElementById('notice').textContent !== '', 'the second tab says the game is open elsewhere');
    const running = await second.evaluate(() => !document.getElementById('window').hidden);
    if (running) throw new Error('the second tab shows a game');
    await first.close();
    await waitFor(second, () => document.querySelector('dialog[open]') !== null && !document.getElementById('window').hidden &&
      document.getElementById('notice').textContent === '', 'the second tab starts the game once the first has closed');
    await second.close();
  },

  async 'activation: losing the focus pauses, coming back resumes'() {
    const page = await openPage();
    await closeSheet(page);
    await page.keyboard.press('F2');
    await waitFor(page, () => !document.querySelectorAll('#stage button')[5].disabled, 'the pause button is enabled in a game');
    await page.evaluate(() => window.dispatchEvent(new Event('blur')));
    await waitFor(page, () => document.querySelectorAll('#stage button')[5].textContent === '继续(F3)', 'paused on losing the focus');
    await page.evaluate(() => window.dispatchEvent(new Event('focus')));
    await waitFor(page, () => document.querySelectorAll('#stage button')[5].textContent === '暂停(F3)', 'resumed on coming back');
    // A pause the player took stays over losing and regaining the focus.
    await page.keyboard.press('F3');
    await waitFor(page, () => document.querySelectorAll('#stage button')[5].textContent === '继续(F3)', 'paused by F3');
    await page.evaluate(() => { window.dispatchEvent(new Event('blur')); window.dispatchEvent(new Event('focus')); });
    await page.keyboard.press('F7');
    await waitFor(page, () => document.querySelector('dialog[open] .tabs .current')?.textContent === '功能键定义', 'F7 opens the sheet on the keys');
    const label = await page.$eval('#stage button:nth-child(7)', (b) => b.textContent);
    if (label !== '继续(F3)') throw new Error(`the pause button reads ${label} after the focus came back`);
    await page.close();
  },

  async 'hiding: Esc leaves the icon, a double-click restores; idle means no timer'() {
    // The page's live intervals, counted.
    const page = await openPage({ beforeLoad: () => {
      const live = new Set();
      const set = window.setInterval, clear = window.clearInterval;
      // Gravity held still too (as in stillGravity), so that the look at
      // the restored window does not race its steps.
      window.setInterval = (work, ms, ...rest) => { const id = set(ms >= 100 ? () => {} : work, ms, ...rest); live.add(id); return id; };
      window.clearInterval = (id) => { live.delete(id); clear(id); };
      window.liveIntervals = () => live.size;
    } });
    const intervals = (count, what) => waitFor(page, (n) => window.liveIntervals() === n, what, count);
    await closeSheet(page);
    await intervals(0, 'no timer before the first game');
    await page.keyboard.press('F2');
    await intervals(1, 'the gravity timer in a game');
    await page.keyboard.press('Escape');
    await waitFor(page, () => getComputedStyle(document.getElementById('tray')).display !== 'none', 'the icon in place of the window');
    await intervals(0, 'no timer while hidden');
    const tip = await page.$eval('#tray', (t) => t.title);
    if (tip !== 'Pindle trelmo') throw new Error(`the icon's tip reads ${tip}`);
    await page.click('#tray', { clickCount: 2 });
    await waitFor(page, () => document.getElementById('window').style.visibility === '', 'the window back');
    await intervals(1, 'the timer again once restored');
    // Restored, the window is painted whole, the new shape included.
    const script = ['seed 1', 'new', 'deactivate', 'activate'];
    await waitForPicture(page, simPicture(script), 'the window repainted');
    await page.keyboard.press('Escape');
    await intervals(0, 'no timer while hidden again');
    await page.evaluate(() => document.getElementById('tray').dispatchEvent(new MouseEvent('contextmenu', { bubbles: true, clientX: 700, clientY: 500 })));
    await waitFor(page, () => [...document.querySelectorAll('.menu div')].map((i) => i.textContent).join(' ') === '恢复 退出', "the icon's menu");
    await page.evaluate(() => [...document.querySelectorAll('.menu div')].find((i) => i.textContent === '退出').click());
    await waitFor(page, () => document.querySelector('dialog[open] .title')?.textContent === '退出', 'the exit box from the icon');
    await page.keyboard.press('y');
    await waitFor(page, () => document.getElementById('notice').textContent !== '', 'the game ended');
    await intervals(0, 'no timer once ended');
    await page.close();
  },
});
