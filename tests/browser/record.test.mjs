// What the user did in the page, recorded as a session script (GET
// /api/script), run by tackpin-host: it reaches the same markers.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import {
  BIN, ROOT, withPage, PINBOARD, objectId, faceCentre, clickScene, setButton, clickWidget, waitForState,
  pageState, findWidgets, tempFolder, toPage,
} from './support.mjs';

test('the recorded script, run by tackpin-host, reaches the same markers', async () => {
  await withPage(PINBOARD, async ({ page, server }) => {
    const board = await objectId(page, 'board');
    const head = await objectId(page, 'head');
    // Row 0: two faces of the board, picked with the mouse.
    await clickScene(page, await faceCentre(page, board, 19));
    await clickScene(page, await faceCentre(page, board, 20), { shift: true });
    await waitForState(page, `(s) => s.selection['${board}']?.faces.length === 2`);
    await clickWidget(page, await setButton(page, 0));
    await waitForState(page, (s) => s.drawing.some((d) => d.row === 0));

    // Row 1: the head's top face, with a colour of its own.
    await page.evaluate((head) => window.tackpin.act({ action: 'current', object: head }), head);
    await clickScene(page, await faceCentre(page, head, 8));
    await waitForState(page, `(s) => JSON.stringify(s.selection['${head}']?.faces) === '[8]'`);
    await clickWidget(page, await setButton(page, 1));
    await waitForState(page, (s) => s.drawing.some((d) => d.row === 1));
    await clickWidget(page, await setButton(page, 1), { button: 'right' });
    await waitForState(page, (s) => s.modal.some((m) => m.kind === 'dialog'));
    const windows = await pageState(page, (s) => s.windows);
    const colourPanel = findWidgets(windows, 'colorpanel')[0];
    await page.evaluate((id) => window.tackpin.act({ action: 'colour', widget: id, rgb: [10, 120, 250] }), colourPanel.id);
    await clickWidget(page, findWidgets(windows, 'button', 'OK')[0].id);
    await waitForState(page, (s) => s.modal.length === 0);

    // Row 2: a box around the board's near right corner picks its vertex.
    const corner = await toPage(page, [3, 0, 2]);
    await page.mouse.move(corner.x - 12, corner.y - 12);
    await page.mouse.down();
    await page.mouse.move(corner.x + 12, corner.y + 12, { steps: 4 });
    await page.mouse.up();
    await waitForState(page, `(s) => s.selection['${board}']?.vertices.length >= 1`);
    await page.evaluate((board) => window.tackpin.act({ action: 'current', object: board }), board);
    await clickWidget(page, await setButton(page, 2));
    await waitForState(page, (s) => s.drawing.some((d) => d.row === 2));
    await page.click('#select-none');
    await page.click('#draw');
    await waitForState(page, (s) => s.drawing.length === 3 && Object.values(s.selection).every((e) => !e.faces?.length && !e.vertices?.length));

    const response = await fetch(`${server.url}/api/script`);
    assert.equal(response.status, 200);
    assert.match(response.headers.get('content-type'), /^text\/plain/);
    const script = await response.text();

    // The script where the host finds its OBJ file, with a settings file of its own.
    const folder = tempFolder('replay');
    fs.copyFileSync(path.join(ROOT, 'examples/pinboard.obj'), path.join(folder, 'pinboard.obj'));
    fs.writeFileSync(path.join(folder, 'session.tps'), `${script}\nprint markers\n`);
    const printed = execFileSync(path.join(BIN, 'tackpin-host'),
      ['-q', '--settings', path.join(folder, 'settings.xml'), path.join(folder, 'session.tps')],
      { cwd: folder, encoding: 'utf8' });

    const panel = await pageState(page, (s) => s.windows);
    for (const row of [0, 1, 2]) {
      const line = printed.split('\n').find((l) => l.trim().startsWith(`marker ${row}:`));
      assert.ok(line, `tackpin-host printed no marker ${row}:\n${printed}`);
      const [, toggle, r, g, b, name, vertices, lines] =
        line.match(/marker \d+: (\w+), colour (\d+) (\d+) (\d+), (\w+): vertices \[([^\]]*)\] lines \[([^\]]*)\]/);
      const words = (list) => list.trim().split(/\s+/).filter(Boolean);
      // The page's drawing of the row against the marker tackpin-host
      // reached, both as positions: its lone vertices as zero-length lines,
      // each of its lines (named from either face) as one segment.
      const { drawn, expected } = await page.evaluate((row, name, vertices, lines) => {
        const t = window.tackpin;
        const object = t.state.objects.find((o) => o.name === name);
        const mesh = t.view.objects.get(object.id).mesh;
        const at = (v) => [...mesh.positions.subarray(3 * v, 3 * v + 3)].map((c) => c.toFixed(3)).join(' ');
        const key = (a, b) => [a, b].sort().join(' / ');
        const drawing = t.model.drawing.find((d) => d.row === row);
        const text = (v) => v.map((c) => c.toFixed(3)).join(' ');
        return {
          drawn: {
            colour: drawing.colour.map((c) => Math.round(c * 255)),
            points: [...new Set(drawing.lone.map((i) => text(drawing.vertices[i])))].sort(),
            segments: [...new Set(Array.from({ length: drawing.segments.length / 2 }, (_, i) =>
              key(text(drawing.vertices[drawing.segments[2 * i]]), text(drawing.vertices[drawing.segments[2 * i + 1]]))))].sort(),
          },
          expected: {
            points: [...new Set(vertices.map((v) => at(Number(v))))].sort(),
            segments: [...new Set(lines.map((name) => {
              const [face, line] = name.split(':').map(Number);
              const [a, b] = mesh.lineEnds(face, line);
              return key(at(a), at(b));
            }))].sort(),
          },
        };
      }, row, name, words(vertices), words(lines));
      assert.deepEqual(drawn.colour, [+r, +g, +b], `row ${row}'s colour`);
      assert.deepEqual(drawn.segments, expected.segments, `row ${row}'s lines: ${line}`);
      assert.deepEqual(drawn.points, expected.points, `row ${row}'s lone vertices: ${line}`);
      const toggleButton = findWidgets(panel, 'button', String(row))[0];
      assert.equal(toggle, toggleButton.props.down ? 'down' : 'up', `row ${row}'s toggle`);
    }
    fs.rmSync(folder, { recursive: true, force: true });
  });
});
