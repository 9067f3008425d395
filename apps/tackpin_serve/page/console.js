// The host console beside the view: each line the host wrote (its events,
// the plug-in's calls that changed it, what it said, errors and breaches of
// its contract), fetched incrementally by sequence number.

const KEEP = 5000; // lines kept in the page; older ones scroll away

export class HostConsole {
  constructor(list) {
    this.list = list;
    this.lastSeq = 0;
    this.breaches = 0;
  }

  add(lines) {
    if (lines.length === 0) return;
    const atBottom = this.list.scrollTop + this.list.clientHeight >= this.list.scrollHeight - 4;
    const fragment = document.createDocumentFragment();
    for (const line of lines) {
      if (line.seq <= this.lastSeq) continue;
      this.lastSeq = line.seq;
      const item = document.createElement('li');
      item.className = line.kind;
      item.dataset.seq = line.seq;
      item.textContent = line.text;
      if (line.kind === 'breach') this.breaches++;
      fragment.append(item);
    }
    this.list.append(fragment);
    while (this.list.childElementCount > KEEP) this.list.firstElementChild.remove();
    if (atBottom) this.list.scrollTop = this.list.scrollHeight;
  }
}
