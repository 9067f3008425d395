// The page on the demo's state: the pinboard with three markers, each drawn
// in its colour where its elements are; the picture the README shows.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import { BIN, withPage, demoStateScript, assertMarkersOnScreen, findWidgets } from './support.mjs';

test('the demo state: three markers, each in its colour on the screen', async () => {
  await withPage(demoStateScript(), async ({ page }) => {
    const state = await page.evaluate(() => window.tackpin.state);
    assert.deepEqual(state.objects.map((o) => o.name), ['board', 'head', 'needle']);
    assert.equal(state.drawing.length, 3);
    assert.ok(findWidgets(state.windows, 'window', 'Tackpin').length === 1, 'the panel is drawn from the tree');
    const panel = await page.$eval('.win .caption', (caption) => caption.textContent);
    assert.equal(panel, 'Tackpin');

    const markers = await assertMarkersOnScreen(page);
    assert.deepEqual(markers.map((m) => m.row).sort(), [0, 1, 2]);
    const colours = Object.fromEntries(markers.map((m) => [m.row, m.colour]));
    assert.deepEqual(colours[1], [255, 170, 0]);
    assert.deepEqual(colours[2], [0, 190, 255]);

    // The needle's tip is a lone vertex: a zero-length line drawn as a point.
    const needle = await page.evaluate(() => window.tackpin.model.drawing.find((d) => d.row === 2));
    assert.equal(needle.lone.length, 1, 'the lone vertex is drawn as a point');

    await page.screenshot({ path: path.join(BIN, '..', 'tackpin-page.png') });
  });
});
