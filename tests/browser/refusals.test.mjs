// The server refuses what is not its own page's to ask, each with its status
// and reason, and the session is exactly as it was before.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import http from 'node:http';
import { startServer, assertNoBreach, PINBOARD } from './support.mjs';

// A raw request: Node's fetch would not let a test name another Host.
function request(server, { method = 'GET', path = '/', headers = {}, body } = {}) {
  const { port } = new URL(server.url);
  return new Promise((resolve, reject) => {
    const req = http.request({ host: '127.0.0.1', port, method, path, headers: { Host: `127.0.0.1:${port}`, ...headers } }, (res) => {
      let text = '';
      res.setEncoding('utf8');
      res.on('data', (chunk) => { text += chunk; });
      res.on('end', () => resolve({ status: res.statusCode, text, type: res.headers['content-type'] || '' }));
    });
    req.on('error', reject);
    if (body !== undefined) req.write(body);
    req.end();
  });
}

const json = (action) => ({ method: 'POST', path: '/api/action', headers: { 'Content-Type': 'application/json' }, body: JSON.stringify(action) });

// The session as the server tells it, without the console (which may note
// the refusal) and with nothing else left out.
async function session(server) {
  const answer = await request(server, { path: '/api/state' });
  assert.equal(answer.status, 200);
  const state = JSON.parse(answer.text);
  delete state.console;
  return state;
}

const CASES = [
  ['a foreign Origin', { ...json({ action: 'select-all' }), headers: { 'Content-Type': 'application/json', Origin: 'http://attacker.example' } }, 403],
  ['a foreign Host (DNS rebinding)', { path: '/api/state', headers: { Host: 'attacker.example' } }, 403],
  ['a foreign Host on an action', { ...json({ action: 'select-all' }), headers: { 'Content-Type': 'application/json', Host: 'attacker.example:80' } }, 403],
  ['a path outside the page\'s files', { path: '/../../../../etc/passwd' }, 404],
  ['an escaped path outside them', { path: '/%2e%2e/%2e%2e/%2e%2e/etc/passwd' }, 404],
  ['a listing of a folder', { path: '/vendor/' }, 404],
  ['malformed JSON', { method: 'POST', path: '/api/action', headers: { 'Content-Type': 'application/json' }, body: '{"action": "click", "widget": ' }, 400],
  ['an unknown action', json({ action: 'format-disk' }), 400],
  ['an unknown widget', json({ action: 'click', widget: 987654, button: 'left', shift: false, ctrl: false }), 404],
  ['an answer with no question open', json({ action: 'answer', answer: 'ok' }), 409],
  ['an object that is not there', json({ action: 'current', object: 987654 }), 404],
];

test('the server\'s refusals: each with its status, the session unchanged', async (t) => {
  const server = await startServer(`${PINBOARD}current board\nselect faces 8\nclick set 0\n`);
  try {
    for (const [what, req, status] of CASES) {
      await t.test(what, async () => {
        const before = await session(server);
        const answer = await request(server, req);
        assert.equal(answer.status, status, `${what}: ${answer.text.slice(0, 200)}`);
        assert.doesNotMatch(answer.text, /root:/, 'nothing outside the page\'s files');
        if (req.path.startsWith('/api/')) assert.ok(JSON.parse(answer.text).error, `${what}: a reason`);
        assert.deepEqual(await session(server), before, `${what}: the session changed`);
      });
    }
    // The page's own origin is welcome.
    const { port } = new URL(server.url);
    const own = await request(server, { ...json({ action: 'draw' }), headers: { 'Content-Type': 'application/json', Origin: `http://127.0.0.1:${port}` } });
    assert.equal(own.status, 200);
    await assertNoBreach(server);
  } finally {
    const end = await server.stop();
    assert.equal(end.code, 0, `tackpin-serve did not end cleanly:\n${server.output.slice(-3000)}`);
  }
});
