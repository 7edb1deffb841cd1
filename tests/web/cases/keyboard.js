// The page's dialogs by keyboard alone, as the Windows program's: Tab goes
// round a dialog, the arrows round a group, Space and Return press, Esc
// cancels only where there is a Cancel. No key meant for a dialog reaches
// the game.
'use strict';

module.exports = ({ openPage, waitFor, closeSheet }) => {
  // Presses `key` with `modifiers` held.
  const chord = async (page, modifiers, key) => {
    for (const modifier of modifiers) await page.keyboard.down(modifier);
    await page.keyboard.press(key);
    for (const modifier of [...modifiers].reverse()) await page.keyboard.up(modifier);
  };
  // What has the focus, as a player reads it: a control's text (a check
  // box's or radio button's with its label), an edit box's value.
  const focusIs = (page, wanted, what) => waitFor(page, (text) => {
    const element = document.activeElement;
    const read = element.type === 'text' ? `[${element.value}]` : (element.closest('label') || element).textContent;
    return read === text && element.closest('dialog[open]') !== null;
  }, `${what} (the focus on ${wanted})`, wanted);
  // Presses `key` and waits for the focus to be on each of `stops` in turn.
  const visit = async (page, modifiers, key, stops, what) => {
    for (const stop of stops) {
      await chord(page, modifiers, key);
      await focusIs(page, stop, what);
    }
  };
  const dialogTitle = (page, title, what) =>
    waitFor(page, (wanted) => document.querySelector('dialog[open] .title')?.textContent === wanted, what, title);
  const noDialog = (page, what) => waitFor(page, () => !document.querySelector('dialog[open]'), what);
  const checked = (page, label) => page.$eval('dialog[open] .panel', (panel, text) =>
    [...panel.querySelectorAll('label')].find((l) => l.textContent === text).querySelector('input').checked, label);

  return {
    async 'keyboard options: Tab goes round, the arrows round a group select radios, Space toggles, Return presses'() {
      const page = await openPage();
      await closeSheet(page);
      await page.keyboard.press('F4');
      await dialogTitle(page, '选项设定', 'F4 opens the options');
      await focusIs(page, '确定(O)', 'the options open on OK');
      await visit(page, ['Shift'], 'Tab', ['翻转模式(I)', '3D界面(3)'], 'Shift+Tab round from OK');
      await visit(page, [], 'Tab', ['翻转模式(I)', '确定(O)', '取消(C)', '声音(P)'], 'Tab round to OK');
      // Space toggles the focused check box.
      await page.keyboard.press('Space');
      await waitFor(page, () => ![...document.querySelectorAll('dialog[open] label')].find((l) => l.textContent === '声音(P)').querySelector('input').checked,
        'Space clears Sound');
      // The arrows go round the group of the template: a radio button they
      // reach is selected; a check box of the group is only focused.
      await visit(page, [], 'Tab', ['顺时针旋转(R)', '七种Trelmo(S)'], 'Tab to the shapes');
      await visit(page, [], 'ArrowDown', ['十一种Trelmo(E)'], 'Down to eleven shapes');
      if (!(await checked(page, '十一种Trelmo(E)')) || (await checked(page, '七种Trelmo(S)'))) throw new Error('Down did not select eleven shapes');
      await visit(page, [], 'ArrowDown', ['顺时针旋转(R)'], 'Down round the group, past its frame');
      await visit(page, [], 'ArrowUp', ['十一种Trelmo(E)'], 'Up back');
      if (!(await checked(page, '顺时针旋转(R)'))) throw new Error('the arrows toggled Rotate clockwise');
      // Return on a radio button presses OK.
      await page.keyboard.press('Enter');
      await noDialog(page, 'Return presses OK');
      const stored = await page.evaluate(() => localStorage.getItem('trelmo.ini') || '');
      if (!/Sound=0/.test(stored) || !/Style=0/.test(stored)) throw new Error(`OK stored ${JSON.stringify(stored)}`);
      // Return presses the push button that has the focus: Cancel, reached
      // by the arrows round OK, Cancel and Sound, keeps the change unstored.
      await page.keyboard.press('F4');
      await focusIs(page, '确定(O)', 'the options open again on OK');
      await page.keyboard.press('p');
      await focusIs(page, '声音(P)', 'the mnemonic of Sound');
      if (!(await checked(page, '声音(P)'))) throw new Error('the mnemonic did not toggle Sound');
      await visit(page, [], 'ArrowDown', ['确定(O)', '取消(C)'], 'Down round OK, Cancel and Sound');
      await page.keyboard.press('Enter');
      await noDialog(page, 'Return presses Cancel');
      if (!/Sound=0/.test(await page.evaluate(() => localStorage.getItem('trelmo.ini')))) throw new Error('Cancel stored the change');
      await page.close();
    },

    async 'keyboard scores: the name entry opens on OK and Tab goes round it; in the table Space and Return press Clear, Esc nothing'() {
      // Row 9 below zero, so that the empty game F2 offers takes it.
      const page = await openPage({ storage: '[Score]\r\nPlayer9=-1,0,Low\r\n' });
      await closeSheet(page);
      await page.keyboard.press('F2');
      await dialogTitle(page, '恭喜!', 'the name entry on F2');
      await focusIs(page, '确定(O)', 'the name entry opens on OK');
      await visit(page, [], 'Tab', ['[Low]', '确定(O)'], 'Tab round the name entry');
      await visit(page, ['Shift'], 'Tab', ['[Low]'], 'Shift+Tab to the box');
      // Tab selects the box's text: typing replaces it.
      await page.keyboard.type('Kim');
      await focusIs(page, '[Kim]', 'the typed name in place of the offered one');
      await page.keyboard.press('Enter');
      await dialogTitle(page, '排行榜', 'the table after the name');
      await focusIs(page, '确定(O)', 'the table opens on OK');
      await visit(page, [], 'Tab', ['清除(C)', '确定(O)'], 'Tab round the table');
      await visit(page, [], 'ArrowLeft', ['清除(C)'], 'Left from OK to Clear');
      const tenth = () => page.$$eval('dialog[open] .scorerow', (cells) => cells.slice(-4).map((c) => c.textContent).join(' '));
      if ((await tenth()) !== '10. 0 0 Kim') throw new Error(`the tenth row reads ${await tenth()}`);
      await page.keyboard.press('Space');
      await waitFor(page, () => /Player9=0,0,Anonymous/.test(localStorage.getItem('trelmo.ini') || ''), 'Space presses Clear');
      if ((await tenth()) !== '10. 0 0 Anonymous') throw new Error(`after Clear the tenth row reads ${await tenth()}`);
      // Esc does nothing, and Return on Clear presses Clear: the table stays.
      await page.keyboard.press('Escape');
      await page.keyboard.press('Enter');
      await visit(page, [], 'Tab', ['确定(O)'], 'the table kept over Esc and Return on Clear');
      await page.keyboard.press('Enter');
      await noDialog(page, 'Return on OK closes the table');
      await waitFor(page, () => !document.querySelectorAll('#stage button')[5].disabled, 'a game after the table');
      await page.close();
    },

  };
};
