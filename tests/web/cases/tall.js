// The tall layout on the phones of the day, held upright: the well takes
// most of the width, every text and control is large enough, nothing
// leaves the screen or overlaps, and each game pixel is a square of whole
// device pixels.
'use strict';

const PHONES = [
  { width: 375, height: 667, ratio: 2 }, { width: 390, height: 844, ratio: 3 }, { width: 412, height: 915, ratio: 2.625 },
  { width: 360, height: 740, ratio: 4 }, { width: 360, height: 640, ratio: 3 }, { width: 280, height: 653, ratio: 3 },
];
const WELL_WIDTH = 200, TALL_WIDTH = 250, LABEL_PIXELS = 12;

module.exports = ({ openPage, waitFor }) => ({
  async 'tall layout: upright phones show a wide well, readable texts and reachable controls, whole on the screen'() {
    for (const device of PHONES) {
      const name = `${device.width} x ${device.height} at ${device.ratio}`;
      const page = await openPage({ device });
      await page.keyboard.press('Escape');
      await waitFor(page, () => !document.querySelector('dialog[open]') && document.documentElement.classList.contains('tall') &&
        [...document.querySelectorAll('#pad button')].some((b) => b.getClientRects().length > 0), `${name}: the tall layout with its controls`);
      const seen = await page.evaluate(() => {
        const canvas = document.getElementById('screen');
        const box = (e) => { const r = e.getBoundingClientRect(); return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height }; };
        const controls = [...document.querySelectorAll('#pad button, #storage button')].filter((b) => b.getClientRects().length > 0);
        return {
          canvas: box(canvas), pixels: canvas.width,
          controls: controls.map((b) => ({ ...box(b), font: parseFloat(getComputedStyle(b).fontSize), text: b.textContent })),
          scrolls: document.documentElement.scrollWidth > innerWidth || document.documentElement.scrollHeight > innerHeight,
        };
      });
      const factor = seen.pixels / TALL_WIDTH, zoom = seen.canvas.width / TALL_WIDTH;
      const share = (WELL_WIDTH * zoom) / device.width;
      const label = LABEL_PIXELS * zoom;
      const smallestText = Math.min(label, ...seen.controls.map((c) => c.font));
      const smallestControl = Math.min(...seen.controls.map((c) => Math.min(c.width, c.height)));
      let smallestGap = Infinity;
      const all = [...seen.controls, { ...seen.canvas, text: 'the picture' }];
      for (const a of all) {
        if (a.left < -0.01 || a.top < -0.01 || a.right > device.width + 0.01 || a.bottom > device.height + 0.01) throw new Error(`${name}: ${a.text} leaves the screen`);
        for (const b of all) {
          if (a === b) continue;
          const gap = Math.max(b.left - a.right, a.left - b.right, b.top - a.bottom, a.top - b.bottom);
          if (gap < 0) throw new Error(`${name}: ${a.text} overlaps ${b.text}`);
          if (a !== all[all.length - 1] && b !== all[all.length - 1]) smallestGap = Math.min(smallestGap, gap);
        }
      }
      console.log(`     ${name}: well ${(100 * share).toFixed(1)} % of the width, ${factor} device pixels a game pixel, ` +
        `smallest text ${smallestText.toFixed(1)} px, smallest control ${smallestControl.toFixed(1)} px, smallest gap ${smallestGap === Infinity ? '-' : smallestGap.toFixed(1)} px`);
      if (!Number.isInteger(factor) || Math.abs(seen.canvas.width * device.ratio - seen.pixels) > 0.01) throw new Error(`${name}: ${factor} device pixels a game pixel`);
      for (const edge of [seen.canvas.left, seen.canvas.top]) if (Math.abs(edge * device.ratio - Math.round(edge * device.ratio)) > 0.01) throw new Error(`${name}: the picture starts between device pixels`);
      if (share < 0.65) throw new Error(`${name}: the well is ${share} of the width`);
      if (smallestText < 12) throw new Error(`${name}: a text of ${smallestText} px`);
      const small = seen.controls.find((c) => Math.min(c.width, c.height) < 44);
      if (small) throw new Error(`${name}: ${small.text} is ${small.width} x ${small.height} px`);
      if (smallestGap < 8) throw new Error(`${name}: controls ${smallestGap} px apart`);
      if (seen.scrolls) throw new Error(`${name}: the page scrolls`);
      await page.close();
    }
  },
});
