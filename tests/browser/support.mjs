// What the browser tests share: a tackpin-serve of their own on a prepared
// session script, headless Chromium on its page, and the user's gestures
// (clicks on widgets and on the view) with the checks that follow them.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import assert from 'node:assert/strict';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

export const ROOT = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
// The folder of tackpin-serve, tackpin-host and the module (ctest sets it).
export const BIN = process.env.TACKPIN_BIN || path.join(ROOT, 'build/linux/bin');

const CHROMIUM_ARGS = [
  '--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
  '--disable-sync', '--no-first-run', '--use-gl=angle', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
];

export function tempFolder(prefix) {
  return fs.mkdtempSync(path.join(os.tmpdir(), `tackpin-${prefix}-`));
}

// The demo's state before the host closes: the pinboard with its three
// markers, Normal on, drawn once. Taken from examples/demo.tps itself, so that
// the page shows what the demo shows.
export function demoStateScript() {
  const lines = fs.readFileSync(path.join(ROOT, 'examples/demo.tps'), 'utf8').split('\n');
  const end = lines.findIndex((line) => line.startsWith('render '));
  return lines.slice(0, end).filter((line) => !/^(print|render)/.test(line)).join('\n') + '\n';
}

// A script that opens the pinboard and starts and activates the plug-in.
export const PINBOARD = 'open pinboard.obj\nstart\nactivate\n';

// Starts tackpin-serve on `script` (written into a fresh folder beside a copy
// of the pinboard) with a settings file of its own; resolves once it tells
// its address.
export async function startServer(script, { folder = tempFolder('serve'), settings } = {}) {
  fs.copyFileSync(path.join(ROOT, 'examples/pinboard.obj'), path.join(folder, 'pinboard.obj'));
  const scriptFile = path.join(folder, 'start.tps');
  fs.writeFileSync(scriptFile, script);
  const settingsFile = settings ?? path.join(folder, 'host-settings.xml');
  const child = spawn(path.join(BIN, 'tackpin-serve'), ['--port', '0', '--settings', settingsFile, scriptFile],
                      { cwd: folder, stdio: ['ignore', 'pipe', 'pipe'] });
  let output = '';
  const exited = new Promise((resolve) => child.on('exit', (code, signal) => resolve({ code, signal })));
  const url = await new Promise((resolve, reject) => {
    const timer = setTimeout(() => reject(new Error(`tackpin-serve told no address within 60 s:\n${output}`)), 60000);
    const look = (chunk) => {
      output += chunk;
      const found = output.match(/http:\/\/(?:127\.0\.0\.1|localhost):(\d+)/);
      if (found) { clearTimeout(timer); resolve(`http://127.0.0.1:${found[1]}`); }
    };
    child.stdout.on('data', look);
    child.stderr.on('data', look);
    exited.then(({ code, signal }) => reject(new Error(`tackpin-serve ended (${code ?? signal}) before it served:\n${output}`)));
  });
  return {
    url, folder, settingsFile, child,
    get output() { return output; },
    // Ctrl-C: the host closes as any host does; it must end cleanly.
    async stop() {
      if (child.exitCode === null && child.signalCode === null) child.kill('SIGINT');
      const timer = setTimeout(() => child.kill('SIGKILL'), 30000);
      const end = await exited;
      clearTimeout(timer);
      return end;
    },
  };
}

export async function launchBrowser() {
  const profile = tempFolder('chromium');
  const browser = await puppeteer.launch({
    executablePath: process.env.TACKPIN_CHROMIUM || '/usr/bin/chromium',
    headless: true, userDataDir: profile, args: CHROMIUM_ARGS,
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// The page of `server`, loaded and drawn once; page errors are collected so
// that the test can insist there were none.
export async function openPage(browser, server, { width = 1280, height = 800 } = {}) {
  const page = await browser.newPage();
  await page.setViewport({ width, height });
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  await page.goto(server.url);
  await page.waitForFunction(() => window.tackpin?.state && window.tackpin.drawn === window.tackpin.state, { timeout: 60000 });
  return page;
}

// Runs a test body with a server and a page, and always ends both; at the
// end the host must have seen no breach of its contract and the page no error.
export async function withPage(script, body, options = {}) {
  const server = await startServer(script, options);
  const browser = await launchBrowser();
  try {
    const page = await openPage(browser, server, options);
    try {
      await body({ page, server, browser });
    } catch (error) {
      // The host's own account of what happened, for the failure's reader.
      const state = await getState(server).catch(() => ({ console: [] }));
      error.message += `\n--- the host console, last lines:\n${state.console.slice(-25).map((l) => `${l.kind}: ${l.text}`).join('\n')}`;
      throw error;
    }
    await assertNoBreach(server);
    assert.deepEqual(page.errors, [], 'the page threw');
  } finally {
    await browser.close();
    const end = await server.stop();
    assert.equal(end.code, 0, `tackpin-serve did not end cleanly:\n${server.output.slice(-3000)}`);
  }
}

export async function getState(server) {
  const response = await fetch(`${server.url}/api/state`);
  assert.equal(response.status, 200);
  return response.json();
}

export async function assertNoBreach(server) {
  const state = await getState(server);
  const breaches = state.console.filter((line) => line.kind === 'breach').map((line) => line.text);
  assert.deepEqual(breaches, [], 'the host saw a breach of its contract');
  assert.equal(state.breaches, 0, 'the host saw a breach of its contract (count since the start)');
}

// The page's state, or a part of it picked by `pick` (run in the page).
export function pageState(page, pick = (state) => state) {
  return page.evaluate(`(${pick})(window.tackpin.state)`);
}

// Waits until the page has drawn a state that satisfies `test` (run in the page).
export async function waitForState(page, test, timeout = 60000) {
  await page.waitForFunction(
    `(() => { const t = window.tackpin; return t.drawn === t.state && (${test})(t.state, t.model); })()`,
    { timeout, polling: 50 });
}

// Widgets of the host's tree by class and caption, in tree order.
export function findWidgets(windows, widgetClass, text) {
  const found = [];
  const walk = (widget) => {
    if (widget.class === widgetClass && (text === undefined || widget.props?.text === text || widget.props?.title === text)) found.push(widget);
    for (const child of [...(widget.children || []), ...(widget.windows || [])]) walk(child);
  };
  for (const root of windows) walk(root);
  return found;
}

export async function widgetId(page, widgetClass, text, index = 0) {
  const windows = await pageState(page, (state) => state.windows);
  const widget = findWidgets(windows, widgetClass, text)[index];
  assert.ok(widget, `no ${widgetClass} "${text}" #${index} in the host's widget tree`);
  return widget.id;
}

// A real mouse click on the element that draws widget `id`, with keys held.
export async function clickWidget(page, id, { button = 'left', shift = false, ctrl = false } = {}) {
  const element = await page.waitForSelector(`[data-widget="${id}"]`, { visible: true });
  await holding(page, { shift, ctrl }, () => element.click({ button }));
}

export async function holding(page, { shift = false, ctrl = false }, action) {
  if (shift) await page.keyboard.down('Shift');
  if (ctrl) await page.keyboard.down('Control');
  try {
    await action();
  } finally {
    if (ctrl) await page.keyboard.up('Control');
    if (shift) await page.keyboard.up('Shift');
  }
}

// The "Set" button of a row (the rows' Set buttons in order).
export const setButton = (page, row) => widgetId(page, 'button', 'Set', row);

// The page position (CSS pixels) of a point of the scene.
export async function toPage(page, [x, y, z]) {
  return page.evaluate((x, y, z) => {
    const r = window.tackpin.view.canvas.getBoundingClientRect();
    const p = window.tackpin.project(x, y, z);
    return { x: r.left + p.x, y: r.top + p.y };
  }, x, y, z);
}

// The centre of face `face` of object `id`, from the mesh the page holds.
export async function faceCentre(page, id, face) {
  return page.evaluate((id, face) => {
    const mesh = window.tackpin.view.objects.get(id).mesh;
    const corners = mesh.faceCorners(face);
    const c = [0, 0, 0];
    for (const v of corners) for (let k = 0; k < 3; k++) c[k] += mesh.positions[3 * v + k] / corners.length;
    return c;
  }, id, face);
}

export async function objectId(page, name) {
  const objects = await pageState(page, (state) => state.objects);
  const object = objects.find((o) => o.name === name);
  assert.ok(object, `no object "${name}"`);
  return object.id;
}

// Clicks the view at a point of the scene (Shift adds, Ctrl removes).
export async function clickScene(page, point, keys = {}) {
  const at = await toPage(page, point);
  await holding(page, keys, () => page.mouse.click(at.x, at.y));
}

// Pixels of a real screenshot of the page, at page positions: [r, g, b] each.
export async function screenshotPixels(page, points) {
  const png = await page.screenshot({ encoding: 'base64' });
  return page.evaluate(async (png, points) => {
    const image = new Image();
    image.src = `data:image/png;base64,${png}`;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = image.width;
    canvas.height = image.height;
    const context = canvas.getContext('2d', { willReadFrequently: true });
    context.drawImage(image, 0, 0);
    return points.map(({ x, y }) => [...context.getImageData(Math.round(x), Math.round(y), 1, 1).data.slice(0, 3)]);
  }, png, points);
}

// Where each drawing object of the page's model shows: the middle of each
// drawn segment and each drawn point, on the page, where the view is not
// covered by a window; with the colour the host gave it (0 to 255).
export async function markerSamples(page) {
  return page.evaluate(() => {
    const t = window.tackpin;
    const r = t.view.canvas.getBoundingClientRect();
    const onView = (p) => document.elementFromPoint(p.x, p.y) === t.view.canvas;
    return t.model.drawing.map((object) => {
      const at = (v) => { const p = t.project(...v); return { x: r.left + p.x, y: r.top + p.y }; };
      const samples = [];
      for (let i = 0; i < object.segments.length; i += 2) {
        const a = object.vertices[object.segments[i]], b = object.vertices[object.segments[i + 1]];
        samples.push(at(a.map((c, k) => (c + b[k]) / 2)));
      }
      for (const v of object.points) samples.push(at(object.vertices[v]));
      return {
        row: object.row, colour: object.colour.map((c) => Math.round(c * 255)),
        samples: samples.filter(onView),
      };
    });
  });
}

export function near(a, b, tolerance = 40) {
  return Math.abs(a[0] - b[0]) + Math.abs(a[1] - b[1]) + Math.abs(a[2] - b[2]) <= tolerance;
}

// Every drawing object shows its colour at (nearly) all of its elements in a
// screenshot: the page draws what its model says.
export async function assertMarkersOnScreen(page) {
  const markers = await markerSamples(page);
  for (const marker of markers) {
    assert.ok(marker.samples.length > 0, `row ${marker.row}: no element of its drawing on the view`);
    const seen = await screenshotPixels(page, marker.samples);
    const hits = seen.filter((pixel) => near(pixel, marker.colour)).length;
    assert.ok(hits >= Math.ceil(marker.samples.length * 0.8),
      `row ${marker.row}: colour ${marker.colour} at ${hits} of ${marker.samples.length} of its elements (pixels: ${JSON.stringify(seen.slice(0, 6))})`);
  }
  return markers;
}

export function drawingOfRow(model, row) {
  return model.drawing.find((object) => object.row === row);
}
