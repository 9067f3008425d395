// The colour dialog: a right click on "Set" opens it, drawn from the host's
// tree; a colour chosen there redraws the marker in it; the host closed and
// started again keeps the colour (in its settings file).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import {
  withPage, PINBOARD, setButton, clickWidget, waitForState, pageState, findWidgets, assertMarkersOnScreen,
} from './support.mjs';

const MARK = 'current board\nselect faces 8\nclick set 0\nselect none\ndraw\n';
const CHOSEN = [40, 200, 90];

const rowColour = (page, row) => page.evaluate((row) =>
  window.tackpin.model.drawing.find((d) => d.row === row)?.colour.map((c) => Math.round(c * 255)), row);

test('a colour chosen in the dialog, the marker redrawn in it, kept over a restart', async () => {
  await withPage(PINBOARD + MARK, async ({ page }) => {
    await waitForState(page, (s) => s.drawing.some((d) => d.row === 0));
    assert.notDeepEqual(await rowColour(page, 0), CHOSEN);

    await clickWidget(page, await setButton(page, 0), { button: 'right' });
    await waitForState(page, (s) => s.modal.some((m) => m.kind === 'dialog'));
    const { modal, windows } = await pageState(page, (s) => ({ modal: s.modal, windows: s.windows }));
    const dialogId = modal.find((m) => m.kind === 'dialog').widget;
    const dialog = await page.waitForSelector(`.win[data-widget="${dialogId}"]`, { visible: true });
    const panel = findWidgets(windows, 'colorpanel')[0];
    assert.ok(panel, 'the dialog has a colour panel');

    // The R, G and B fields, as a user types them.
    for (const [i, value] of CHOSEN.entries()) {
      const field = (await dialog.$$(`[data-widget="${panel.id}"] .rgb input`))[i];
      await field.click({ clickCount: 3 });
      await field.type(String(value));
      await page.keyboard.press('Tab');
    }
    await waitForState(page, `(s) => JSON.stringify(s.windows).includes(${JSON.stringify(JSON.stringify(CHOSEN))})`);
    const [ok] = findWidgets([findDialog(windows, dialogId)], 'button', 'OK');
    assert.ok(ok, 'the dialog has its OK button');
    await clickWidget(page, ok.id);
    await waitForState(page, (s) => s.modal.length === 0);
    await waitForState(page, `(s, model) => JSON.stringify(model.drawing.find((d) => d.row === 0)?.colour.map((c) => Math.round(c * 255))) === '${JSON.stringify(CHOSEN)}'`);
    await assertMarkersOnScreen(page);

    // The host closes and starts again on the same settings file.
    await page.click('#restart');
    await waitForState(page, (s) => s.plugin.loaded && !s.plugin.started);
    assert.match(await pageState(page, (s) => s.settings), /\S/, 'the settings file is shown');
    // A new host: a new document, opened from the examples.
    await page.select('#example-name', 'pinboard.obj');
    await page.click('#open-example');
    await waitForState(page, (s) => s.objects.some((o) => o.name === 'board'));
    await page.click('#start');
    await waitForState(page, (s) => s.plugin.started && JSON.stringify(s.windows).includes('"title":"Tackpin"'));
    if (!(await pageState(page, (s) => s.plugin.active))) {
      await page.click('#activate');
      await waitForState(page, (s) => s.plugin.active);
    }
    // A marker again (markers are not kept; the colour is), stored with the page.
    const board = await pageState(page, (s) => s.objects.find((o) => o.name === 'board').id);
    await page.evaluate((board) => window.tackpin.act({ action: 'select', object: board, mode: 'set', vertices: [], lines: [], faces: [8] }), board);
    await clickWidget(page, await setButton(page, 0));
    await waitForState(page, (s) => s.drawing.some((d) => d.row === 0));
    assert.deepEqual(await rowColour(page, 0), CHOSEN, 'the colour survived the restart');
  });
});

function findDialog(windows, id) {
  const walk = (w) => (w.id === id ? w : [...(w.children || []), ...(w.windows || [])].map(walk).find(Boolean));
  return windows.map(walk).find(Boolean);
}
