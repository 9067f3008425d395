// Faces picked with the mouse, stored with "Set", drawn; storing again asks
// "Overwrite?", and only OK replaces the marker.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import {
  withPage, PINBOARD, objectId, faceCentre, clickScene, setButton, clickWidget, waitForState,
  assertMarkersOnScreen, drawingOfRow, pageState,
} from './support.mjs';

const drawnPoints = (page, row) => page.evaluate((row) => {
  const object = window.tackpin.model.drawing.find((d) => d.row === row);
  return object ? object.vertices.map((v) => v.map((c) => Math.round(c * 1000) / 1000)).sort() : null;
}, row);

test('faces picked with the mouse, Set on row 0, Overwrite? cancelled and confirmed', async () => {
  await withPage(PINBOARD, async ({ page }) => {
    const board = await objectId(page, 'board');
    // A plain click picks one face, Shift adds another, Ctrl takes one away.
    await clickScene(page, await faceCentre(page, board, 8));
    await waitForState(page, `(s) => JSON.stringify(s.selection['${board}']?.faces) === '[8]'`);
    await clickScene(page, await faceCentre(page, board, 9), { shift: true });
    await clickScene(page, await faceCentre(page, board, 14), { shift: true });
    await waitForState(page, `(s) => s.selection['${board}']?.faces.length === 3`);
    await clickScene(page, await faceCentre(page, board, 14), { ctrl: true });
    await waitForState(page, `(s) => JSON.stringify([...s.selection['${board}'].faces].sort((a, b) => a - b)) === '[8,9]'`);

    await clickWidget(page, await setButton(page, 0));
    await waitForState(page, (s) => s.drawing.some((d) => d.row === 0));
    const first = await drawnPoints(page, 0);
    assert.equal(first.length, 6, 'two neighbouring quads: six marked vertices');
    // The marker over the selected faces: only the selection's own display
    // would show with Overwrite off; the default draws it.
    await page.click('#select-none');
    await waitForState(page, `(s) => !(s.selection['${board}']?.faces.length)`);
    await assertMarkersOnScreen(page);

    // Another face, Set again: the plug-in asks first.
    await clickScene(page, await faceCentre(page, board, 20));
    await waitForState(page, `(s) => JSON.stringify(s.selection['${board}']?.faces) === '[20]'`);
    await clickWidget(page, await setButton(page, 0));
    const question = await page.waitForSelector('[data-kind=question]', { visible: true });
    assert.equal(await question.$eval('.message', (m) => m.textContent), 'Overwrite?');
    assert.equal(await question.$eval('.title', (m) => m.textContent), 'Marker');
    assert.deepEqual(await pageState(page, (s) => s.modal.map((m) => m.kind)), ['question']);
    await (await question.$('button[data-answer=cancel]')).click();
    await waitForState(page, (s) => s.modal.length === 0);
    assert.equal(await page.$('[data-kind=question]'), null, 'the question is gone');
    assert.deepEqual(await drawnPoints(page, 0), first, 'Cancel keeps the old marker');

    await clickWidget(page, await setButton(page, 0));
    await (await page.waitForSelector('[data-kind=question] button[data-answer=ok]', { visible: true })).click();
    await waitForState(page, (s) => s.modal.length === 0);
    await waitForState(page, (s, model) => model.drawing.some((d) => d.row === 0 && d.vertices.length === 4));
    const replaced = await drawnPoints(page, 0);
    assert.notDeepEqual(replaced, first, 'OK replaces it');
    const model = await page.evaluate(() => window.tackpin.model);
    assert.ok(drawingOfRow(model, 0).segments.length >= 8, 'the new face\'s four lines');
    await page.click('#select-none');
    await waitForState(page, `(s) => !(s.selection['${board}']?.faces.length)`);
    await assertMarkersOnScreen(page);
  });
});
