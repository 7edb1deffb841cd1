// The page on the phones players hold: every dialog whole on the screen,
// no dead end after the game ends, a pad alone through a whole game, and
// a name composed by an input method kept whole.
'use strict';

// CSS pixels and device pixels of each phone, held upright; each is also
// turned.
const PHONES = [
  { width: 375, height: 667, ratio: 2 }, { width: 390, height: 844, ratio: 3 }, { width: 412, height: 915, ratio: 2.625 },
  { width: 360, height: 740, ratio: 4 }, { width: 360, height: 640, ratio: 3 }, { width: 280, height: 653, ratio: 3 },
];
const SCREENS = PHONES.flatMap((phone) => [phone, { width: phone.height, height: phone.width, ratio: phone.ratio }]);
// Row 9 below zero, so that the empty game F2 (or Back) ends takes it.
const LOW_ROW = '[Score]\r\nPlayer9=-1,0,Low\r\n';

module.exports = ({ LIMIT_MS, START_LIMIT_MS, openPage, waitFor, standInPad }) => {
  const after = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
  const title = (page) => page.evaluate(() => document.querySelector('dialog[open] .title')?.textContent || '');
  const dialogTitled = (page, wanted, what) =>
    waitFor(page, (text) => document.querySelector('dialog[open] .title')?.textContent === text, what, wanted);
  const turn = (page, { width, height, ratio }) =>
    page.setViewport({ width, height, deviceScaleFactor: ratio, isMobile: true, hasTouch: true });

  // What is wrong with the open dialog on this screen, or null: off the
  // screen, a scroll bar, a part outside it, or text smaller than `least`
  // CSS pixels.
  const dialogProblem = (least) => {
    const dialog = document.querySelector('dialog[open]');
    const box = dialog.getBoundingClientRect();
    if (box.left < 0 || box.top < 0 || box.right > innerWidth + 0.01 || box.bottom > innerHeight + 0.01)
      return `it lies at ${[box.left, box.top, box.right, box.bottom].map(Math.round)} on ${innerWidth} x ${innerHeight}`;
    const zoom = box.width / dialog.offsetWidth;
    for (const part of [dialog, ...dialog.querySelectorAll('*')]) {
      if (part.getClientRects().length === 0) continue;  // a page not shown
      const style = getComputedStyle(part);
      if (style.overflow !== 'visible' && (part.scrollWidth > part.clientWidth + 1 || part.scrollHeight > part.clientHeight + 1))
        return `${part.tagName} ${part.className} scrolls`;
      const r = part.getBoundingClientRect();
      if (r.left < box.left - 0.5 || r.top < box.top - 0.5 || r.right > box.right + 0.5 || r.bottom > box.bottom + 0.5)
        return `${part.tagName} ${part.className} ${part.textContent.slice(0, 12)} is cut`;
      const text = [...part.childNodes].some((node) => node.nodeType === Node.TEXT_NODE && node.textContent.trim() !== '');
      if (text && parseFloat(style.fontSize) * zoom < least - 0.05)
        return `"${part.textContent.slice(0, 12)}" is ${(parseFloat(style.fontSize) * zoom).toFixed(1)} px`;
    }
    return null;
  };
  // Where each part of the open dialog lies in it, unscaled.
  const dialogPlaces = () => {
    const dialog = document.querySelector('dialog[open]');
    const box = dialog.getBoundingClientRect(), zoom = box.width / dialog.offsetWidth;
    return [...dialog.querySelectorAll('*')].map((part) => {
      const r = part.getBoundingClientRect();
      return [r.left - box.left, r.top - box.top, r.width, r.height].map((side) => Math.round(side / zoom)).join();
    }).join(' ');
  };
  // The open dialog whole on every screen, as the phone is turned to it:
  // its text at least 11 CSS px on a screen 375 wide or more, else 9.
  // Back on the first, each part is where it was.
  async function wholeOnEveryScreen(page, what) {
    const first = await page.evaluate(dialogPlaces);
    for (const screen of [...SCREENS, SCREENS[0]]) {
      await turn(page, screen);
      const least = screen.width >= 375 ? 11 : 9;
      let problem;
      for (const until = Date.now() + LIMIT_MS; (problem = await page.evaluate(dialogProblem, least)) !== null && Date.now() < until;) await after(50);
      if (problem !== null) throw new Error(`${what} on ${screen.width} x ${screen.height}: ${problem}`);
    }
    await waitFor(page, `(${dialogPlaces})() === ${JSON.stringify(first)}`, `${what} as it was on the first phone again`);
  }

  // Drops by the keyboard until the game ends and asks for another.
  async function dropUntilTheReplayQuestion(page) {
    for (let drops = 0; (await title(page)) !== '游戏结束'; ++drops) {
      if (drops === 80) throw new Error('no replay question after 80 drops');
      await page.keyboard.press('ArrowDown');
      await after(30);
    }
  }
  // A pad button held for two reads of the pads, then let go for two.
  async function pressPad(page, index) {
    const reads = async () => waitFor(page, (then) => window.padFrames >= then + 2, 'the pads read', await page.evaluate(() => window.padFrames));
    await page.evaluate((i) => { window.stand.buttons[i].pressed = true; }, index);
    await reads();
    await page.evaluate((i) => { window.stand.buttons[i].pressed = false; }, index);
    await reads();
  }
  const PAD = { A: 0, BACK: 8, DOWN: 13, RIGHT: 15 };

  return {
    async 'phone dialogs: the sheet\'s pages, the options, the name entry, the table and the question whole on every phone, upright and turned'() {
      const page = await openPage({ device: PHONES[0], storage: LOW_ROW });
      for (const tab of [0, 1, 2]) {
        await page.$$eval('dialog[open] .tabs button', (tabs, index) => tabs[index].click(), tab);
        await wholeOnEveryScreen(page, `the sheet's page ${tab + 1}`);
      }
      await page.keyboard.press('Escape');
      await waitFor(page, () => !document.querySelector('dialog[open]'), 'the sheet closes');
      await page.keyboard.press('F4');
      await dialogTitled(page, '选项设定', 'the options on F4');
      await wholeOnEveryScreen(page, 'the options');
      await page.keyboard.press('Escape');
      await waitFor(page, () => !document.querySelector('dialog[open]'), 'the options close');
      await page.keyboard.press('F2');
      await dialogTitled(page, '恭喜!', 'the name entry on F2');
      await wholeOnEveryScreen(page, 'the name entry');
      await page.keyboard.press('Enter');
      await dialogTitled(page, '排行榜', 'the table after the name');
      await wholeOnEveryScreen(page, 'the table');
      await page.keyboard.press('Enter');
      await waitFor(page, () => !document.querySelector('dialog[open]'), 'a game after the table');
      await dropUntilTheReplayQuestion(page);
      await wholeOnEveryScreen(page, 'the replay question');
      await page.close();
    },

    async 'phone ended: hidden, the icon\'s long press opens its menu across a turn; after No the page says so and starts again as saved'() {
      const phone = PHONES[1];
      // The row put in storage once, before a load: the new start finds
      // what the game saved.
      const page = await openPage({ device: phone });
      await page.evaluate(() => localStorage.setItem('trelmo.ini', '[Score]\r\nPlayer9=-1,0,Low\r\n'));
      await page.reload();
      await page.waitForSelector('dialog[open]', { timeout: START_LIMIT_MS });
      const shown = (selector) => page.$$eval(selector, (all) => all.filter((e) => e.getClientRects().length > 0).map((e) => e.id || e.textContent));
      await page.keyboard.press('Escape');
      await waitFor(page, () => !document.querySelector('dialog[open]'), 'the sheet closes');
      // The controls hidden by the player stay hidden over a new start.
      await page.$eval('#controls', (button) => button.click());
      await waitFor(page, () => document.getElementById('pad').classList.contains('hidden'), 'the controls hidden');
      await page.$eval('#controls', (button) => button.click());
      await waitFor(page, () => !document.getElementById('pad').classList.contains('hidden'), 'the controls shown again');
      // Hidden, the window leaves the icon and no control.
      await page.keyboard.press('Escape');
      await waitFor(page, () => getComputedStyle(document.getElementById('tray')).display === 'block', 'the icon in place of the window');
      if ((await shown('#pad button')).length !== 0) throw new Error('the controls stay while the window is hidden');
      const icon = await page.$eval('#tray', (e) => { const r = e.getBoundingClientRect(); return { x: r.x + r.width / 2, y: r.y + r.height / 2 }; });
      await page.touchscreen.touchStart(icon.x, icon.y);
      await waitFor(page, () => document.querySelector('.menu') !== null, 'the icon\'s menu at a long press');
      await page.touchscreen.touchEnd();
      await after(200);
      const still = await page.evaluate(() => document.querySelector('.menu') !== null && getComputedStyle(document.getElementById('tray')).display === 'block');
      if (!still) throw new Error('the lift after the long press closes the menu or restores the window');
      await turn(page, { width: phone.height, height: phone.width, ratio: phone.ratio });
      await waitFor(page, () => {
        const r = document.querySelector('.menu').getBoundingClientRect();
        return r.left >= 0 && r.top >= 0 && r.right <= innerWidth && r.bottom <= innerHeight;
      }, 'the menu on the screen after the turn');
      await turn(page, phone);
      await page.keyboard.press('Escape');
      await page.$eval('#controls', (button) => button.click());
      await page.touchscreen.tap(icon.x, icon.y);
      await waitFor(page, () => getComputedStyle(document.getElementById('tray')).display === 'none', 'the window back at a tap on the icon');
      // A game offered to the table, and No to another.
      await page.keyboard.press('F2');
      await dialogTitled(page, '恭喜!', 'the name entry on F2');
      await page.keyboard.press('Enter');
      await dialogTitled(page, '排行榜', 'the table after the name');
      await page.keyboard.press('Enter');
      await waitFor(page, () => !document.querySelector('dialog[open]'), 'a game after the table');
      await dropUntilTheReplayQuestion(page);
      await page.keyboard.press('n');
      await waitFor(page, () => document.getElementById('notice').textContent === '游戏已结束。', 'the page says the game has ended');
      const left = await shown('#window, #pad, #pad button, #storage, #tray, #restart');
      if (left.join() !== 'restart') throw new Error(`after the end the page shows ${left}`);
      const restart = await page.$eval('#restart', (e) => { const r = e.getBoundingClientRect(); return { x: r.x + r.width / 2, y: r.y + r.height / 2, width: r.width, height: r.height, text: e.textContent }; });
      if (restart.width < 44 || restart.height < 44 || restart.text !== '重新开始') throw new Error(`the button to start again: ${JSON.stringify(restart)}`);
      await page.touchscreen.tap(restart.x, restart.y);
      // A new start: the sheet, the table as saved, the controls as left.
      await page.waitForFunction(() => document.querySelector('dialog[open]') !== null && !document.getElementById('window').hidden, { timeout: START_LIMIT_MS });
      const again = await page.evaluate(() => ({
        notice: document.getElementById('notice').textContent,
        stored: localStorage.getItem('trelmo.ini').includes('Player9=0,0,Low') || localStorage.getItem('trelmo.ini'),
        controls: document.getElementById('pad').classList.contains('hidden'),
      }));
      if (again.notice !== '' || again.stored !== true || !again.controls) throw new Error(`after the new start ${JSON.stringify(again)}`);
      await page.close();
    },

    async 'phone pad: the pad alone from the first sheet through a whole game, the name offered and the table to the end, and a new start'() {
      const page = await openPage({ device: PHONES[0], storage: LOW_ROW, beforeLoad: standInPad });
      const connectedAt = await page.evaluate(() => { window.dispatchEvent(new Event('gamepadconnected')); return window.padFrames; });
      await waitFor(page, (then) => window.padFrames >= then + 2, 'the first reads', connectedAt);
      // Right is Tab: from the sheet's tab to OK, which A presses.
      await pressPad(page, PAD.RIGHT);
      await pressPad(page, PAD.A);
      await waitFor(page, () => !document.querySelector('dialog[open]'), 'the sheet closed by the pad');
      // Back ends the game at start, whose result the table takes.
      await pressPad(page, PAD.BACK);
      await dialogTitled(page, '恭喜!', 'the name entry on Back');
      await pressPad(page, PAD.A);
      await dialogTitled(page, '排行榜', 'the table after the name offered');
      await pressPad(page, PAD.A);
      await waitFor(page, () => !document.querySelector('dialog[open]'), 'a game after the table');
      for (let drops = 0; (await title(page)) !== '游戏结束'; ++drops) {
        if (drops === 200) throw new Error('no replay question after 200 drops');
        await pressPad(page, PAD.DOWN);
      }
      // Right goes from Yes to No once the box has the focus on Yes.
      const focused = (page, start, what) =>
        waitFor(page, (text) => document.activeElement?.closest('dialog[open]') && document.activeElement.textContent.startsWith(text), what, start);
      await focused(page, '是', 'Yes focused in the replay question');
      await pressPad(page, PAD.RIGHT);
      await focused(page, '否', 'No focused by the pad\'s Right');
      // A on No ends the game; held on, it does not also start it again.
      await page.evaluate((i) => { window.stand.buttons[i].pressed = true; }, PAD.A);
      await waitFor(page, () => document.getElementById('notice').textContent !== '' && document.activeElement.id === 'restart',
        'the game ended by the pad, with the button to start again focused');
      const stored = await page.evaluate(() => localStorage.getItem('trelmo.ini'));
      if (!stored.includes('Player9=0,0,Low')) throw new Error('the name offered is not in the table');
      const readsAfterEnd = async () =>
        waitFor(page, (then) => window.padFrames >= then + 2, 'the pads read after the end', await page.evaluate(() => window.padFrames));
      await readsAfterEnd();
      if (await page.evaluate(() => document.getElementById('notice').textContent === '')) throw new Error('the A held on No started again');
      await page.evaluate((i) => { window.stand.buttons[i].pressed = false; }, PAD.A);
      await readsAfterEnd();
      // A pressed again: a new start, the sheet first.
      await page.evaluate((i) => { window.stand.buttons[i].pressed = true; }, PAD.A);
      await page.waitForFunction(() => document.querySelector('dialog[open]') !== null && document.getElementById('notice').textContent === '',
        { timeout: START_LIMIT_MS });
      await page.close();
    },

    async 'name composed: an input method\'s forty letters after 李 compose whole, and the name is stored whole in GBK'() {
      const page = await openPage({ storage: LOW_ROW });
      await page.keyboard.press('Escape');
      await waitFor(page, () => !document.querySelector('dialog[open]'), 'the sheet closes');
      await page.keyboard.press('F2');
      await dialogTitled(page, '恭喜!', 'the name entry on F2');
      await page.$eval('dialog[open] input[type=text]', (box) => { box.value = '李'; box.focus(); box.setSelectionRange(1, 1); });
      const ime = await page.target().createCDPSession();
      const letters = 'zhonghuarenmingongheguowansuizhonghuaren';
      for (let count = 1; count <= letters.length; ++count)
        await ime.send('Input.imeSetComposition', { text: letters.slice(0, count), selectionStart: count, selectionEnd: count });
      const composing = await page.$eval('dialog[open] input[type=text]', (box) => box.value);
      if (composing !== `李${letters}`) throw new Error(`while composing the box holds ${composing}`);
      const composed = '中华人民共和国万岁中华人';
      await ime.send('Input.insertText', { text: composed });
      // The box keeps what it has room for, and the game reads 18 bytes of
      // it: 李 and eight characters more. A row of the table holds 17 bytes,
      // where the ninth character, 万, would be cut in two: it is left out.
      const kept = await page.$eval('dialog[open] input[type=text]', (box) => box.value);
      if (!`李${composed}`.startsWith(kept) || kept.length < 10) throw new Error(`the box keeps ${kept}`);
      await page.keyboard.press('Enter');
      await dialogTitled(page, '排行榜', 'the table after the name');
      const tenth = await page.$$eval('dialog[open] .scorerow', (cells) => cells[cells.length - 1].textContent);
      if (tenth !== '李中华人民共和国') throw new Error(`the table holds ${tenth}`);
      const stored = await page.evaluate(() => localStorage.getItem('trelmo.ini'));
      const gbk = Buffer.from('c0eed6d0bbaac8cbc3f1b9b2bacdb9fa', 'hex').toString('latin1');  // 李中华人民共和国
      if (!stored.includes(`Player9=0,0,${gbk}\r\n`)) throw new Error('the name is not stored whole in GBK');
      await page.close();
    },
  };
};
