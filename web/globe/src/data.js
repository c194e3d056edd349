// The planet as geoweave embeds it in globe.html: a JSON object in the
// <script id="planet-data"> element, its big arrays in base64.
//
// Float layers are 512 x 256 (by default) geographic cells, rows from the
// north down, the centre of cell (x, y) at longitude -180 + (x + 0.5) * 360 / w
// and latitude 90 - (y + 0.5) * 180 / h: the cells of geoweave's layers/*.tif,
// so a value read here is the value GDAL reads there.

// Parses the data at once and decodes its arrays and picture in the
// background: the promise resolves when all are ready, planet.ground.bitmap
// then holding the picture as an ImageBitmap.
export async function readPlanet(doc) {
  const planet = JSON.parse(doc.getElementById('planet-data').textContent);
  const count = planet.grid.width * planet.grid.height;
  const decoded = planet.layers.filter((layer) => layer.values !== undefined).map(async (layer) => {
    layer.values = await unpackFloats(layer.values, count);
  });
  decoded.push((async () => {
    planet.rivers.segments = await unpackFloats(planet.rivers.segments, 6 * planet.rivers.count);
  })());
  decoded.push((async () => {
    // The picture's bytes as they are: no colour management, no alpha.
    const png = new Blob([base64Bytes(planet.ground.png)], { type: 'image/png' });
    planet.ground.bitmap = await createImageBitmap(png, { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
    delete planet.ground.png;
  })());
  await Promise.all(decoded);
  return planet;
}

export function base64Bytes(text) {
  const chars = atob(text);
  const bytes = new Uint8Array(chars.length);
  for (let i = 0; i < chars.length; ++i) bytes[i] = chars.charCodeAt(i);
  return bytes;
}

// count floats as geoweave packs them: base64 of the zlib-deflated bytes in
// four planes, every value's lowest (little-endian) byte first, its highest
// last; smooth maps deflate far better so.
async function unpackFloats(text, count) {
  const inflated = new Response(new Blob([base64Bytes(text)]).stream().pipeThrough(new DecompressionStream('deflate')));
  const planes = new Uint8Array(await inflated.arrayBuffer());
  if (planes.length !== 4 * count) throw new Error(`${planes.length / 4} values where ${count} belong`);
  const bytes = new Uint8Array(4 * count);
  for (let i = 0; i < count; ++i) {
    for (let b = 0; b < 4; ++b) bytes[4 * i + b] = planes[b * count + i];
  }
  const view = new DataView(bytes.buffer);
  const values = new Float32Array(count);
  for (let i = 0; i < count; ++i) values[i] = view.getFloat32(4 * i, true);
  return values;
}

// Longitude in [-180, 180) for any number of degrees.
export function wrapLongitude(lon) {
  return lon - 360 * Math.floor((lon + 180) / 360);
}

// The index of the cell that holds the place, as GDAL finds it: cells are
// closed on their west and north edges.
export function cellIndex(grid, lat, lon) {
  const x = Math.min(grid.width - 1, Math.floor(((wrapLongitude(lon) + 180) / 360) * grid.width));
  const y = Math.min(grid.height - 1, Math.max(0, Math.floor(((90 - lat) / 180) * grid.height)));
  return y * grid.width + x;
}

// The values blended between the four nearest cell centres (wrapping east to
// west, held at the outer rows): smooth relief for the globe's vertices.
export function sampleSmooth(values, grid, lat, lon) {
  const w = grid.width;
  const h = grid.height;
  const fx = ((wrapLongitude(lon) + 180) / 360) * w - 0.5;
  const fy = Math.min(h - 1, Math.max(0, ((90 - lat) / 180) * h - 0.5));
  const x0 = Math.floor(fx);
  const y0 = Math.min(h - 2, Math.floor(fy));
  const tx = fx - x0;
  const ty = fy - y0;
  const xa = (x0 + w) % w;
  const xb = (x0 + 1) % w;
  const top = values[y0 * w + xa] * (1 - tx) + values[y0 * w + xb] * tx;
  const bottom = values[(y0 + 1) * w + xa] * (1 - tx) + values[(y0 + 1) * w + xb] * tx;
  return top * (1 - ty) + bottom * ty;
}

// The colour of a value on a ramp of {value, rgb} stops in rising order:
// linear between neighbours, held beyond the ends. Two stops at one value
// make a sharp edge there; the value itself takes the upper colour.
export function rampColour(stops, value) {
  if (!(value > stops[0].value)) return stops[0].rgb;
  for (let i = 0; i + 1 < stops.length; ++i) {
    const a = stops[i];
    const b = stops[i + 1];
    if (value < b.value) {
      const t = (value - a.value) / (b.value - a.value);
      return a.rgb.map((c, k) => Math.round(c + (b.rgb[k] - c) * t));
    }
  }
  return stops[stops.length - 1].rgb;
}

// A short number for keys and readouts: significant digits, no float noise.
export function formatValue(value, digits) {
  if (value === 0) return '0';
  const text = Number(value.toPrecision(digits));
  const magnitude = Math.abs(text);
  return magnitude >= 1e-4 && magnitude < 1e7 ? String(text) : text.toExponential(digits - 1);
}
