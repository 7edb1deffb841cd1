// The page's dialogs and menus by keyboard alone: the page carries out what
// the module's key model answers (its rules are tested natively, in
// tests/resources/dialog_keys_test.cpp and tests/commands/menus_test.cpp):
// the focus moves, buttons and boxes are pressed, pages turn, menus
// highlight and choose. No key meant for a dialog or a menu reaches the
// game.
'use strict';

module.exports = ({ LIMIT_MS, simPicture, openPage, waitForPicture, waitFor, closeSheet }) => {
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
  const stageOrigin = (page) => page.$eval('#stage', (e) => { const r = e.getBoundingClientRect(); return { x: r.left, y: r.top }; });
  const openMainMenu = async (page) => {
    const stage = await stageOrigin(page);
    await page.mouse.click(stage.x + 60, stage.y + 150, { button: 'right' });
    await waitFor(page, () => document.querySelectorAll('.menu div').length === 7, 'the main menu opens');
  };
  const highlightIs = (page, wanted, what) => waitFor(page, (text) => {
    const lit = [...document.querySelectorAll('.menu div.highlighted')].map((item) => `${item.textContent}${item.classList.contains('greyed') ? '/grey' : ''}`);
    return lit.join() === text;
  }, `${what} (highlighted: ${wanted || 'nothing'})`, wanted);
  const noMenu = (page, what) => waitFor(page, () => !document.querySelector('.menu'), what);

  return {
    async 'keyboard sheet: the tabs one stop, arrows and Ctrl+Tab turn pages, Tab goes round, Return and Space close'() {
      const page = await openPage();
      await focusIs(page, '关于', 'the sheet opens with the focus on its tabs');
      await visit(page, [], 'Tab', ['确定', '取消', '关于'], 'Tab within the sheet');
      const pageIs = (title, what) => waitFor(page, (wanted) => {
        const current = document.querySelector('dialog[open] .tabs .current');
        const shown = [...document.querySelectorAll('dialog[open] .sheetbody .panel')].filter((p) => p.style.display !== 'none');
        return current?.textContent === wanted && shown.length === 1;
      }, `${what} (on ${title})`, title);
      // The arrows on the tabs: left and right, not round.
      await page.keyboard.press('ArrowRight');
      await pageIs('功能键定义', 'Right on the tabs');
      await focusIs(page, '功能键定义', 'the focus follows the page');
      // The tabs are one stop: Tab from the page's tab goes to OK.
      await visit(page, [], 'Tab', ['确定'], 'Tab from the tabs');
      // Ctrl+Tab and Ctrl+PageDown go round the pages wherever the focus is.
      await chord(page, ['Control'], 'Tab');
      await pageIs('记分方法', 'Ctrl+Tab');
      await chord(page, ['Control'], 'PageUp');
      await pageIs('功能键定义', 'Ctrl+PageUp');
      await focusIs(page, '确定', 'the focus stays on OK');
      // A game key with the sheet open does not reach the game; Return on
      // the tabs closes the sheet.
      await page.keyboard.press('F2');
      await visit(page, ['Shift'], 'Tab', ['功能键定义'], 'Shift+Tab back to the tabs');
      await page.keyboard.press('Enter');
      await noDialog(page, 'Return on the tabs closes the sheet');
      await waitForPicture(page, simPicture([]), 'no game after F2 went to the sheet');
      // A click on a page's text keeps the focus, and Return still closes.
      await page.keyboard.press('F1');
      await focusIs(page, '关于', 'F1 opens the sheet on its tabs');
      const text = await page.$eval('dialog[open] .sheetbody .panel div', (label) => {
        const r = label.getBoundingClientRect();
        return { x: r.left + 4, y: r.top + 4 };
      });
      await page.mouse.click(text.x, text.y);
      await focusIs(page, '关于', 'the focus kept over a click on the text');
      await page.keyboard.press('Enter');
      await noDialog(page, 'Return closes the sheet after the click');
      // Space presses a focused button: Cancel.
      await page.keyboard.press('F7');
      await focusIs(page, '功能键定义', 'F7 opens the sheet on the keys');
      await visit(page, [], 'Tab', ['确定', '取消'], 'Tab to Cancel');
      await page.keyboard.press('Space');
      await noDialog(page, 'Space on Cancel closes the sheet');
      await page.close();
    },

    async 'keyboard options: Tab goes round, the arrows round a group select radios, Space toggles, Return presses'() {
      const page = await openPage();
      await closeSheet(page);
      await page.keyboard.press('F4');
      await dialogTitle(page, '选项设定', 'F4 opens the options');
      await focusIs(page, '确定(O)', 'the options open on OK');
      await visit(page, ['Shift'], 'Tab', ['翻转模式(I)'], 'Shift+Tab round from OK');
      await visit(page, [], 'Tab', ['确定(O)', '取消(C)', '声音(P)'], 'Tab round to OK');
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
      // Esc is Cancel.
      await page.keyboard.press('F4');
      await focusIs(page, '确定(O)', 'the options open a third time on OK');
      await page.keyboard.press('p');
      await page.keyboard.press('Escape');
      await noDialog(page, 'Esc closes the options');
      if (!/Sound=0/.test(await page.evaluate(() => localStorage.getItem('trelmo.ini')))) throw new Error('Esc stored the change');
      await page.close();
    },

    async 'keyboard scores: the name entry opens on OK and Tab goes round it; in the table Space and Return press Clear, Esc nothing'() {
      // Row 9 below zero, so that the empty game F2 offers takes it.
      const page = await openPage({ storage: '[Score]\r\nPlayer9=-1,0,Low\r\n' });
      await closeSheet(page);
      await page.keyboard.press('F2');
      await dialogTitle(page, '恭喜!', 'the name entry on F2');
      await focusIs(page, '确定(O)', 'the name entry opens on OK');
      await visit(page, [], 'Tab', ['[Low]'], 'Tab to the box');
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

    async 'keyboard questions: Yes and No by Tab, arrows, Space and Return, never Esc; the exit box keeps its keys'() {
      const page = await openPage();
      await closeSheet(page);
      // The exit box from the menu, by keyboard: Up goes round to Exit.
      await openMainMenu(page);
      await page.keyboard.press('ArrowUp');
      await highlightIs(page, '退出', 'Up highlights the last item');
      await page.keyboard.press('Enter');
      await dialogTitle(page, '退出', 'Return on Exit asks');
      await focusIs(page, '是(Y)', 'the exit box opens on Yes');
      // Tab stays in the box, which has no owner.
      await visit(page, [], 'Tab', ['否(N)', '是(Y)'], 'Tab round the exit box');
      await visit(page, [], 'ArrowLeft', ['否(N)'], 'Left round the buttons');
      // Esc and F2 do nothing here: the box stays, no game starts.
      await page.keyboard.press('Escape');
      await page.keyboard.press('F2');
      await visit(page, [], 'Tab', ['是(Y)', '否(N)'], 'the exit box kept over Esc');
      await page.keyboard.press('Space');
      await noDialog(page, 'Space on No answers');
      await waitForPicture(page, simPicture([]), 'no game from F2 in the exit box, the window still there');
      // The replay question: Return presses the focused No.
      await page.keyboard.press('F2');
      await waitFor(page, () => !document.querySelectorAll('#stage button')[5].disabled, 'a game on F2');
      const over = Date.now() + 4 * LIMIT_MS;
      while (await page.evaluate(() => document.querySelector('dialog[open] .title')?.textContent !== '游戏结束')) {
        if (Date.now() > over) throw new Error('no replay question');
        await page.keyboard.press('ArrowDown');
        await new Promise((resolve) => setTimeout(resolve, 30));
      }
      // A drop meant for the game may have reached the box and moved its
      // focus: the arrows go round from wherever it is.
      await page.keyboard.press('Escape');
      const from = await page.evaluate(() => document.activeElement.textContent);
      const other = from === '是(Y)' ? '否(N)' : '是(Y)';
      await visit(page, [], 'ArrowRight', [other, from], 'the replay question kept over Esc, Right round its buttons');
      if (from !== '否(N)') await visit(page, [], 'ArrowRight', ['否(N)'], 'Right to No');
      await page.keyboard.press('Enter');
      await waitFor(page, () => document.getElementById('window').hidden && document.getElementById('notice').textContent !== '',
        'Return on No ends the game');
      await page.close();
    },

    async 'keyboard menus: one highlight past separators onto greyed items, Return and Space choose, keys kept from the game'() {
      const page = await openPage();
      await closeSheet(page);
      await openMainMenu(page);
      await highlightIs(page, '', 'no item highlighted at first');
      // Down goes past the separators.
      for (const item of ['隐藏界面', '显示前十名...', '功能键定义...', '最大速度', '最大起始行数', '关于...']) {
        await page.keyboard.press('ArrowDown');
        await highlightIs(page, item, 'Down');
      }
      await page.keyboard.press('Home');
      await highlightIs(page, '隐藏界面', 'Home');
      // F2 and Left belong to the menu now: no game, no move.
      await page.keyboard.press('F2');
      await page.keyboard.press('ArrowLeft');
      await page.keyboard.press('Escape');
      await noMenu(page, 'Esc closes the menu');
      await waitForPicture(page, simPicture([]), 'no game from F2 in the menu');
      // Down, Down, Return opens the table.
      await openMainMenu(page);
      await page.keyboard.press('ArrowDown');
      await page.keyboard.press('ArrowDown');
      await page.keyboard.press('Enter');
      await dialogTitle(page, '排行榜', 'Down, Down, Return opens the table');
      await page.keyboard.press('Enter');
      await noDialog(page, 'Return closes the table');
      // Space chooses too.
      await openMainMenu(page);
      for (let i = 0; i < 3; ++i) await page.keyboard.press('ArrowDown');
      await page.keyboard.press('Space');
      await waitFor(page, () => document.querySelector('dialog[open] .tabs .current')?.textContent === '功能键定义', 'Space on Function keys');
      await closeSheet(page);
      // A greyed item takes the highlight; Return on it closes the menu
      // with no command, as does Return with nothing highlighted.
      await page.keyboard.press('F5');
      await waitForPicture(page, simPicture(['maxspeed']), 'the speed at its maximum');
      await openMainMenu(page);
      await waitFor(page, () => document.querySelectorAll('.menu div.greyed').length === 1, 'Maximum speed greyed at the top speed');
      for (let i = 0; i < 4; ++i) await page.keyboard.press('ArrowDown');
      await highlightIs(page, '最大速度/grey', 'Down onto the greyed item');
      await page.keyboard.press('Enter');
      await noMenu(page, 'Return on a greyed item closes the menu');
      await openMainMenu(page);
      await page.keyboard.press('Enter');
      await noMenu(page, 'Return with nothing highlighted closes the menu');
      // With no dialog opened by it, Esc is the game's again: the window
      // goes to its icon, whose menu Down and Return use to restore it.
      await page.keyboard.press('Escape');
      await waitFor(page, () => getComputedStyle(document.getElementById('tray')).display !== 'none', 'Esc hides the window');
      await page.evaluate(() => document.getElementById('tray').dispatchEvent(new MouseEvent('contextmenu', { bubbles: true, clientX: 700, clientY: 500 })));
      await waitFor(page, () => document.querySelectorAll('.menu div').length === 2, "the icon's menu");
      await page.keyboard.press('ArrowDown');
      await highlightIs(page, '恢复', "Down in the icon's menu");
      await page.keyboard.press('Enter');
      await waitFor(page, () => document.getElementById('window').style.visibility === '', 'Return on Restore brings the window back');
      await page.close();
    },
  };
};
