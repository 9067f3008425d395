// Actions reach the host in the order the user made them, even when the
// network delivers an earlier request later than the next one.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { withPage, PINBOARD, objectId, getState } from './support.mjs';

test('a click and a Shift-click sent at once are carried out in that order', async () => {
  await withPage(PINBOARD, async ({ page, server }) => {
    const board = await objectId(page, 'board');
    const faces = await page.evaluate(async (board) => {
      const t = window.tackpin;
      // The first request leaves the page a moment late, as a connection
      // being opened would make it: the second must not overtake it.
      const fetchNow = window.fetch;
      let first = true;
      window.fetch = async (url, options) => {
        if (options?.method === 'POST' && first) {
          first = false;
          await new Promise((resolve) => setTimeout(resolve, 300));
        }
        return fetchNow(url, options);
      };
      try {
        const select = (mode, face) =>
          t.act({ action: 'select', object: board, mode, vertices: [], lines: [], faces: [face] });
        const [a, b] = await Promise.all([select('set', 19), select('add', 20)]);
        return [a?.selection[board]?.faces, b?.selection[board]?.faces];
      } finally {
        window.fetch = fetchNow;
      }
    }, board);
    assert.deepEqual(faces[0], [19], 'the plain click, answered first');
    assert.deepEqual(faces[1], [19, 20], 'the Shift-click, answered after it');
    const state = await getState(server);
    assert.deepEqual(state.selection[board].faces, [19, 20]);
  });
});
