// The time from a click on "Set" to the marker shown, on grids of 10,000 and
// 1,000,000 faces: printed for docs/performance.md, not asserted (speed is
// measured, never tested).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { withPage, setButton, waitForState, holding } from './support.mjs';

async function setToMarker(columns) {
  const script = `mesh grid grid ${columns} ${columns}\nstart\nactivate\n`;
  let result;
  await withPage(script, async ({ page }) => {
    // The page's and the host's time, without the server's compression of
    // its answers (Chromium asks for brotli, which costs far more than the
    // rest at this size; reported apart).
    await page.setExtraHTTPHeaders({ 'Accept-Encoding': 'identity' });
    await page.click('#select-all');
    await waitForState(page, (s) => Object.values(s.selection).some((e) => e.faces?.length > 0), 240000);
    const set = await page.waitForSelector(`[data-widget="${await setButton(page, 0)}"]`, { visible: true });
    const box = await set.boundingBox();
    // The moment the page has drawn the first state with the marker.
    await page.evaluate(() => {
      window.markerShownAt = null;
      window.tackpin.app.listeners.push((state) => {
        if (window.markerShownAt === null && state.drawing.some((d) => d.row === 0)) window.markerShownAt = performance.now();
      });
    });
    const start = await page.evaluate(() => performance.now());
    await holding(page, { shift: true }, () => page.mouse.click(box.x + box.width / 2, box.y + box.height / 2));
    await waitForState(page, (s, model) => model.drawing.some((d) => d.row === 0), 240000);
    const { shown, segments } = await page.evaluate(() => ({
      shown: window.markerShownAt,
      segments: window.tackpin.model.drawing.find((d) => d.row === 0).segments.length / 2,
    }));
    assert.ok(segments >= 2 * columns * columns, 'every line of the grid is marked');
    result = { faces: columns * columns, milliseconds: Math.round(shown - start), segments };
  }, { width: 1280, height: 800 });
  return result;
}

// A sanitized build (the ctest leg) takes minutes over the million faces and
// measures the sanitizer: there the large grid is left to an optimised build,
//   TACKPIN_BIN=build/linux-release/bin node --test tests/browser/timing.test.mjs
const GRIDS = process.env.TACKPIN_SANITIZED === '1' ? [100] : [100, 1000];

test('Set to marker shown, at 10,000 and 1,000,000 faces', { timeout: 600000 }, async (t) => {
  if (GRIDS.length < 2) t.diagnostic('1,000,000 faces left out in a sanitized build');
  for (const columns of GRIDS) {
    const { faces, milliseconds, segments } = await setToMarker(columns);
    console.log(`Set to marker shown: ${faces} faces, ${segments} marked lines: ${milliseconds} ms`);
  }
});
