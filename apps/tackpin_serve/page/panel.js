// The plug-in's windows, drawn from the host's widget tree (state.windows)
// at every state: whatever the plug-in changed shows at once, and nothing is
// a copy made by hand. Elements are kept per widget id between draws, so
// that a spin box being typed in keeps its focus.

const FONT_HEIGHT = 13; // the host's spacings are in units of the font's height

export class Panel {
  constructor(layer, app) {
    this.layer = layer;
    this.app = app;
    this.elements = new Map(); // widget id -> element
    this.dragged = null;
  }

  draw(state) {
    this.seen = new Set();
    const windows = [];
    for (const root of state.windows || []) collectWindows(root, windows);
    // While a question or a modal run is open, only the innermost one's
    // window takes clicks, as the plug-in's other windows are disabled.
    const innermost = (state.modal || [])[(state.modal || []).length - 1];
    const active = innermost?.kind === 'dialog' ? innermost.widget : innermost ? null : undefined;
    const shown = [];
    for (const win of windows) {
      if (win.props?.visible === false) continue;
      const element = this.windowElement(win, win.id === active);
      element.classList.toggle('blocked', active !== undefined && win.id !== active);
      shown.push(element);
    }
    setChildren(this.layer, shown);
    for (const [id, element] of this.elements) {
      if (!this.seen.has(id)) { element.remove(); this.elements.delete(id); }
    }
  }

  element(widget, tag, className) {
    this.seen.add(widget.id);
    let element = this.elements.get(widget.id);
    if (!element || element.dataset.class !== widget.class) {
      element = document.createElement(tag);
      element.dataset.widget = widget.id;
      element.dataset.class = widget.class;
      element.className = className;
      this.elements.set(widget.id, element);
      element.fresh = true;
    } else {
      element.fresh = false;
    }
    return element;
  }

  windowElement(win, modal) {
    const props = win.props || {};
    const element = this.element(win, 'div', 'win');
    if (element.fresh) {
      element.innerHTML = '<div class="title"><span class="caption"></span><button class="close" title="Close">✕</button></div><div class="body"></div>';
      element.querySelector('.close').addEventListener('click', () => this.app.act({ action: 'close', widget: win.id }));
      this.draggable(element, win.id);
    }
    element.classList.toggle('dialog', win.class === 'dialog');
    element.classList.toggle('modal', modal);
    element.querySelector('.caption').textContent = props.title ?? '';
    if (this.dragged?.element !== element) {
      const max = this.layer.getBoundingClientRect();
      element.style.left = `${clamp(props.pos_x ?? 120, 0, Math.max(0, max.width - 80))}px`;
      element.style.top = `${clamp(props.pos_y ?? 80, 0, Math.max(0, max.height - 40))}px`;
    }
    const body = element.querySelector('.body');
    this.layout(body, win, props.alignment ?? 'vert');
    return element;
  }

  // A container's children side by side ("horz") or one under another.
  layout(element, container, alignment) {
    const props = container.props || {};
    element.classList.remove('horz', 'vert');
    element.classList.add('frame', alignment === 'horz' ? 'horz' : 'vert');
    element.style.gap = `${3 + FONT_HEIGHT * (props.inspace ?? 0)}px`;
    if (container.class === 'frame') element.style.padding = `${2 + FONT_HEIGHT * (props.outspace ?? 0)}px`;
    const children = (container.children || []).filter((child) => !isWindow(child)).map((child) => this.widget(child));
    setChildren(element, children);
  }

  widget(widget) {
    const props = widget.props || {};
    let element;
    switch (widget.class) {
      case 'frame':
        element = this.element(widget, 'div', 'frame');
        this.layout(element, widget, props.alignment);
        break;
      case 'button': element = this.button(widget, props); break;
      case 'checkbox': element = this.checkbox(widget, props); break;
      case 'doublespinbox': element = this.spin(widget, props); break;
      case 'colorpanel': element = this.colour(widget, props); break;
      default:
        element = this.element(widget, 'span', 'w-unknown');
        element.textContent = `(${widget.class})`;
    }
    element.classList.toggle('w-hidden', props.visible === false);
    return element;
  }

  // Left and right clicks, with the Shift and Ctrl keys held at the time.
  button(widget, props) {
    const element = this.element(widget, 'button', 'w-button');
    if (element.fresh) {
      const send = (event, button) => {
        event.preventDefault();
        this.app.act({ action: 'click', widget: widget.id, button, shift: event.shiftKey, ctrl: event.ctrlKey });
      };
      element.addEventListener('click', (event) => send(event, 'left'));
      element.addEventListener('contextmenu', (event) => send(event, 'right'));
    }
    element.textContent = props.text ?? '';
    element.classList.toggle('down', Boolean(props.toggle && props.down));
    element.disabled = props.enabled === false;
    if (props.default) element.dataset.default = 'true';
    return element;
  }

  checkbox(widget, props) {
    const element = this.element(widget, 'label', 'w-check');
    if (element.fresh) {
      element.innerHTML = '<input type="checkbox"><span></span>';
      const input = element.querySelector('input');
      input.addEventListener('change', () => this.app.act({ action: 'check', widget: widget.id, on: input.checked }));
    }
    const input = element.querySelector('input');
    input.checked = Boolean(props.checked);
    input.disabled = props.enabled === false;
    element.classList.toggle('disabled', props.enabled === false);
    element.querySelector('span').textContent = props.text ?? '';
    return element;
  }

  // The spin box: typed values go on Enter or when it loses focus; the
  // arrows and the arrow keys step by its increment, within min and max.
  spin(widget, props) {
    const element = this.element(widget, 'div', 'w-spin');
    const limits = () => this.spinProps(widget.id);
    if (element.fresh) {
      element.innerHTML = '<input type="number"><div class="arrows"><button tabindex="-1" data-step="1">▲</button><button tabindex="-1" data-step="-1">▼</button></div>';
      const input = element.querySelector('input');
      const send = (value) => {
        const { min, max } = limits();
        if (!Number.isFinite(value)) return;
        this.app.act({ action: 'spin', widget: widget.id, value: clamp(value, min, max) });
      };
      input.addEventListener('change', () => send(parseFloat(input.value)));
      input.addEventListener('keydown', (event) => {
        if (event.key !== 'ArrowUp' && event.key !== 'ArrowDown') return;
        event.preventDefault();
        const { position, increment } = limits();
        send(round(position + (event.key === 'ArrowUp' ? increment : -increment)));
      });
      for (const arrow of element.querySelectorAll('.arrows button')) {
        arrow.addEventListener('click', () => {
          const { position, increment } = limits();
          send(round(position + Number(arrow.dataset.step) * increment));
        });
      }
    }
    const input = element.querySelector('input');
    input.min = props.min ?? '';
    input.max = props.max ?? '';
    input.step = props.increment ?? 'any';
    input.disabled = props.enabled === false;
    element.classList.toggle('disabled', props.enabled === false);
    if (document.activeElement !== input || element.shownValue !== props.position) {
      const digits = props.maxdecimaldigit ?? 2;
      input.value = String(Number((props.position ?? 0).toFixed(Math.max(0, Math.min(digits, 20)))));
      element.shownValue = props.position;
    }
    return element;
  }

  spinProps(id) {
    const found = findWidget(this.app.state?.windows || [], id);
    const p = found?.props || {};
    return { position: p.position ?? 0, min: p.min ?? -Infinity, max: p.max ?? Infinity, increment: p.increment ?? 1 };
  }

  // The colour panel: the browser's colour chooser and the R, G, B fields.
  colour(widget, props) {
    const element = this.element(widget, 'div', 'w-colour');
    if (element.fresh) {
      element.innerHTML = '<input type="color"><div class="rgb">' +
        ['R', 'G', 'B'].map((c) => `<label>${c} <input type="number" min="0" max="255" step="1" data-channel="${c}"></label>`).join('') +
        '</div>';
      const picker = element.querySelector('input[type=color]');
      const fields = [...element.querySelectorAll('.rgb input')];
      const send = (rgb) => this.app.act({ action: 'colour', widget: widget.id, rgb });
      picker.addEventListener('change', () => send(fromHex(picker.value)));
      for (const field of fields) {
        field.addEventListener('change', () => send(fields.map((f) => clamp(Math.round(Number(f.value) || 0), 0, 255))));
      }
    }
    const rgb = rgbOf(props.rgb);
    element.querySelector('input[type=color]').value = toHex(rgb);
    element.querySelectorAll('.rgb input').forEach((field, i) => {
      if (document.activeElement !== field) field.value = rgb[i];
    });
    return element;
  }

  // The title bar drags the window; the host learns the place on release.
  draggable(element, id) {
    const title = element.querySelector('.title');
    title.addEventListener('pointerdown', (event) => {
      if (event.button !== 0 || event.target.closest('.close')) return;
      title.setPointerCapture(event.pointerId);
      this.dragged = { element, dx: event.clientX - element.offsetLeft, dy: event.clientY - element.offsetTop };
    });
    title.addEventListener('pointermove', (event) => {
      if (this.dragged?.element !== element) return;
      element.style.left = `${event.clientX - this.dragged.dx}px`;
      element.style.top = `${event.clientY - this.dragged.dy}px`;
    });
    title.addEventListener('pointerup', async () => {
      if (this.dragged?.element !== element) return;
      const x = Math.round(element.offsetLeft), y = Math.round(element.offsetTop);
      try {
        await this.app.act({ action: 'place', x, y });
      } finally {
        this.dragged = null;
      }
    });
  }
}

function isWindow(widget) {
  return widget.class === 'window' || widget.class === 'dialog';
}

// A widget's children and the child windows it owns (a dialog of the panel).
const inside = (widget) => [...(widget.children || []), ...(widget.windows || [])];

// The windows of a tree, its own first, then those it holds or owns.
function collectWindows(widget, out) {
  if (isWindow(widget)) out.push(widget);
  for (const child of inside(widget)) collectWindows(child, out);
}

export function findWidget(widgets, id) {
  for (const widget of widgets) {
    if (widget.id === id) return widget;
    const found = findWidget(inside(widget), id);
    if (found) return found;
  }
  return null;
}

// Replaces an element's children only where they differ, so that an
// unchanged element (and its focus) stays where it is.
function setChildren(parent, children) {
  const current = [...parent.children];
  if (current.length === children.length && current.every((c, i) => c === children[i])) return;
  parent.replaceChildren(...children);
}

// The host's colours come as [R, G, B] (0 to 255) or {r, g, b}.
function rgbOf(value) {
  if (Array.isArray(value)) return value.map((c) => clamp(Math.round(c), 0, 255));
  if (value && typeof value === 'object') return [value.r ?? 0, value.g ?? 0, value.b ?? 0];
  return [0, 0, 0];
}

const toHex = (rgb) => '#' + rgb.map((c) => c.toString(16).padStart(2, '0')).join('');
const fromHex = (hex) => [1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16));
const clamp = (v, lo, hi) => Math.min(hi, Math.max(lo, v));
const round = (v) => Math.round(v * 1e9) / 1e9;
