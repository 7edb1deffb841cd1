// The phones of the day, upright and turned. Upright the tall layout: the
// well takes most of the width. Turned the window takes most of the
// height. Either way every text and control is large enough, nothing
// leaves the screen or overlaps, each game pixel is a square of whole
// device pixels, and the Menu control opens the window's menu.
'use strict';

const PHONES = [
  { width: 375, height: 667, ratio: 2 }, { width: 390, height: 844, ratio: 3 }, { width: 412, height: 915, ratio: 2.625 },
  { width: 360, height: 740, ratio: 4 }, { width: 360, height: 640, ratio: 3 }, { width: 280, height: 653, ratio: 3 },
];
const TURNED = PHONES.map(({ width, height, ratio }) => ({ width: height, height: width, ratio }));
const WELL_WIDTH = 200, TALL_WIDTH = 250, WINDOW_WIDTH = 479, WINDOW_HEIGHT = 340, LABEL_PIXELS = 12;

module.exports = ({ openPage, waitFor }) => {
  // What a player sees now: the picture, the controls, and the window's own
  // buttons left in it (they may stay small, but keep their distance).
  const look = (page) => page.evaluate(() => {
    const canvas = document.getElementById('screen');
    const box = (e) => { const r = e.getBoundingClientRect(); return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height }; };
    const visible = (selector) => [...document.querySelectorAll(selector)].filter((b) => b.getClientRects().length > 0 && getComputedStyle(b).visibility !== 'hidden');
    return {
      canvas: box(canvas), pixels: canvas.width,
      controls: visible('#pad button, #storage button').map((b) => ({ ...box(b), font: parseFloat(getComputedStyle(b).fontSize), text: b.textContent })),
      windowButtons: visible('#stage button').map((b) => ({ ...box(b), text: b.textContent })),
      scrolls: document.documentElement.scrollWidth > innerWidth || document.documentElement.scrollHeight > innerHeight,
    };
  });

  // Checks what `look` saw on `device`; returns the figures.
  function measure(seen, device, name, turned) {
    const pictureWidth = turned ? WINDOW_WIDTH : TALL_WIDTH;
    const factor = seen.pixels / pictureWidth, zoom = seen.canvas.width / pictureWidth;
    const share = turned ? seen.canvas.height / device.height : (WELL_WIDTH * zoom) / device.width;
    const smallestText = Math.min(LABEL_PIXELS * zoom, ...seen.controls.map((c) => c.font));
    const smallestControl = Math.min(...seen.controls.map((c) => Math.min(c.width, c.height)));
    let smallestGap = Infinity;
    const picture = { ...seen.canvas, text: 'the picture' };
    const all = [...seen.controls, ...seen.windowButtons, picture];
    for (const a of all) {
      if (a.left < -0.01 || a.top < -0.01 || a.right > device.width + 0.01 || a.bottom > device.height + 0.01) throw new Error(`${name}: ${a.text} leaves the screen`);
      for (const b of all) {
        if (a === b || (seen.windowButtons.includes(a) && (b === picture || seen.windowButtons.includes(b)))) continue;
        if (seen.windowButtons.includes(b) && a === picture) continue;
        const gap = Math.max(b.left - a.right, a.left - b.right, b.top - a.bottom, a.top - b.bottom);
        if (gap < 0) throw new Error(`${name}: ${a.text} overlaps ${b.text}`);
        if (a !== picture && b !== picture) smallestGap = Math.min(smallestGap, gap);
      }
    }
    if (!Number.isInteger(factor) || Math.abs(seen.canvas.width * device.ratio - seen.pixels) > 0.01) throw new Error(`${name}: ${factor} device pixels a game pixel`);
    for (const edge of [seen.canvas.left, seen.canvas.top]) if (Math.abs(edge * device.ratio - Math.round(edge * device.ratio)) > 0.01) throw new Error(`${name}: the picture starts between device pixels`);
    if (share < (turned ? 0.8 : 0.65)) throw new Error(`${name}: the ${turned ? 'window is' : 'well is'} ${share} of the ${turned ? 'height' : 'width'}`);
    // The folded phone turned is the one screen where 8 px is enough.
    if (smallestText < (turned && device.height < 300 ? 8 : 12)) throw new Error(`${name}: a text of ${smallestText} px`);
    const small = seen.controls.find((c) => Math.min(c.width, c.height) < 44);
    if (small) throw new Error(`${name}: ${small.text} is ${small.width} x ${small.height} px`);
    if (smallestGap < 8) throw new Error(`${name}: controls ${smallestGap} px apart`);
    if (seen.scrolls) throw new Error(`${name}: the page scrolls`);
    return `${turned ? 'window' : 'well'} ${(100 * share).toFixed(1)} % of the ${turned ? 'height' : 'width'}, ${factor} device pixels a game pixel, ` +
      `smallest text ${smallestText.toFixed(1)} px, smallest control ${smallestControl.toFixed(1)} px, smallest gap ${smallestGap === Infinity ? '-' : smallestGap.toFixed(1)} px`;
  }
  // Upright between games, each pair of "+" and "-" under its name: the
  // name's text and size, and the two buttons it lies on, above their own
  // texts (-1 where it lies on no pair).
  const pairNames = (page) => page.evaluate(() => {
    const shown = [...document.querySelectorAll('#pad button')].filter((b) => b.getClientRects().length > 0);
    const textTop = (button) => { const range = document.createRange(); range.selectNodeContents(button); return range.getBoundingClientRect().top; };
    return [...document.querySelectorAll('#pad .pair-label')].map((label) => {
      const r = label.getBoundingClientRect();
      const plus = shown.findIndex((b, i) => {
        const p = b.getBoundingClientRect(), m = shown[i + 1]?.getBoundingClientRect();
        return b.textContent === '+' && shown[i + 1]?.textContent === '-' && Math.abs(p.top - m.top) < 0.5 && r.left >= p.left &&
          r.right <= m.right && r.top >= p.top && r.bottom <= Math.min(textTop(b), textTop(shown[i + 1]));
      });
      return { text: label.textContent, font: parseFloat(getComputedStyle(label).fontSize), plus, at: { x: r.x + r.width / 2, y: r.bottom + 12 } };
    });
  });
  const shownTexts = (page) => page.$$eval('#pad button', (all) => all.filter((b) => b.getClientRects().length > 0).map((b) => b.textContent));

  return {
    async 'phone layouts: upright and turned, between games and in play, a large game, readable texts, reachable controls, a Menu that opens the menu'() {
      for (const device of [...PHONES, ...TURNED]) {
        const turned = device.width > device.height;
        const name = `${device.width} x ${device.height} at ${device.ratio}`;
        const page = await openPage({ device });
        await page.keyboard.press('Escape');
        await waitFor(page, (tall) => !document.querySelector('dialog[open]') && document.documentElement.classList.contains('tall') === tall &&
          [...document.querySelectorAll('#pad button')].some((b) => b.textContent === '菜单' && b.getClientRects().length > 0), `${name}: the layout with its controls`, !turned);
        const between = measure(await look(page), device, `${name} between games`, turned);
        const texts = await shownTexts(page);
        for (const wanted of ['开始(F2)', '选项(F4)', '菜单', ...(turned ? [] : ['+', '-'])]) if (!texts.includes(wanted)) throw new Error(`${name}: no ${wanted} among ${texts}`);
        if (!turned) {
          const names = await pairNames(page);
          if (names.map((n) => n.text).join() !== '速度:,起始行数:' || names.some((n) => n.font < 12 || n.plus < 0)) throw new Error(`${name}: the pairs' names ${JSON.stringify(names)}`);
          // The "+" under the speed's name steps the speed: its "-" comes alive, the rows' stays grey.
          if (device === PHONES[0]) {
            await page.touchscreen.tap(names[0].at.x - 20, names[0].at.y);
            await waitFor(page, () => [...document.querySelectorAll('#pad button')].filter((b) => b.textContent === '-').map((b) => b.disabled).join() === 'false,true',
              `${name}: the speed's "-" alive after its "+"`);
          }
        }
        await page.keyboard.press('F2');
        await waitFor(page, () => [...document.querySelectorAll('#pad button')].some((b) => b.textContent === '暂停(F3)' && b.getClientRects().length > 0) &&
          [...document.querySelectorAll('#pad button[data-key]')].every((b) => b.getClientRects().length > 0), `${name}: Pause and the pad in play`);
        const playing = measure(await look(page), device, `${name} in play`, turned);
        console.log(`     ${name}: between games ${between}; in play ${playing}`);
        // The Menu control opens the window's menu, on the screen.
        const menu = await page.$eval('#menu-control', (e) => { const r = e.getBoundingClientRect(); return { x: r.x + r.width / 2, y: r.y + r.height / 2 }; });
        await page.touchscreen.tap(menu.x, menu.y);
        await waitFor(page, () => {
          const open = document.querySelector('.menu');
          if (open === null) return false;
          const r = open.getBoundingClientRect();
          return r.left >= 0 && r.top >= 0 && r.right <= innerWidth + 0.01 && r.bottom <= innerHeight + 0.01 && open.textContent.includes('退出');
        }, `${name}: the menu on the screen at a tap on Menu`);
        await page.close();
      }
    },
  };
};
