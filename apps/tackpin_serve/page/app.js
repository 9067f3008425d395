// The page's model of the host: the last state the server sent, the requests
// that change it, and the redraw of every part of the page after each one.
import { View3D } from './view3d.js';
import { Picking } from './picking.js';
import { Panel } from './panel.js';
import { Dialogs } from './dialogs.js';
import { HostConsole } from './console.js';
import { HostBar } from './hostbar.js';

// The host also changes without this page (another tab, the console): look
// now and then while the page is in view; a state that is slow to fetch (a
// million faces selected) is looked at less often.
const POLL_MS = 1000;
const POLL_SHARE = 20; // at most a twentieth of the time goes to looking

class App {
  constructor() {
    this.state = null;
    this.busy = 0;
    // The host thread takes requests in the order they reach the server, and
    // two requests in flight at once can reach it in either order (each on a
    // connection of its own): a Shift-click sent right after a click could
    // be carried out first. So the page sends one action at a time, each
    // when the one before it is answered, and an answer to an older request
    // never replaces a newer one.
    this.sending = Promise.resolve();
    this.tickets = 0;
    this.appliedTicket = 0;
    this.listeners = [];
    this.view = new View3D(document.getElementById('view'), this);
    this.picking = new Picking(this.view, this);
    this.console = new HostConsole(document.getElementById('console'));
    this.panel = new Panel(document.getElementById('windows'), this);
    this.dialogs = new Dialogs(document.getElementById('modal-layer'), this);
    this.hostbar = new HostBar(this);
  }

  // GET /api/state, only the console lines not seen yet.
  async refresh() {
    const ticket = ++this.tickets;
    const response = await fetch(`/api/state?after=${this.console.lastSeq}`, { cache: 'no-store' });
    if (response.ok) await this.apply(await response.json(), ticket);
    return this.state;
  }

  // One host action; resolves to the new state, or null when refused (the
  // reason is shown and the state stays as it was).
  async act(action) {
    return this.post(`/api/action?after=${this.console.lastSeq}`, JSON.stringify(action),
                     'application/json');
  }

  async openFile(name, text) {
    return this.post(`/api/open?name=${encodeURIComponent(name)}&after=${this.console.lastSeq}`, text,
                     'text/plain');
  }

  post(url, body, type) {
    this.busy++;
    const sent = this.sending.then(() => this.send(url, body, type, ++this.tickets));
    this.sending = sent;
    return sent;
  }

  // Resolves, never rejects: the queue of actions goes on after a failure.
  async send(url, body, type, ticket) {
    try {
      const response = await fetch(url, { method: 'POST', headers: { 'Content-Type': type }, body });
      const answer = await response.json().catch(() => ({ error: `${response.status} ${response.statusText}` }));
      if (!response.ok) {
        this.toast(answer.error || `refused (${response.status})`);
        return null;
      }
      await this.apply(answer, ticket);
      return this.state;
    } catch (error) {
      this.toast(`the server did not answer: ${error.message}`);
      return null;
    } finally {
      this.busy--;
    }
  }

  // A newer state replaces the page's model and everything is drawn again
  // from it; an older one (a poll overtaken by an action) is dropped.
  // Drawing is queued: a mesh fetch of one state must end before the next
  // state is drawn.
  apply(state, ticket) {
    this.console.add(state.console || []);
    if (ticket < this.appliedTicket) return this.drawing;
    this.appliedTicket = ticket;
    // Every answer is drawn: the state a nested loop answers with when a
    // question opens can carry the same version as the one before it.
    this.state = state;
    this.drawing = (this.drawing || Promise.resolve()).then(() => this.draw(state));
    return this.drawing;
  }

  async draw(state) {
    if (state !== this.state) return; // a newer one follows
    try {
      await this.view.update(state);
    } catch (error) {
      this.toast(`the view could not be drawn: ${error.message}`);
    }
    this.panel.draw(state);
    this.dialogs.draw(state);
    this.hostbar.draw(state);
    this.drawn = state;
    for (const listener of this.listeners) listener(state);
  }

  toast(text) {
    const toast = document.getElementById('toast');
    toast.textContent = text;
    toast.hidden = false;
    clearTimeout(this.toastTimer);
    this.toastTimer = setTimeout(() => { toast.hidden = true; }, 5000);
  }

  poll(wait = POLL_MS) {
    setTimeout(async () => {
      let took = 0;
      if (document.visibilityState === 'visible' && this.busy === 0) {
        const start = performance.now();
        try { await this.refresh(); } catch { /* the server is gone or restarting */ }
        took = performance.now() - start;
      }
      this.poll(Math.max(POLL_MS, took * POLL_SHARE));
    }, wait);
  }
}

const app = new App();
// What tests and a curious user read: the state, what the view draws, and
// the means to project a point of the scene to the canvas.
window.tackpin = {
  app,
  get state() { return app.state; },
  get scene() { return app.view.scene; },
  get model() { return app.view.model; },
  // The state the whole page shows now (equal to `state` once drawn).
  get drawn() { return app.drawn; },
  view: app.view,
  project: (x, y, z) => app.view.project(x, y, z),
  act: (action) => app.act(action),
  refresh: () => app.refresh(),
};
app.refresh().then(() => app.view.fit());
app.poll();
