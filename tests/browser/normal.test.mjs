// "Normal" on, then the spin box typed into and stepped: the marker gains a
// line along each marked vertex's normal, as long as the spin box says.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { withPage, PINBOARD, widgetId, clickWidget, waitForState, pageState, findWidgets } from './support.mjs';

const SCRIPT = `${PINBOARD}current board\nselect faces 8\nclick set 0\ndraw\n`;

// The lengths of the drawn lines of row 0 that stand straight up from the
// board (its normals); the board's own lines lie flat.
const normalLengths = (page) => page.evaluate(() => {
  const object = window.tackpin.model.drawing.find((d) => d.row === 0);
  const lengths = [];
  for (let i = 0; i < object.segments.length; i += 2) {
    const a = object.vertices[object.segments[i]], b = object.vertices[object.segments[i + 1]];
    if (Math.abs(a[1] - b[1]) > 1e-6) lengths.push(Math.round(Math.hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]) * 1e4) / 1e4);
  }
  return lengths;
});

const spinOf = async (page) => findWidgets(await pageState(page, (s) => s.windows), 'doublespinbox')[0];

test('Normal on, the spin box typed and stepped: normal lines of the new length', async () => {
  await withPage(SCRIPT, async ({ page }) => {
    await waitForState(page, (s) => s.drawing.some((d) => d.row === 0));
    assert.deepEqual(await normalLengths(page), [], 'no normals while Normal is off');

    await clickWidget(page, await widgetId(page, 'checkbox', 'Normal'));
    await waitForState(page, (s, model) => model.drawing.some((d) => d.row === 0 && d.vertices.length > 4));
    const spin = await spinOf(page);
    // Until the spin box is changed the plug-in uses its own length.
    const [first, ...rest] = await normalLengths(page);
    assert.ok(first > 0, 'a normal line per marked vertex');
    assert.deepEqual(rest, [first, first, first]);

    // Typed: a value and Enter.
    const input = await page.$(`[data-widget="${spin.id}"] input`);
    await input.click({ clickCount: 3 });
    await input.type('2.5');
    await page.keyboard.press('Enter');
    await waitForState(page, (s, model) => model.drawing.some((d) => d.row === 0) &&
      JSON.stringify(s.windows).includes('"position":2.5'));
    assert.deepEqual(await normalLengths(page), [2.5, 2.5, 2.5, 2.5]);

    // Stepped: the up arrow adds the spin box's increment.
    const { increment, max } = (await spinOf(page)).props;
    await page.click(`[data-widget="${spin.id}"] .arrows button[data-step="1"]`);
    const stepped = Math.min(max, 2.5 + increment);
    await waitForState(page, `(s) => JSON.stringify(s.windows).includes('"position":${stepped}')`);
    assert.deepEqual(await normalLengths(page), [stepped, stepped, stepped, stepped]);
    assert.equal(await page.$eval(`[data-widget="${spin.id}"] input`, (i) => Number(i.value)), stepped);
  });
});
