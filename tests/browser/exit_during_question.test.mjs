// The host's exit arrives while "Overwrite?" is open: it is delivered nested,
// the plug-in exits, its panel goes, and the page carries on.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { withPage, PINBOARD, setButton, clickWidget, waitForState, pageState } from './support.mjs';

test('a host exit while Overwrite? is open: the page survives, the panel goes', async () => {
  await withPage(`${PINBOARD}current board\nselect faces 8\nclick set 0\n`, async ({ page }) => {
    await clickWidget(page, await setButton(page, 0));
    await page.waitForSelector('[data-kind=question]', { visible: true });

    // The host's own bar stays usable while the plug-in waits for an answer.
    await page.click('#exit');
    await waitForState(page, (s) => !s.plugin.started);
    // The handler still waits on its question, as a message box stays up
    // over a host that has told its plug-in to exit.
    assert.ok(await page.$('[data-kind=question]'), 'the question is still open');
    assert.deepEqual(await pageState(page, (s) => s.drawing), [], 'the exit took the markers');

    // Answered, the handler ends, and with it the panel.
    await page.click('[data-kind=question] button[data-answer=ok]');
    await waitForState(page, (s) => s.modal.length === 0);
    assert.deepEqual(await pageState(page, (s) => s.windows), [], 'no window of the plug-in is left');
    assert.equal(await page.$('.win'), null, 'the panel is gone from the page');
    assert.equal(await page.$('[data-kind=question]'), null, 'the question is gone');

    // Still a working page: the plug-in starts again from it.
    await page.click('#start');
    await waitForState(page, (s) => s.plugin.started);
  });
});
