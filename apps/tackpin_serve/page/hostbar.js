// The host's own controls: the document (open, new), the selection (all,
// none, delete, move, compact), the plug-in's life (start, activate,
// deactivate, exit), the host (draw, restart, settings, the recorded
// script), the list of objects, and the view's scene options.

const EXAMPLES = ['pinboard.obj'];

export class HostBar {
  constructor(app) {
    this.app = app;
    const act = (id, action) => on(id, () => app.act({ action }));
    for (const id of ['new-document', 'select-all', 'select-none', 'delete-selection', 'compact',
      'start', 'activate', 'deactivate', 'exit', 'draw', 'restart']) act(id, id);
    on('open-example', () => app.act({ action: 'open-example', name: byId('example-name').value }));
    byId('open-file').addEventListener('change', async (event) => {
      const file = event.target.files[0];
      event.target.value = '';
      if (file) await app.openFile(file.name, await file.text());
    });
    on('move-selection', async () => {
      const by = await app.dialogs.askVector('Move the selection by');
      if (by) await app.act({ action: 'move-selection', by });
    });
    on('show-settings', () => app.dialogs.showSettings());
    on('fit', () => app.view.fit());
    for (const kind of ['vertices', 'lines', 'faces']) {
      on(`view-${kind}`, () => app.act({ action: 'view', [kind]: !(app.state?.view?.[kind] ?? true) }));
    }
    this.objects = byId('objects');
  }

  draw(state) {
    const plugin = state.plugin || {};
    byId('start').disabled = !plugin.loaded || plugin.started;
    byId('activate').disabled = !plugin.started || plugin.active;
    byId('deactivate').disabled = !plugin.started || !plugin.active;
    byId('exit').disabled = !plugin.started;
    for (const kind of ['vertices', 'lines', 'faces']) {
      byId(`view-${kind}`).classList.toggle('on', state.view?.[kind] !== false);
    }
    const examples = state.examples || EXAMPLES;
    const select = byId('example-name');
    if (select.dataset.list !== examples.join('\n')) {
      select.dataset.list = examples.join('\n');
      select.replaceChildren(...examples.map((name) => new Option(name, name)));
    }
    this.drawObjects(state);
    byId('plugin-state').innerHTML = ['loaded', 'started', 'active']
      .map((flag) => `<span class="flag${plugin[flag] ? ' on' : ''}">${flag}</span>`).join('');
    this.drawSelection(state);
  }

  // One row per object: a click makes it current, the eye shows or hides it.
  drawObjects(state) {
    const rows = state.objects.map((object) => {
      const row = document.createElement('li');
      row.dataset.object = object.id;
      row.classList.toggle('current', Boolean(object.current));
      row.classList.toggle('hidden', !object.visible);
      row.title = `${object.vertices} vertices, ${object.faces} faces`;
      const eye = document.createElement('button');
      eye.className = 'eye';
      eye.textContent = object.visible ? '◉' : '○';
      eye.title = object.visible ? 'Hide' : 'Show';
      eye.addEventListener('click', (event) => {
        event.stopPropagation();
        this.app.act({ action: object.visible ? 'hide' : 'show', object: object.id });
      });
      const name = document.createElement('span');
      name.className = 'name';
      name.textContent = object.name;
      const count = document.createElement('span');
      count.className = 'count';
      count.textContent = `${object.faces}f`;
      row.append(eye, name, count);
      row.addEventListener('click', () => this.app.act({ action: 'current', object: object.id }));
      return row;
    });
    this.objects.replaceChildren(...rows);
  }

  drawSelection(state) {
    const lines = [];
    for (const object of state.objects) {
      const s = state.selection?.[object.id];
      if (!s) continue;
      const parts = [['vertices', s.vertices], ['lines', s.lines], ['faces', s.faces]]
        .filter(([, list]) => list?.length).map(([kind, list]) => `${list.length} ${kind}`);
      if (parts.length) lines.push(`${object.name}: ${parts.join(', ')}`);
    }
    byId('selection-summary').textContent = lines.length ? lines.join('\n') : 'nothing selected';
    byId('selection-summary').style.whiteSpace = 'pre-line';
  }
}

const byId = (id) => document.getElementById(id);
const on = (id, handler) => byId(id).addEventListener('click', handler);
