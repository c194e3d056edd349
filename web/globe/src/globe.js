// The planet's sphere, its relief and its river lines, as three.js objects.
//
// The globe's frame: +Y is the north pole, +Z latitude 0 longitude 0 (the
// camera starts on +Z, so that place faces the viewer), +X longitude 90 east,
// so east is to the right with north up.
import {
  BufferAttribute,
  BufferGeometry,
  ClampToEdgeWrapping,
  Color,
  DataTexture,
  LineBasicMaterial,
  LineSegments,
  LinearFilter,
  LinearMipmapLinearFilter,
  Mesh,
  NearestFilter,
  RepeatWrapping,
  SRGBColorSpace,
  ShaderMaterial,
  Texture,
  Vector3,
} from 'three';

import { rampColour, sampleSmooth, wrapLongitude } from './data.js';

const DEG = Math.PI / 180;

// At 1x the planet's whole height range spans 0.3% of its radius, as Earth's
// 20 km from the deepest trench to the highest peak do of its 6371 km.
const RELIEF_AT_1X = 0.003;
// Lines ride this far (in radii) above the ground so the surface never hides
// them between its vertices.
const LINE_LIFT = 0.002;

// The unit vector towards a place, in the globe's frame.
export function direction(lat, lon) {
  const c = Math.cos(lat * DEG);
  return new Vector3(c * Math.sin(lon * DEG), Math.sin(lat * DEG), c * Math.cos(lon * DEG));
}

// The place (degrees) straight below a point, seen from the centre.
export function latLonOf(point) {
  const d = point.clone().normalize();
  return {
    lat: Math.asin(Math.max(-1, Math.min(1, d.y))) / DEG,
    lon: wrapLongitude(Math.atan2(d.x, d.z) / DEG),
  };
}

const vertexShader = /* glsl */ `
attribute float rise;
varying vec2 vUv;
varying vec3 vNormal;
varying vec3 vDirection;
varying float vRise;
void main() {
  vUv = uv;
  vNormal = normalize(normalMatrix * normal);
  vDirection = normalize(position);
  vRise = rise;
  gl_Position = projectionMatrix * modelViewMatrix * vec4(position, 1.0);
}`;

// Colours are the pictures' sRGB bytes lit as they are: the ground-cover map
// already carries its own relief shading, and a point facing the viewer shows
// exactly the map's colour.
const fragmentShader = /* glsl */ `
uniform sampler2D groundMap;
uniform vec4 groundPlace;  // u scale, u offset, v scale, v offset
uniform sampler2D layerMap;
uniform bool showLayer;
uniform bool showSea;
uniform bool showGraticule;
uniform float seaDepth;  // sea level less the deepest floor
varying vec2 vUv;
varying vec3 vNormal;
varying vec3 vDirection;
varying float vRise;

// 0 away from a line every 'step' degrees of 'angle', 1 on it, about a pixel
// wide whatever the zoom.
float gridLine(float angle, float step) {
  float offset = abs(fract(angle / step + 0.5) - 0.5) * step;
  return 1.0 - smoothstep(0.5, 1.5, offset / max(fwidth(angle), 1e-4));
}

void main() {
  vec3 colour;
  if (showLayer) {
    colour = texture2D(layerMap, vUv).rgb;
  } else if (!showSea && vRise < 0.0) {
    // Bare sea floor, darker with depth.
    float depth = seaDepth > 0.0 ? clamp(-vRise / seaDepth, 0.0, 1.0) : 0.0;
    colour = mix(vec3(0.62, 0.56, 0.47), vec3(0.16, 0.14, 0.13), depth);
  } else {
    colour = texture2D(groundMap, vUv * groundPlace.xz + groundPlace.yw).rgb;
  }
  float light = max(dot(normalize(vNormal), vec3(0.0, 0.0, 1.0)), 0.0);
  colour *= 0.35 + 0.65 * light;
  if (showGraticule) {
    float lat = degrees(asin(clamp(vDirection.y, -1.0, 1.0)));
    float lon = degrees(atan(vDirection.x, vDirection.z));
    float line = max(gridLine(lat, 30.0), gridLine(lon, 30.0));
    colour = mix(colour, vec3(1.0), 0.6 * line);
  }
  gl_FragColor = vec4(colour, 1.0);
}`;

// The ground-cover picture as a texture. Its column x lies at longitude
// 360 x / width (column 0 on the prime meridian) and its rows run from the
// north pole (top row) to the south pole (bottom row), both ends on the poles.
export function groundTexture(bitmap) {
  const texture = new Texture(bitmap);
  // An ImageBitmap cannot be flipped on upload: rows stay top first, which
  // the globe's v (0 at the north pole) expects.
  texture.flipY = false;
  texture.wrapS = RepeatWrapping;
  texture.wrapT = ClampToEdgeWrapping;
  texture.magFilter = LinearFilter;
  texture.minFilter = LinearMipmapLinearFilter;
  texture.anisotropy = 4;
  texture.needsUpdate = true;
  return texture;
}

// A float layer painted with its ramp, one texel per cell, unblended so the
// colours under the pointer are those of the cell the readout names.
export function layerTexture(layer, grid) {
  const pixels = new Uint8Array(grid.width * grid.height * 4);
  layer.values.forEach((value, i) => {
    pixels.set(rampColour(layer.stops, value), 4 * i);
    pixels[4 * i + 3] = 255;
  });
  const texture = new DataTexture(pixels, grid.width, grid.height);
  texture.wrapS = RepeatWrapping;
  texture.magFilter = NearestFilter;
  texture.minFilter = NearestFilter;
  texture.needsUpdate = true;
  return texture;
}

export class Globe {
  // elevation: the layer of bedrock heights; statistics: the planet's figures;
  // ground: the ground-cover picture (an ImageBitmap); columns x rows: the
  // sphere's quads.
  constructor(elevation, grid, statistics, ground, columns, rows) {
    this.columns = columns;
    this.rows = rows;
    const count = (columns + 1) * (rows + 1);
    this.directions = new Float32Array(3 * count);
    // Height above sea level of each vertex, in height units.
    this.rise = new Float32Array(count);
    const uvs = new Float32Array(2 * count);
    const values = elevation.values;
    for (let j = 0; j <= rows; ++j) {
      const lat = 90 - (180 * j) / rows;
      const cosLat = Math.cos(lat * DEG);
      const sinLat = Math.sin(lat * DEG);
      let rowSum = 0;
      for (let i = 0; i <= columns; ++i) {
        const lon = -180 + (360 * i) / columns;
        const k = j * (columns + 1) + i;
        // direction(lat, lon), written out: this runs for every vertex.
        this.directions[3 * k] = cosLat * Math.sin(lon * DEG);
        this.directions[3 * k + 1] = sinLat;
        this.directions[3 * k + 2] = cosLat * Math.cos(lon * DEG);
        uvs[2 * k] = i / columns;
        uvs[2 * k + 1] = j / rows;
        this.rise[k] = sampleSmooth(values, grid, lat, lon) - statistics.seaLevel;
        rowSum += this.rise[k];
      }
      // A pole is one place: every vertex on it takes the same height.
      if (j === 0 || j === rows) {
        this.rise.fill(rowSum / (columns + 1), j * (columns + 1), (j + 1) * (columns + 1));
      }
    }
    const indices = new Uint32Array(6 * columns * rows);
    let n = 0;
    for (let j = 0; j < rows; ++j) {
      for (let i = 0; i < columns; ++i) {
        const a = j * (columns + 1) + i;
        const b = a + columns + 1;
        indices[n++] = a;
        indices[n++] = b;
        indices[n++] = a + 1;
        indices[n++] = a + 1;
        indices[n++] = b;
        indices[n++] = b + 1;
      }
    }
    this.geometry = new BufferGeometry();
    this.geometry.setIndex(new BufferAttribute(indices, 1));
    this.geometry.setAttribute('position', new BufferAttribute(new Float32Array(3 * count), 3));
    this.geometry.setAttribute('normal', new BufferAttribute(new Float32Array(3 * count), 3));
    this.geometry.setAttribute('uv', new BufferAttribute(uvs, 2));
    this.geometry.setAttribute('rise', new BufferAttribute(this.rise, 1));

    // The globe's u runs from longitude -180 and v from the north pole; the
    // picture's column x sits at longitude 360 x / w and its row y at
    // latitude 90 - 180 y / (h - 1). Texel centres are half a texel in.
    const w = ground.width;
    const h = ground.height;
    this.material = new ShaderMaterial({
      vertexShader,
      fragmentShader,
      uniforms: {
        groundMap: { value: groundTexture(ground) },
        groundPlace: { value: [1, 0.5 / w - 0.5, (h - 1) / h, 0.5 / h] },
        layerMap: { value: null },
        showLayer: { value: false },
        showSea: { value: true },
        showGraticule: { value: false },
        seaDepth: { value: statistics.seaLevel - statistics.elevationMin },
      },
    });
    this.mesh = new Mesh(this.geometry, this.material);
    const range = statistics.elevationMax - statistics.elevationMin;
    this.reliefPerUnit = range > 0 ? RELIEF_AT_1X / range : 0;
  }

  // The radius of a point that rises this far above sea level.
  radius(rise) {
    const shown = this.showSea && rise < 0 ? 0 : rise;
    return 1 + this.exaggeration * this.reliefPerUnit * shown;
  }

  // Raises the relief by the exaggeration (0 to 100) over the sea surface or,
  // with the sea hidden, over the floor beneath it.
  setRelief(exaggeration, showSea) {
    this.exaggeration = exaggeration;
    this.showSea = showSea;
    this.material.uniforms.showSea.value = showSea;
    const position = this.geometry.attributes.position;
    const out = position.array;
    for (let k = 0; k < this.rise.length; ++k) {
      const r = this.radius(this.rise[k]);
      out[3 * k] = this.directions[3 * k] * r;
      out[3 * k + 1] = this.directions[3 * k + 1] * r;
      out[3 * k + 2] = this.directions[3 * k + 2] * r;
    }
    position.needsUpdate = true;
    this.placeNormals();
    this.geometry.computeBoundingSphere();
  }

  // Each vertex's normal from its neighbours across (east less west) and
  // along (north less south) the grid, crossed: the seam's two columns see the
  // same neighbours and get the same normal, so the lighting shows no seam. A
  // pole, where the grid folds to a point, faces straight out.
  placeNormals() {
    const p = this.geometry.attributes.position.array;
    const normals = this.geometry.attributes.normal;
    const out = normals.array;
    const width = this.columns + 1;
    for (let j = 0; j <= this.rows; ++j) {
      for (let i = 0; i <= this.columns; ++i) {
        const k = j * width + i;
        if (j === 0 || j === this.rows) {
          for (let c = 0; c < 3; ++c) out[3 * k + c] = this.directions[3 * k + c];
          continue;
        }
        const east = 3 * (j * width + (i === this.columns ? 1 : i + 1));
        const west = 3 * (j * width + (i === 0 ? this.columns - 1 : i - 1));
        const north = 3 * (k - width);
        const south = 3 * (k + width);
        const ax = p[east] - p[west];
        const ay = p[east + 1] - p[west + 1];
        const az = p[east + 2] - p[west + 2];
        const bx = p[north] - p[south];
        const by = p[north + 1] - p[south + 1];
        const bz = p[north + 2] - p[south + 2];
        const nx = ay * bz - az * by;
        const ny = az * bx - ax * bz;
        const nz = ax * by - ay * bx;
        const length = Math.hypot(nx, ny, nz);
        out[3 * k] = nx / length;
        out[3 * k + 1] = ny / length;
        out[3 * k + 2] = nz / length;
      }
    }
    normals.needsUpdate = true;
  }

  showLayer(texture) {
    this.material.uniforms.layerMap.value = texture;
    this.material.uniforms.showLayer.value = texture !== null;
  }

  showGraticule(on) {
    this.material.uniforms.showGraticule.value = on;
  }
}

// The river segments as lines just above the ground; the major ones (from
// a flow of majorThreshold on) brighter than the rest.
export class RiverLines {
  constructor(rivers, elevation, grid, statistics) {
    const segments = rivers.segments;  // lonFrom, latFrom, flowFrom, lonTo, latTo, flowTo
    const count = segments.length / 6;
    this.ends = [];
    const colours = new Float32Array(6 * count);
    // three.js takes vertex colours as linear light; these are sRGB.
    const minor = new Color().setRGB(40 / 255, 110 / 255, 230 / 255, SRGBColorSpace).toArray();
    const major = new Color().setRGB(90 / 255, 180 / 255, 255 / 255, SRGBColorSpace).toArray();
    for (let s = 0; s < count; ++s) {
      for (let e = 0; e < 2; ++e) {
        const lon = 360 * segments[6 * s + 3 * e];
        const lat = 180 * segments[6 * s + 3 * e + 1] - 90;
        const rise = sampleSmooth(elevation.values, grid, lat, lon) - statistics.seaLevel;
        this.ends.push({ direction: direction(lat, lon), rise });
      }
      const colour = segments[6 * s + 2] >= rivers.majorThreshold ? major : minor;
      colours.set(colour, 6 * s);
      colours.set(colour, 6 * s + 3);
    }
    this.geometry = new BufferGeometry();
    this.geometry.setAttribute('position', new BufferAttribute(new Float32Array(6 * count), 3));
    this.geometry.setAttribute('color', new BufferAttribute(colours, 3));
    this.lines = new LineSegments(this.geometry, new LineBasicMaterial({ vertexColors: true }));
  }

  // Follows the globe's relief.
  place(globe) {
    const position = this.geometry.attributes.position;
    this.ends.forEach((end, k) => {
      const r = globe.radius(end.rise) + LINE_LIFT;
      position.setXYZ(k, end.direction.x * r, end.direction.y * r, end.direction.z * r);
    });
    position.needsUpdate = true;
    this.geometry.computeBoundingSphere();
  }
}
