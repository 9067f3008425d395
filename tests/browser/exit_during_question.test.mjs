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
    const windows = await pageState(page, (s) => s.windows.filter((w) => w.props?.visible !== false));
    assert.deepEqual(windows, [], 'no window of the plug-in is left');
    assert.equal(await page.$('.win'), null, 'the panel is gone from the page');
    await waitForState(page, (s) => s.modal.length === 0);
    assert.equal(await page.$('[data-kind=question]'), null, 'the question went with the plug-in');
    assert.deepEqual(await pageState(page, (s) => s.drawing), []);

    // Still a working page: the plug-in starts again from it.
    await page.click('#start');
    await waitForState(page, (s) => s.plugin.started);
  });
});
