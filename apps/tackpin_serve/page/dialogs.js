// Modal dialogs: the plug-in's questions (state.modal, with its own title,
// message and buttons), answered through the host; and the page's own small
// dialogs (the settings file, the distance of a move).

const BUTTONS = { okcancel: [['OK', 'ok'], ['Cancel', 'cancel']] };

export class Dialogs {
  constructor(layer, app) {
    this.layer = layer;
    this.app = app;
    this.question = null; // the element of the open question
    this.local = null; // the page's own dialog, if one is open
    document.addEventListener('keydown', (event) => this.key(event));
  }

  draw(state) {
    // The innermost question is the one the host waits on.
    const questions = (state.modal || []).filter((m) => m.kind === 'question');
    const open = questions[questions.length - 1];
    const key = open ? JSON.stringify(open) + questions.length : null;
    if (key !== this.questionKey) {
      this.questionKey = key;
      this.question = open ? this.questionElement(open) : null;
    }
    if (this.onState) this.onState(state);
    this.show();
  }

  show() {
    this.layer.replaceChildren(...[this.local, this.question].filter(Boolean));
  }

  questionElement(question) {
    const box = frame(question.title ?? '', 'question');
    box.dataset.kind = 'question';
    const message = document.createElement('div');
    message.className = 'message';
    message.textContent = question.message ?? '';
    box.append(message);
    const buttons = BUTTONS[question.type] ?? BUTTONS.okcancel;
    box.append(buttonRow(buttons.map(([caption, answer], i) => ({
      caption, answer, primary: i === 0,
      onClick: () => this.app.act({ action: 'answer', answer }),
    }))));
    return box;
  }

  // Enter answers OK, Escape Cancel, as a message box does.
  key(event) {
    const box = this.question ?? this.local;
    if (!box || (event.key !== 'Enter' && event.key !== 'Escape')) return;
    if (event.target.closest?.('input, textarea, select') && event.key === 'Enter' && box !== this.local) return;
    const button = box.querySelector(event.key === 'Enter' ? 'button[data-primary]' : 'button[data-answer=cancel]');
    if (button) { event.preventDefault(); button.click(); }
  }

  // The host's settings file as it stands, kept up to date while open.
  showSettings() {
    const box = frame('Settings file of the host', 'settings');
    const pre = document.createElement('pre');
    box.append(pre, buttonRow([{ caption: 'Close', answer: 'cancel', primary: true, onClick: () => this.closeLocal() }]));
    this.onState = (state) => { pre.textContent = state.settings || '(none written yet)'; };
    if (this.app.state) this.onState(this.app.state);
    this.openLocal(box);
  }

  // Asks for the distance of a move; resolves to [x, y, z] or null.
  askVector(title) {
    return new Promise((resolve) => {
      const box = frame(title, 'move');
      const fields = document.createElement('div');
      fields.className = 'fields';
      const inputs = ['X', 'Y', 'Z'].map((axis) => {
        const label = document.createElement('label');
        const input = document.createElement('input');
        Object.assign(input, { type: 'number', step: 'any', value: '0' });
        input.dataset.axis = axis;
        label.append(`${axis} `, input);
        fields.append(label);
        return input;
      });
      const done = (value) => { this.closeLocal(); resolve(value); };
      box.append(fields, buttonRow([
        { caption: 'Move', answer: 'ok', primary: true, onClick: () => done(inputs.map((i) => Number(i.value) || 0)) },
        { caption: 'Cancel', answer: 'cancel', onClick: () => done(null) },
      ]));
      this.openLocal(box);
      inputs[0].select();
    });
  }

  openLocal(box) {
    this.local = box;
    this.show();
  }

  closeLocal() {
    this.local = null;
    this.onState = null;
    this.show();
  }
}

function frame(title, kind) {
  const box = document.createElement('div');
  box.className = 'question';
  box.dataset.dialog = kind;
  const bar = document.createElement('div');
  bar.className = 'title';
  bar.textContent = title;
  box.append(bar);
  return box;
}

function buttonRow(buttons) {
  const row = document.createElement('div');
  row.className = 'buttons';
  for (const { caption, answer, primary, onClick } of buttons) {
    const button = document.createElement('button');
    button.textContent = caption;
    button.dataset.answer = answer;
    if (primary) button.dataset.primary = 'true';
    button.addEventListener('click', onClick);
    row.append(button);
  }
  return row;
}
