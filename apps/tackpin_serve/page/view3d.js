// The 3D view: every visible mesh object shaded with its edges, the host's
// selection in its highlight colour, and the plug-in's drawing objects drawn
// as the host draws them, over everything. Meshes are fetched only when their
// meshVersion changes; the rest is rebuilt from each state.
import * as THREE from 'three';
import { OrbitControls } from '/vendor/OrbitControls.js';
import { fetchMesh } from './mesh.js';
import { FatLines, RoundPoints } from './overlay.js';

const FACE_COLOUR = 0xb4b9c2;
const EDGE_COLOUR = 0x30343b;
const WIRE_COLOUR = 0x9aa3b0; // edges when faces are off
const VERTEX_COLOUR = 0x202328;
const HALO = { colour: [0, 0, 0], opacity: 0.55 };

// Overlay layers: later ones draw over earlier ones.
const ORDER = { selection: 10, haloLines: 20, lines: 21, haloPoints: 22, points: 23 };

export class View3D {
  constructor(canvas, app) {
    this.canvas = canvas;
    this.app = app;
    this.renderer = new THREE.WebGLRenderer({ canvas, antialias: true, preserveDrawingBuffer: true });
    this.renderer.setPixelRatio(window.devicePixelRatio || 1);
    this.scene = new THREE.Scene();
    this.scene.background = new THREE.Color(0x24272d);
    this.camera = new THREE.PerspectiveCamera(40, 1, 0.01, 1000);
    this.camera.position.set(6, 5, 9);
    this.scene.add(this.camera);
    this.scene.add(new THREE.HemisphereLight(0xffffff, 0x50545c, 1.6));
    const lamp = new THREE.DirectionalLight(0xffffff, 1.6);
    lamp.position.set(0.4, 0.8, 1);
    this.camera.add(lamp); // the light comes from the viewer, as in a modeler

    this.controls = new OrbitControls(this.camera, canvas);
    // Left is the picking button; right orbits, middle (or Shift+right) pans.
    this.controls.mouseButtons = { LEFT: -1, MIDDLE: THREE.MOUSE.PAN, RIGHT: THREE.MOUSE.ROTATE };
    this.controls.zoomToCursor = true;
    this.controls.addEventListener('change', () => this.requestRender());

    this.objects = new Map(); // unique id -> { info, mesh, group, ... }
    this.drawingGroup = new THREE.Group();
    this.scene.add(this.drawingGroup);
    // What the view draws, for tests and the curious: per object its counts,
    // per drawing object the points and segments actually drawn.
    this.model = { objects: {}, drawing: [], selection: {}, renderedVersion: -1, frames: 0, renderedAt: 0 };
    this.version = -1;

    new ResizeObserver(() => this.resize()).observe(canvas);
    this.resize();
  }

  resize() {
    const { clientWidth: w, clientHeight: h } = this.canvas;
    if (w === 0 || h === 0) return;
    this.renderer.setSize(w, h, false);
    this.camera.aspect = w / h;
    this.camera.updateProjectionMatrix();
    const size = this.renderer.getDrawingBufferSize(new THREE.Vector2());
    FatLines.resolution.copy(size);
    RoundPoints.pixelRatio = this.renderer.getPixelRatio();
    this.render();
  }

  requestRender() {
    if (this.pending) return;
    this.pending = requestAnimationFrame(() => { this.pending = 0; this.render(); });
  }

  render() {
    this.renderer.render(this.scene, this.camera);
    this.model.frames++;
    this.model.renderedVersion = this.version;
    this.model.renderedAt = performance.now();
  }

  // The canvas position (CSS pixels from its top left) of a point of the scene.
  project(x, y, z) {
    const p = new THREE.Vector3(x, y, z).project(this.camera);
    return { x: (p.x + 1) / 2 * this.canvas.clientWidth, y: (1 - p.y) / 2 * this.canvas.clientHeight, z: p.z };
  }

  // Everything the state says is drawn again; only the meshes whose
  // meshVersion changed are fetched.
  async update(state) {
    const wasEmpty = this.objects.size === 0;
    const live = new Set(state.objects.map((o) => o.id));
    for (const [id, entry] of this.objects) {
      if (!live.has(id)) { this.dropObject(entry); this.objects.delete(id); }
    }
    await Promise.all(state.objects.map((info) => this.syncObject(info)));
    this.version = state.version;
    const options = state.view || { vertices: true, lines: true, faces: true };
    const highlight = new THREE.Color(...(state.highlight || [1, 0.6, 0]));
    this.model.objects = {};
    this.model.selection = {};
    for (const info of state.objects) {
      const entry = this.objects.get(info.id);
      if (!entry) continue;
      entry.info = info;
      entry.group.visible = info.visible;
      this.styleObject(entry, options);
      this.drawSelection(entry, state.selection?.[info.id], highlight);
      this.model.objects[info.id] = {
        name: info.name, visible: info.visible, meshVersion: entry.meshVersion,
        vertices: entry.mesh.vertexCount, triangles: entry.mesh.triangleCount, edges: entry.mesh.edgeCount,
      };
    }
    this.drawDrawing(state.drawing || []);
    if (wasEmpty && this.objects.size > 0) this.fit();
    this.render();
  }

  async syncObject(info) {
    let entry = this.objects.get(info.id);
    if (entry && entry.meshVersion === info.meshVersion) return;
    const mesh = await fetchMesh(info.id, info.meshVersion);
    if (!mesh) return;
    if (entry) this.dropObject(entry);
    entry = this.buildObject(info, mesh);
    this.objects.set(info.id, entry);
  }

  buildObject(info, mesh) {
    const group = new THREE.Group();
    group.name = `object ${info.id} (${info.name})`;
    const positions = new THREE.BufferAttribute(mesh.positions, 3);

    const faceGeometry = new THREE.BufferGeometry();
    faceGeometry.setAttribute('position', positions);
    faceGeometry.setIndex(new THREE.BufferAttribute(mesh.triangles, 1));
    faceGeometry.computeBoundingSphere();
    // Faces sit a little behind their edges and the overlays on them.
    const faceMaterial = new THREE.MeshLambertMaterial({
      color: FACE_COLOUR, flatShading: true, side: THREE.DoubleSide,
      polygonOffset: true, polygonOffsetFactor: 1, polygonOffsetUnits: 1,
    });
    const faces = new THREE.Mesh(faceGeometry, faceMaterial);

    const edgeGeometry = new THREE.BufferGeometry();
    edgeGeometry.setAttribute('position', positions);
    edgeGeometry.setIndex(new THREE.BufferAttribute(mesh.edges, 1));
    edgeGeometry.boundingSphere = faceGeometry.boundingSphere;
    const edges = new THREE.LineSegments(edgeGeometry, new THREE.LineBasicMaterial({ color: EDGE_COLOUR }));

    const pointGeometry = new THREE.BufferGeometry();
    pointGeometry.setAttribute('position', positions);
    pointGeometry.setIndex(new THREE.BufferAttribute(mesh.usedVertices, 1));
    pointGeometry.boundingSphere = faceGeometry.boundingSphere;
    const vertices = new THREE.Points(pointGeometry, RoundPoints.material([0.13, 0.14, 0.16], 1, 3.5, true));

    const selection = new THREE.Group();
    group.add(faces, edges, vertices, selection);
    this.scene.add(group);
    return { info, meshVersion: info.meshVersion, mesh, group, faces, edges, vertices, selection, positions, selectionKey: null };
  }

  dropObject(entry) {
    this.scene.remove(entry.group);
    entry.group.traverse((node) => {
      node.geometry?.dispose();
      node.material?.dispose();
    });
  }

  // The scene options decide what the host draws of each mesh.
  styleObject(entry, options) {
    entry.faces.visible = options.faces;
    entry.edges.visible = options.lines;
    entry.edges.material.color.setHex(options.faces ? EDGE_COLOUR : WIRE_COLOUR);
    entry.vertices.visible = options.vertices;
  }

  // Selected faces shaded in the highlight colour, selected lines and the
  // lines of selected faces as wide highlight lines, selected vertices as
  // large dots; rebuilt only when that object's selection changed.
  drawSelection(entry, selection, highlight) {
    const key = selection ? selectionKey(selection) + highlight.getHexString() : '';
    if (key === entry.selectionKey) { this.model.selection[entry.info.id] = entry.selectionSummary; return; }
    entry.selectionKey = key;
    for (const child of [...entry.selection.children]) { child.geometry.dispose(); entry.selection.remove(child); }
    const summary = { vertices: 0, lines: 0, faces: 0 };
    entry.selectionSummary = summary;
    this.model.selection[entry.info.id] = summary;
    if (!selection) return;
    const { mesh } = entry;
    const colour = [highlight.r, highlight.g, highlight.b];

    const faces = (selection.faces || []).filter((f) => f >= 0 && f < mesh.faceCount);
    if (faces.length > 0) {
      const geometry = new THREE.BufferGeometry();
      geometry.setAttribute('position', entry.positions);
      geometry.setIndex(new THREE.BufferAttribute(mesh.trianglesOfFaces(faces), 1));
      geometry.boundingSphere = entry.faces.geometry.boundingSphere;
      const material = new THREE.MeshLambertMaterial({
        color: highlight.clone().lerp(new THREE.Color(FACE_COLOUR), 0.35), flatShading: true,
        side: THREE.DoubleSide, polygonOffset: true, polygonOffsetFactor: 0.5, polygonOffsetUnits: 0.5,
      });
      const shaded = new THREE.Mesh(geometry, material);
      shaded.renderOrder = ORDER.selection;
      entry.selection.add(shaded);
    }
    const segments = mesh.segmentsOfLines(selection.lines || [], faces);
    if (segments.length > 0) {
      const lines = FatLines.make(segments, colour, 1, 2.5, { depthTest: true });
      lines.renderOrder = ORDER.selection;
      entry.selection.add(lines);
    }
    const vertices = (selection.vertices || []).filter((v) => v >= 0 && v < mesh.vertexCount);
    if (vertices.length > 0) {
      const points = new Float32Array(vertices.length * 3);
      vertices.forEach((v, i) => points.set(mesh.positions.subarray(3 * v, 3 * v + 3), 3 * i));
      const dots = RoundPoints.make(points, colour, 1, 7, { depthTest: true });
      dots.renderOrder = ORDER.selection + 1;
      entry.selection.add(dots);
    }
    summary.vertices = vertices.length;
    summary.lines = (selection.lines || []).length;
    summary.faces = faces.length;
  }

  // Each drawing object as the host draws it: with the line bit (2) its
  // two-point faces as lines, a line of zero length as a point; with the
  // point bit (1) every vertex as a point; always in its colour, over the
  // meshes, with a dark rim so that it reads on any background.
  drawDrawing(drawing) {
    for (const child of [...this.drawingGroup.children]) {
      child.geometry.dispose();
      child.material.dispose();
      this.drawingGroup.remove(child);
    }
    this.model.drawing = [];
    for (const object of drawing) {
      const vertices = object.vertices || [];
      const segments = [];
      const pointIndices = [];
      const lone = []; // zero-length lines: a marked vertex on its own
      if (object.visibility & 2) {
        for (const face of object.faces || []) {
          if (face.length !== 2) continue;
          const a = vertices[face[0]], b = vertices[face[1]];
          if (!a || !b) continue;
          if (a[0] === b[0] && a[1] === b[1] && a[2] === b[2]) lone.push(face[0]);
          else segments.push(face[0], face[1]);
        }
      }
      pointIndices.push(...lone);
      if (object.visibility & 1) for (let i = 0; i < vertices.length; i++) pointIndices.push(i);
      const colour = object.colour || [1, 1, 1];
      if (segments.length > 0) {
        const flat = flatten(vertices, segments);
        const halo = FatLines.make(flat, HALO.colour, HALO.opacity, 5.5);
        halo.renderOrder = ORDER.haloLines;
        const line = FatLines.make(flat, colour, 1, 3);
        line.renderOrder = ORDER.lines;
        this.drawingGroup.add(halo, line);
      }
      if (pointIndices.length > 0) {
        const flat = flatten(vertices, pointIndices);
        const halo = RoundPoints.make(flat, HALO.colour, HALO.opacity, 10);
        halo.renderOrder = ORDER.haloPoints;
        const dot = RoundPoints.make(flat, colour, 1, 7.6);
        dot.renderOrder = ORDER.points;
        this.drawingGroup.add(halo, dot);
      }
      this.model.drawing.push({
        handle: object.handle, row: object.row, colour, visibility: object.visibility,
        vertices, segments, points: pointIndices, lone,
      });
    }
  }

  // The camera looks at the visible objects from the front, above and right.
  fit() {
    const box = new THREE.Box3();
    for (const entry of this.objects.values()) {
      if (entry.group.visible) box.expandByObject(entry.faces);
    }
    if (box.isEmpty()) box.set(new THREE.Vector3(-1, -1, -1), new THREE.Vector3(1, 1, 1));
    const sphere = box.getBoundingSphere(new THREE.Sphere());
    const radius = Math.max(sphere.radius, 1e-3);
    const fov = THREE.MathUtils.degToRad(this.camera.fov);
    const distance = radius / Math.sin(Math.min(fov, fov * this.camera.aspect) / 2) * 1.05;
    const direction = new THREE.Vector3(0.45, 0.6, 1).normalize();
    this.controls.target.copy(sphere.center);
    this.camera.position.copy(sphere.center).addScaledVector(direction, distance);
    this.camera.near = distance / 100;
    this.camera.far = distance * 100;
    this.camera.updateProjectionMatrix();
    this.controls.update();
    this.render();
  }

  visibleEntries() {
    return [...this.objects.values()].filter((entry) => entry.group.visible);
  }
}

// A fingerprint of one object's selection, cheap at millions of elements
// (a text of it would cost a second there).
function selectionKey(selection) {
  let hash = 2166136261;
  const mix = (n) => { hash = Math.imul(hash ^ n, 16777619); };
  for (const kind of ['vertices', 'faces']) {
    const list = selection[kind] || [];
    mix(list.length);
    for (let i = 0; i < list.length; i++) mix(list[i]);
  }
  const lines = selection.lines || [];
  mix(lines.length);
  for (let i = 0; i < lines.length; i++) { mix(lines[i][0]); mix(lines[i][1]); }
  return `${hash >>> 0}`;
}

// The points of `vertices` (an array of [x, y, z]) named by `indices`, as one
// flat array.
function flatten(vertices, indices) {
  const flat = new Float32Array(indices.length * 3);
  for (let i = 0; i < indices.length; i++) {
    const v = vertices[indices[i]];
    flat[3 * i] = v[0]; flat[3 * i + 1] = v[1]; flat[3 * i + 2] = v[2];
  }
  return flat;
}
