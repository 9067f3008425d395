// Selection with the mouse in the 3D view: a click picks the vertex, line or
// face under the pointer (Shift adds, Ctrl removes, a plain click replaces),
// a drag with the left button draws a box that picks vertices. Everything
// runs over the meshes' typed arrays, so a million faces cost one pass.
import * as THREE from 'three';

const VERTEX_RADIUS = 7; // pixels
const LINE_RADIUS = 5;
const DRAG_START = 4;

export class Picking {
  constructor(view, app) {
    this.view = view;
    this.app = app;
    this.mode = document.getElementById('pick-mode');
    this.band = document.getElementById('rubber-band');
    const canvas = view.canvas;
    canvas.addEventListener('pointerdown', (e) => this.down(e));
    canvas.addEventListener('pointermove', (e) => this.move(e));
    canvas.addEventListener('pointerup', (e) => this.up(e));
  }

  down(event) {
    if (event.button !== 0) return;
    this.start = this.local(event);
    this.dragging = false;
  }

  move(event) {
    if (!this.start) return;
    const p = this.local(event);
    if (!this.dragging && Math.hypot(p.x - this.start.x, p.y - this.start.y) < DRAG_START) return;
    this.dragging = true;
    const box = rect(this.start, p);
    Object.assign(this.band.style, { left: `${box.left}px`, top: `${box.top}px`, width: `${box.right - box.left}px`, height: `${box.bottom - box.top}px` });
    this.band.hidden = false;
  }

  async up(event) {
    if (event.button !== 0 || !this.start) return;
    const start = this.start;
    this.start = null;
    this.band.hidden = true;
    const mode = event.shiftKey ? 'add' : event.ctrlKey ? 'remove' : 'set';
    if (this.dragging) await this.selectBox(rect(start, this.local(event)), mode);
    else await this.selectAt(this.local(event), mode);
  }

  local(event) {
    const r = this.view.canvas.getBoundingClientRect();
    return { x: event.clientX - r.left, y: event.clientY - r.top };
  }

  // The element under a point of the canvas: { object, kind, index } or null.
  pick(point, wanted = this.mode.value) {
    const options = this.app.state?.view || { vertices: true, lines: true, faces: true };
    const allow = (kind) => (wanted === 'auto' ? options[kind + 's'] !== false : wanted === kind);
    const ray = this.rayAt(point);
    const faceHit = this.nearestFace(ray);
    // With faces off the view is a wireframe: nothing hides anything.
    const occluded = (position) => options.faces !== false && this.occluded(ray.origin, position);
    if (allow('vertex')) {
      const hit = this.nearestVertex(point, occluded);
      if (hit) return hit;
    }
    if (allow('line')) {
      const hit = this.nearestLine(point, occluded);
      if (hit) return hit;
    }
    if (allow('face') && faceHit) return faceHit;
    return null;
  }

  async selectAt(point, mode) {
    const hit = this.pick(point);
    if (!hit) {
      if (mode === 'set') await this.app.act({ action: 'select-none' });
      return;
    }
    const action = { action: 'select', object: hit.object, mode, vertices: [], lines: [], faces: [] };
    action[hit.kind === 'vertex' ? 'vertices' : hit.kind === 'line' ? 'lines' : 'faces'].push(hit.index);
    await this.app.act(action);
  }

  // Every used vertex of a visible object inside the box, as one selection
  // per object (the first replaces when the click replaces, the rest add).
  async selectBox(box, mode) {
    const picks = [];
    for (const entry of this.view.visibleEntries()) {
      const screen = this.screen(entry);
      const inside = [];
      for (const v of entry.mesh.usedVertices) {
        const x = screen[3 * v], y = screen[3 * v + 1], z = screen[3 * v + 2];
        if (z < 1 && x >= box.left && x <= box.right && y >= box.top && y <= box.bottom) inside.push(v);
      }
      if (inside.length > 0) picks.push({ object: entry.info.id, vertices: inside });
    }
    if (picks.length === 0) {
      if (mode === 'set') await this.app.act({ action: 'select-none' });
      return;
    }
    for (const [i, { object, vertices }] of picks.entries()) {
      await this.app.act({ action: 'select', object, mode: i > 0 && mode === 'set' ? 'add' : mode, vertices, lines: [], faces: [] });
    }
  }

  rayAt(point) {
    const ndc = new THREE.Vector2(point.x / this.view.canvas.clientWidth * 2 - 1, 1 - point.y / this.view.canvas.clientHeight * 2);
    const raycaster = new THREE.Raycaster();
    raycaster.setFromCamera(ndc, this.view.camera);
    return raycaster.ray;
  }

  // Canvas x, y and depth (NDC z) of every vertex slot of an object.
  screen(entry) {
    const m = new THREE.Matrix4().multiplyMatrices(this.view.camera.projectionMatrix, this.view.camera.matrixWorldInverse).elements;
    const w = this.view.canvas.clientWidth / 2, h = this.view.canvas.clientHeight / 2;
    const p = entry.mesh.positions;
    const out = new Float32Array(p.length);
    for (let i = 0; i < p.length; i += 3) {
      const x = p[i], y = p[i + 1], z = p[i + 2];
      const cw = m[3] * x + m[7] * y + m[11] * z + m[15];
      if (cw <= 0) { out[i + 2] = 2; continue; } // behind the camera
      out[i] = ((m[0] * x + m[4] * y + m[8] * z + m[12]) / cw + 1) * w;
      out[i + 1] = (1 - (m[1] * x + m[5] * y + m[9] * z + m[13]) / cw) * h;
      out[i + 2] = (m[2] * x + m[6] * y + m[10] * z + m[14]) / cw;
    }
    return out;
  }

  nearestVertex(point, occluded) {
    const candidates = [];
    for (const entry of this.view.visibleEntries()) {
      const screen = this.screen(entry);
      for (const v of entry.mesh.usedVertices) {
        if (screen[3 * v + 2] >= 1) continue;
        const d = Math.hypot(screen[3 * v] - point.x, screen[3 * v + 1] - point.y);
        if (d <= VERTEX_RADIUS) candidates.push({ d, entry, v });
      }
    }
    candidates.sort((a, b) => a.d - b.d);
    for (const { entry, v } of candidates.slice(0, 8)) {
      const at = new THREE.Vector3().fromArray(entry.mesh.positions, 3 * v);
      if (!occluded(at)) return { object: entry.info.id, kind: 'vertex', index: v };
    }
    return null;
  }

  nearestLine(point, occluded) {
    const candidates = [];
    for (const entry of this.view.visibleEntries()) {
      const screen = this.screen(entry);
      const { edges, edgeCount } = entry.mesh;
      for (let e = 0; e < edgeCount; e++) {
        const a = edges[2 * e], b = edges[2 * e + 1];
        if (screen[3 * a + 2] >= 1 || screen[3 * b + 2] >= 1) continue;
        const ax = screen[3 * a], ay = screen[3 * a + 1], bx = screen[3 * b], by = screen[3 * b + 1];
        const dx = bx - ax, dy = by - ay;
        const length2 = dx * dx + dy * dy;
        const t = length2 > 0 ? Math.min(1, Math.max(0, ((point.x - ax) * dx + (point.y - ay) * dy) / length2)) : 0;
        const d = Math.hypot(ax + t * dx - point.x, ay + t * dy - point.y);
        if (d <= LINE_RADIUS) candidates.push({ d, entry, e, t });
      }
    }
    candidates.sort((a, b) => a.d - b.d);
    for (const { entry, e, t } of candidates.slice(0, 8)) {
      const p = entry.mesh.positions, a = entry.mesh.edges[2 * e], b = entry.mesh.edges[2 * e + 1];
      const at = new THREE.Vector3().fromArray(p, 3 * a).lerp(new THREE.Vector3().fromArray(p, 3 * b), t);
      if (!occluded(at)) return { object: entry.info.id, kind: 'line', index: entry.mesh.edgeName(e) };
    }
    return null;
  }

  nearestFace(ray) {
    let best = null;
    for (const entry of this.view.visibleEntries()) {
      const t = firstTriangle(ray.origin, ray.direction, entry.mesh, Infinity);
      if (t && (!best || t.distance < best.distance)) {
        best = { object: entry.info.id, kind: 'face', index: entry.mesh.triangleFaces[t.triangle], distance: t.distance };
      }
    }
    return best;
  }

  // True when a face lies between the eye and a point (beyond a small
  // margin, so that the point's own faces do not hide it).
  occluded(origin, position) {
    const direction = position.clone().sub(origin);
    const distance = direction.length();
    direction.normalize();
    const margin = distance * 1e-3;
    for (const entry of this.view.visibleEntries()) {
      if (firstTriangle(origin, direction, entry.mesh, distance - margin)) return true;
    }
    return false;
  }
}

// The nearest triangle a ray meets closer than `limit` (Möller–Trumbore over
// the typed arrays), as { triangle, distance }, or null.
function firstTriangle(origin, direction, mesh, limit) {
  const p = mesh.positions, tris = mesh.triangles;
  const ox = origin.x, oy = origin.y, oz = origin.z, dx = direction.x, dy = direction.y, dz = direction.z;
  let best = limit, bestTriangle = -1;
  for (let t = 0; t < mesh.triangleCount; t++) {
    const i0 = 3 * tris[3 * t], i1 = 3 * tris[3 * t + 1], i2 = 3 * tris[3 * t + 2];
    const ax = p[i0], ay = p[i0 + 1], az = p[i0 + 2];
    const e1x = p[i1] - ax, e1y = p[i1 + 1] - ay, e1z = p[i1 + 2] - az;
    const e2x = p[i2] - ax, e2y = p[i2 + 1] - ay, e2z = p[i2 + 2] - az;
    const px = dy * e2z - dz * e2y, py = dz * e2x - dx * e2z, pz = dx * e2y - dy * e2x;
    const det = e1x * px + e1y * py + e1z * pz;
    if (det > -1e-12 && det < 1e-12) continue;
    const inv = 1 / det;
    const sx = ox - ax, sy = oy - ay, sz = oz - az;
    const u = (sx * px + sy * py + sz * pz) * inv;
    if (u < 0 || u > 1) continue;
    const qx = sy * e1z - sz * e1y, qy = sz * e1x - sx * e1z, qz = sx * e1y - sy * e1x;
    const v = (dx * qx + dy * qy + dz * qz) * inv;
    if (v < 0 || u + v > 1) continue;
    const distance = (e2x * qx + e2y * qy + e2z * qz) * inv;
    if (distance > 0 && distance < best) { best = distance; bestTriangle = t; }
  }
  return bestTriangle < 0 ? null : { triangle: bestTriangle, distance: best };
}

function rect(a, b) {
  return { left: Math.min(a.x, b.x), top: Math.min(a.y, b.y), right: Math.max(a.x, b.x), bottom: Math.max(a.y, b.y) };
}
