// A mesh object as GET /api/mesh/ID sends it: typed arrays straight over the
// binary answer (no object per face, so that a million faces stay cheap), and
// the few look-ups the view and the picking need.

export async function fetchMesh(id, meshVersion) {
  const response = await fetch(`/api/mesh/${id}?v=${meshVersion}`);
  if (!response.ok) return null;
  return new MeshData(await response.arrayBuffer());
}

export class MeshData {
  // Five uint32 counts (vertex slots, triangles, edges, faces, reserved),
  // then positions, triangles, the face of each triangle, edges, and the
  // face and line of each edge; all little-endian.
  constructor(buffer) {
    const [vertexCount, triangleCount, edgeCount, faceCount] = new Uint32Array(buffer, 0, 5);
    Object.assign(this, { vertexCount, triangleCount, edgeCount, faceCount });
    let offset = 20;
    const take = (Type, length) => {
      const array = new Type(buffer, offset, length);
      offset += length * 4;
      return array;
    };
    this.positions = take(Float32Array, 3 * vertexCount);
    this.triangles = take(Uint32Array, 3 * triangleCount);
    this.triangleFaces = take(Uint32Array, triangleCount);
    this.edges = take(Uint32Array, 2 * edgeCount);
    this.edgeLines = take(Uint32Array, 2 * edgeCount);
    if (offset > buffer.byteLength) throw new Error('mesh answer shorter than its counts');

    // Each face's triangles are consecutive: the first one and how many.
    this.faceFirstTriangle = new Int32Array(faceCount).fill(-1);
    this.faceTriangleCount = new Uint32Array(faceCount);
    for (let t = 0; t < triangleCount; t++) {
      const f = this.triangleFaces[t];
      if (this.faceFirstTriangle[f] < 0) this.faceFirstTriangle[f] = t;
      this.faceTriangleCount[f]++;
    }
    // Each face's lines in order: faceLines[faceLineStart[f] + line] is the
    // edge of that line (a counting sort of the edges by face and line).
    this.faceLineStart = new Uint32Array(faceCount + 1);
    for (let e = 0; e < edgeCount; e++) this.faceLineStart[this.edgeLines[2 * e] + 1]++;
    for (let f = 0; f < faceCount; f++) this.faceLineStart[f + 1] += this.faceLineStart[f];
    this.faceLines = new Uint32Array(edgeCount);
    for (let e = 0; e < edgeCount; e++) {
      const f = this.edgeLines[2 * e], line = this.edgeLines[2 * e + 1];
      if (f < faceCount) this.faceLines[this.faceLineStart[f] + line] = e;
    }
    // Vertex slots that no face uses are not drawn or picked.
    const used = new Uint8Array(vertexCount);
    for (let i = 0; i < this.triangles.length; i++) used[this.triangles[i]] = 1;
    for (let i = 0; i < this.edges.length; i++) used[this.edges[i]] = 1;
    let count = 0;
    for (let v = 0; v < vertexCount; v++) count += used[v];
    this.usedVertices = new Uint32Array(count);
    for (let v = 0, k = 0; v < vertexCount; v++) if (used[v]) this.usedVertices[k++] = v;
  }

  // The triangle indices of the given faces, for a mesh of those faces only.
  trianglesOfFaces(faces) {
    let total = 0;
    for (const f of faces) total += this.faceTriangleCount[f];
    const index = new Uint32Array(total * 3);
    let k = 0;
    for (const f of faces) {
      const first = this.faceFirstTriangle[f];
      if (first < 0) continue;
      index.set(this.triangles.subarray(3 * first, 3 * (first + this.faceTriangleCount[f])), k);
      k += 3 * this.faceTriangleCount[f];
    }
    return index;
  }

  // The corners of a face in order: where each of its lines starts.
  faceCorners(f) {
    const corners = [];
    for (let i = this.faceLineStart[f]; i < this.faceLineStart[f + 1]; i++) corners.push(this.edges[2 * this.faceLines[i]]);
    return corners;
  }

  // The two vertex indices of line `line` of face `face`, or null.
  lineEnds(face, line) {
    if (face < 0 || face >= this.faceCount) return null;
    const i = this.faceLineStart[face] + line;
    if (line < 0 || i >= this.faceLineStart[face + 1]) return null;
    const e = this.faceLines[i];
    return [this.edges[2 * e], this.edges[2 * e + 1]];
  }

  // A picked edge as the host names it: [face, line].
  edgeName(e) {
    return [this.edgeLines[2 * e], this.edgeLines[2 * e + 1]];
  }

  // Flat positions (six floats a segment) of the given lines and of the
  // outlines of the given faces, as the host outlines a selected face. The
  // outlines of a very large selection are left out: its shading shows it.
  segmentsOfLines(lines, faces) {
    const ends = [];
    for (const [face, line] of lines) {
      const pair = this.lineEnds(face, line);
      if (pair) ends.push(pair[0], pair[1]);
    }
    if (faces.length <= 20000) {
      for (const f of faces) {
        for (let i = this.faceLineStart[f]; i < this.faceLineStart[f + 1]; i++) {
          const e = this.faceLines[i];
          ends.push(this.edges[2 * e], this.edges[2 * e + 1]);
        }
      }
    }
    const flat = new Float32Array(ends.length * 3);
    for (let i = 0; i < ends.length; i++) flat.set(this.positions.subarray(3 * ends[i], 3 * ends[i] + 3), 3 * i);
    return flat;
  }
}
