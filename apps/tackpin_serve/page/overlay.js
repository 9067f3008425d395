// Wide lines and round dots of a fixed size in pixels, for the plug-in's
// drawing objects and the host's selection: WebGL draws lines one pixel
// wide, which a marker over a shaded mesh would not survive. A segment is an
// instanced quad spread across its direction on the screen.
import * as THREE from 'three';

// Shared by every overlay material, set when the canvas changes size.
const shared = {
  resolution: { value: new THREE.Vector2(1, 1) },
  pixelRatio: { value: 1 },
};

// Above this many segments plain one-pixel lines are drawn: at that density
// they cover the surface anyway, and the quads would cost too much memory.
const WIDE_LINE_LIMIT = 200000;

const lineVertexShader = /* glsl */ `
  attribute vec3 segmentStart;
  attribute vec3 segmentEnd;
  uniform vec2 resolution;
  uniform float width;
  void main() {
    vec4 a = projectionMatrix * modelViewMatrix * vec4(segmentStart, 1.0);
    vec4 b = projectionMatrix * modelViewMatrix * vec4(segmentEnd, 1.0);
    vec2 direction = (b.xy / b.w - a.xy / a.w) * resolution;
    direction = length(direction) > 0.0 ? normalize(direction) : vec2(1.0, 0.0);
    vec2 across = vec2(-direction.y, direction.x);
    // position.x: which end (0 or 1); position.y: which side (-1 or 1).
    vec4 p = position.x < 0.5 ? a : b;
    float along = position.x < 0.5 ? -0.5 : 0.5;
    vec2 offset = (across * position.y * 0.5 + direction * along) * width / resolution * 2.0;
    p.xy += offset * p.w;
    gl_Position = p;
  }`;

const pointVertexShader = /* glsl */ `
  uniform float size;
  uniform float pixelRatio;
  void main() {
    gl_Position = projectionMatrix * modelViewMatrix * vec4(position, 1.0);
    gl_PointSize = size * pixelRatio;
  }`;

const colourFragmentShader = /* glsl */ `
  uniform vec3 colour;
  uniform float opacity;
  uniform bool round;
  void main() {
    if (round) {
      vec2 c = gl_PointCoord - vec2(0.5);
      if (dot(c, c) > 0.25) discard;
    }
    gl_FragColor = vec4(colour, opacity);
  }`;

function material(vertexShader, colour, opacity, uniforms, depthTest, round) {
  return new THREE.ShaderMaterial({
    vertexShader,
    fragmentShader: colourFragmentShader,
    uniforms: {
      ...uniforms,
      colour: { value: new THREE.Color(...colour) },
      opacity: { value: opacity },
      round: { value: round },
    },
    // All overlays are drawn in the transparent pass, so that their
    // renderOrder (rim first, colour over it) holds among them.
    transparent: true,
    depthTest,
    depthWrite: false,
  });
}

export const FatLines = {
  get resolution() { return shared.resolution.value; },

  // `flat`: six floats a segment (start, end).
  make(flat, colour, opacity, width, { depthTest = false } = {}) {
    const count = flat.length / 6;
    if (count > WIDE_LINE_LIMIT) {
      const geometry = new THREE.BufferGeometry();
      geometry.setAttribute('position', new THREE.BufferAttribute(flat, 3));
      const lines = new THREE.LineSegments(geometry, new THREE.LineBasicMaterial({
        color: new THREE.Color(...colour), transparent: opacity < 1, opacity, depthTest, depthWrite: false,
      }));
      lines.frustumCulled = false;
      return lines;
    }
    const geometry = new THREE.InstancedBufferGeometry();
    geometry.setAttribute('position', new THREE.Float32BufferAttribute([0, -1, 0, 0, 1, 0, 1, -1, 0, 1, 1, 0], 3));
    geometry.setIndex([0, 2, 1, 2, 3, 1]);
    const buffer = new THREE.InstancedInterleavedBuffer(flat, 6, 1);
    geometry.setAttribute('segmentStart', new THREE.InterleavedBufferAttribute(buffer, 3, 0));
    geometry.setAttribute('segmentEnd', new THREE.InterleavedBufferAttribute(buffer, 3, 3));
    geometry.instanceCount = count;
    const mesh = new THREE.Mesh(geometry, material(lineVertexShader, colour, opacity,
      { resolution: shared.resolution, width: { value: width } }, depthTest, false));
    mesh.frustumCulled = false;
    return mesh;
  },
};

export const RoundPoints = {
  set pixelRatio(ratio) { shared.pixelRatio.value = ratio; },

  material(colour, opacity, size, depthTest) {
    return material(pointVertexShader, colour, opacity,
      { size: { value: size }, pixelRatio: shared.pixelRatio }, depthTest, true);
  },

  // `flat`: three floats a point.
  make(flat, colour, opacity, size, { depthTest = false } = {}) {
    const geometry = new THREE.BufferGeometry();
    geometry.setAttribute('position', new THREE.BufferAttribute(flat, 3));
    const points = new THREE.Points(geometry, this.material(colour, opacity, size, depthTest));
    points.frustumCulled = false;
    return points;
  },
};
