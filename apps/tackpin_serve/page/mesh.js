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

  // The corners of a face in order: from its fan (c0 c1 c2, c0 c2 c3, ...),
  // or, for a face without triangles, from its own edges.
  faceCorners(f) {
    const first = this.faceFirstTriangle[f];
    if (first >= 0) {
      const corners = [this.triangles[3 * first], this.triangles[3 * first + 1]];
      for (let t = first; t < first + this.faceTriangleCount[f]; t++) corners.push(this.triangles[3 * t + 2]);
      return corners;
    }
    const lines = [];
    for (let e = 0; e < this.edgeCount; e++) {
      if (this.edgeLines[2 * e] === f) lines[this.edgeLines[2 * e + 1]] = this.edges[2 * e];
    }
    return lines.filter((v) => v !== undefined);
  }

  // The two vertex indices of line `line` of face `face`, or null.
  lineEnds(face, line) {
    if (face < 0 || face >= this.faceCount) return null;
    const corners = this.faceCorners(face);
    if (line < 0 || line >= corners.length) return null;
    return [corners[line], corners[(line + 1) % corners.length]];
  }

  // The edge index of a picked edge, as the host names it: [face, line].
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
        const corners = this.faceCorners(f);
        for (let k = 0; k < corners.length; k++) ends.push(corners[k], corners[(k + 1) % corners.length]);
      }
    }
    const flat = new Float32Array(ends.length * 3);
    for (let i = 0; i < ends.length; i++) flat.set(this.positions.subarray(3 * ends[i], 3 * ends[i] + 3), 3 * i);
    return flat;
  }
}
