// The browser test of globe.html: makes the default planet's files with the
// built programs, opens the page in headless Chromium (WebGL on SwiftShader)
// from file:// with the network off, and checks what a user would see and
// read against geoweave's own files: the ground-cover picture and GDAL's
// reading of layers/*.tif.
//
// Usage: node globe_test.mjs GEOWEAVE ARTIFACTS_DIR
// (CHROMIUM overrides /usr/bin/chromium). Exits 1 when a check fails.
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { inflateSync } from 'node:zlib';

import puppeteer from 'puppeteer-core';

import { rampColour } from '../src/data.js';
import { decodePng } from './png.mjs';

const [geoweave, artifacts] = process.argv.slice(2);
if (artifacts === undefined) {
  console.error('usage: node globe_test.mjs GEOWEAVE ARTIFACTS_DIR');
  process.exit(2);
}
const chromium = process.env.CHROMIUM ?? '/usr/bin/chromium';
mkdirSync(artifacts, { recursive: true });

let failures = 0;
function check(ok, what, detail = '') {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}${detail ? `: ${detail}` : ''}`);
  if (!ok) ++failures;
  return ok;
}

// The default planet's files, the page among them; a run without the page
// beside it tells roughly what the page adds.
const work = mkdtempSync(join(tmpdir(), 'geoweave-globe-'));
const seconds = (args) => {
  const started = Date.now();
  execFileSync(geoweave, args, { stdio: 'inherit' });
  return (Date.now() - started) / 1000;
};
const withoutPage = seconds(['--out', join(work, 'plain'), '--geotiff', '--quiet']);
const withPage = seconds(['--out', work, '--geotiff', '--globe', '--quiet']);
console.log(`geoweave --geotiff: ${withoutPage.toFixed(2)} s, with --globe: ${withPage.toFixed(2)} s`);
const pagePath = join(work, 'globe.html');
const record = JSON.parse(readFileSync(join(work, 'planet.json'), 'utf8'));
check(record.files.includes('globe.html') && record.settings.globe === true, 'planet.json lists globe.html');
const pageBytes = statSync(pagePath).size;
check(pageBytes <= 12e6, 'the default planet\'s page is at most 12 MB', `${pageBytes} bytes`);

// The page's own data, for the expected colours.
const html = readFileSync(pagePath, 'utf8');
const data = JSON.parse(html.match(/<script id="planet-data" type="application\/json">(.*?)<\/script>/s)[1]);
const groundPicture = decodePng(Buffer.from(data.ground.png, 'base64'));

// A layer's floats: base64 of the deflated bytes in four planes, lowest
// (little-endian) byte first.
function unpackFloats(text) {
  const planes = inflateSync(Buffer.from(text, 'base64'));
  const count = planes.length / 4;
  const view = new DataView(new ArrayBuffer(4));
  return Float32Array.from({ length: count }, (_, i) => {
    for (let b = 0; b < 4; ++b) view.setUint8(b, planes[b * count + i]);
    return view.getFloat32(0, true);
  });
}

// GDAL's value of a layer at a place, as `gdallocationinfo` reads the file.
function gdalValue(layer, lat, lon) {
  const text = execFileSync('gdallocationinfo', ['-wgs84', '-valonly', join(work, 'layers', `${layer}.tif`),
    String(lon), String(lat)], { encoding: 'utf8' });
  return Number(text.trim());
}

// The ground picture's colours around a place: the four texels a bilinear
// lookup blends and their neighbours (column x at longitude 360 x / w, row y
// at latitude 90 - 180 y / (h - 1)).
function groundColours(lat, lon) {
  const { width: w, height: h } = groundPicture;
  const fx = (((lon % 360) + 360) % 360) / 360 * w;
  const fy = (90 - lat) / 180 * (h - 1);
  const colours = [];
  for (let y = Math.floor(fy) - 1; y <= Math.ceil(fy) + 1; ++y) {
    for (let x = Math.floor(fx) - 1; x <= Math.ceil(fx) + 1; ++x) {
      colours.push(groundPicture.at((x + w) % w, Math.min(h - 1, Math.max(0, y))));
    }
  }
  return colours;
}

// Whether a screen colour lies within the range of these colours (each
// channel between their least and greatest: filtering blends neighbours), lit
// at between 'dimmest' and full strength (the globe darkens away from the
// point that faces the viewer), give or take a few levels.
function matches(pixel, colours, dimmest = 0.9, slack = 8) {
  return pixel.every((p, k) => {
    const channel = colours.map((c) => c[k]);
    return p >= Math.min(...channel) * dimmest - slack && p <= Math.max(...channel) + slack;
  });
}

function difference(a, b) {
  let changed = 0;
  for (let y = 0; y < a.height; y += 2) {
    for (let x = 0; x < a.width; x += 2) {
      const p = a.at(x, y);
      const q = b.at(x, y);
      if (p.some((v, k) => Math.abs(v - q[k]) > 8)) ++changed;
    }
  }
  return changed / ((a.width / 2) * (a.height / 2));
}

const profile = mkdtempSync(join(tmpdir(), 'geoweave-chromium-'));
const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: true,
  args: [
    '--headless=new', '--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
    '--disable-gpu-sandbox', '--disable-background-networking', '--disable-component-update',
    '--no-first-run', '--disable-sync',
    `--user-data-dir=${profile}`,
  ],
});
const problems = [];
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1000, height: 700, deviceScaleFactor: 1, hasTouch: true });
  await page.setOfflineMode(true);
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    const url = request.url();
    if (url.startsWith('file:') || url.startsWith('data:') || url.startsWith('blob:')) {
      request.continue();
    } else {
      problems.push(`request to ${url}`);
      request.abort();
    }
  });
  page.on('requestfailed', (request) => problems.push(`failed request ${request.url()}`));
  page.on('console', (message) => {
    if (message.type() === 'error' || message.type() === 'warn') {
      problems.push(`console ${message.type()}: ${message.text()}`);
    }
  });
  page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));

  // The time from asking for the page to a screenshot that shows the planet
  // in the middle of the window (the background there is #05070d).
  const opened = Date.now();
  await page.goto(`file://${pagePath}`);
  let shownMs = null;
  while (shownMs === null && Date.now() - opened < 20000) {
    const corner = await page.screenshot({ clip: { x: 498, y: 348, width: 4, height: 4 } });
    const middle = decodePng(corner).at(2, 2);
    if (middle.some((v, k) => Math.abs(v - [5, 7, 13][k]) > 4)) shownMs = Date.now() - opened;
  }
  // The time is reported, not held to 2 s: a machine shared with other work
  // would make that a coin toss. The page must show the planet at all.
  check(shownMs !== null, 'the planet shows (within 20 s) after opening', `${shownMs} ms`);
  console.log(`time to the first frame showing the planet: ${shownMs} ms`);
  await page.waitForSelector('html[data-ready]', { timeout: 20000 });
  const title = await page.title();
  check(title === `Geoweave planet, seed ${data.settings.seed}`, 'the title names the seed', title);

  // Two animation frames: the page draws in the first after a change.
  const settle = () =>
    page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
  const shot = async (name) => {
    await settle();
    const bytes = await page.screenshot(name ? { path: join(artifacts, name) } : {});
    return decodePng(bytes);
  };
  const cx = 500;
  const cy = 350;
  // Where the readout puts the pointer, and the values it shows there.
  const readAt = async (x, y) => {
    await page.mouse.move(x, y);
    const shows = (at) => document.getElementById('readout').dataset.at === at;
    await page.waitForFunction(shows, {}, `${x},${y}`);
    return page.$$eval('#readout td.value', (cells) => cells.map((c) => c.textContent));
  };
  const setControl = (id, value) => page.evaluate((id, value) => {
    const input = document.getElementById(id);
    if (input.type === 'checkbox') input.checked = value;
    else input.value = value;
    input.dispatchEvent(new Event(input.type === 'range' ? 'input' : 'change'));
  }, id, value);

  // The first view: north up, latitude 0 longitude 0 in the middle.
  const first = await shot('globe-first-view.png');
  check(matches(first.at(cx, cy), groundColours(0, 0), 0.97),
    'the middle of the first view has the ground colour of 0°, 0°',
    `screen ${first.at(cx, cy)}, picture ${groundColours(0, 0)[4]}`);
  const middle = (await readAt(cx, cy)).map(Number);
  check(Math.abs(middle[0]) < 0.2 && Math.abs(middle[1]) < 0.2, 'the readout in the middle says 0°, 0°',
    `${middle[0]}, ${middle[1]}`);
  const east = (await readAt(cx + 100, cy)).map(Number);
  check(east[1] > 5 && Math.abs(east[0]) < 1, 'east lies to the right', `${east[0]}, ${east[1]}`);
  const north = (await readAt(cx, cy - 100)).map(Number);
  check(north[0] > 5 && Math.abs(north[1]) < 1, 'north lies up', `${north[0]}, ${north[1]}`);

  // Each control changes the picture, and undoing it restores it.
  const base = await shot();
  const controls = [['graticule', true, false], ['rivers', false, true], ['sea', false, true], ['relief', 100, 10]];
  for (const [id, on, off] of controls) {
    await setControl(id, on);
    const changed = difference(base, await shot(`globe-${id}.png`));
    await setControl(id, off);
    const restored = difference(base, await shot());
    check(changed > 0.001 && restored === 0, `the ${id} control changes the picture`,
      `${(100 * changed).toFixed(2)}% changed, ${(100 * restored).toFixed(2)}% after undoing`);
  }

  // Each layer paints the globe with its ramp and shows its key.
  // The middle of the view is 0°, 0°, where these four cells (row, column) meet.
  const cells = [[127, 255], [127, 256], [128, 255], [128, 256]];
  for (const layer of data.layers.filter((l) => l.values !== undefined)) {
    await page.select('#layer', layer.id);
    const view = await shot(layer.id === 'temperature' ? 'globe-temperature.png' : undefined);
    const values = unpackFloats(layer.values);
    const expected = cells.map(([y, x]) => rampColour(layer.stops, values[y * data.grid.width + x]));
    check(matches(view.at(cx, cy), expected, 0.97, 3), `the ${layer.id} layer shows its ramp's colour in the middle`,
      `screen ${view.at(cx, cy)}, ramp ${expected.join(' | ')}`);
    check(difference(base, view) > 0.2, `the ${layer.id} layer recolours the globe`);
    const key = await page.$eval('#key', (box) => ({
      text: box.textContent,
      labels: box.querySelectorAll('.ramp-labels span').length,
      bar: box.querySelector('.ramp')?.style.background ?? '',
    }));
    const distinct = new Set(layer.stops.map((s) => s.value)).size;
    const named = key.text.includes(layer.title) && key.text.includes(layer.unit);
    check(named && key.labels === distinct && key.bar.includes('gradient'),
      `the ${layer.id} key shows its stops and unit`, JSON.stringify(key.text));
  }
  await page.select('#layer', 'ground');
  check(difference(base, await shot()) === 0, 'ground cover comes back');

  // Without relief and river lines, every place near the middle shows the
  // ground colour of where the readout says it is.
  await setControl('relief', 0);
  await setControl('rivers', false);
  const flat = await shot();
  const wrong = [];
  for (let dy = -100; dy <= 100; dy += 40) {
    for (let dx = -100; dx <= 100; dx += 40) {
      const [lat, lon] = (await readAt(cx + dx, cy + dy)).map(Number);
      const pixel = flat.at(cx + dx, cy + dy);
      if (!matches(pixel, groundColours(lat, lon))) wrong.push(`(${dx}, ${dy}) at ${lat}, ${lon}: ${pixel}`);
    }
  }
  check(wrong.length === 0, `36 places show the ground colour of the place the readout names`, wrong.join('; '));

  // The readout's values are GDAL's reading of layers/*.tif at its place.
  const fields = data.layers.filter((l) => l.values !== undefined).map((l) => l.id);
  const mismatches = [];
  for (const [dx, dy] of [[0, 0], [60, 60], [-60, 20], [100, -100], [20, 60]]) {
    const shown = await readAt(cx + dx, cy + dy);
    const [lat, lon] = shown.slice(0, 2).map(Number);
    fields.forEach((field, i) => {
      const gdal = gdalValue(field, lat, lon);
      const ours = Number(shown[i + 2]);
      // The page shows five significant digits.
      if (!(Math.abs(ours - gdal) <= 5e-5 * Math.abs(gdal) + 1e-30)) {
        mismatches.push(`${field} at ${lat}, ${lon}: page ${shown[i + 2]}, GDAL ${gdal}`);
      }
    });
  }
  check(mismatches.length === 0, 'the readout equals gdallocationinfo at 5 places for 6 layers', mismatches.join('; '));
  await setControl('relief', 10);
  await setControl('rivers', true);

  // A drag to the right turns the planet: western places come to the middle.
  const before = await shot();
  await page.mouse.move(cx, cy);
  await page.mouse.down();
  await page.mouse.move(cx + 150, cy, { steps: 10 });
  await page.mouse.up();
  const dragged = await shot();
  const turned = (await readAt(cx, cy)).map(Number);
  check(difference(before, dragged) > 0.2 && turned[1] < -5, 'a drag to the right turns the planet',
    `middle now at ${turned[0]}, ${turned[1]}`);

  // One finger dragged to the left turns it back east.
  await page.touchscreen.touchStart(cx, cy);
  for (let step = 1; step <= 10; ++step) await page.touchscreen.touchMove(cx - 15 * step, cy);
  await page.touchscreen.touchEnd();
  await settle();
  const touched = (await readAt(cx + 1, cy)).map(Number);
  check(touched[1] > turned[1] + 5, 'a touch drag turns the planet', `middle now at ${touched[0]}, ${touched[1]}`);

  // The wheel zooms in: the globe grows across the middle row.
  const extent = (picture) => {
    let lit = 0;
    for (let x = 0; x < picture.width; ++x) if (picture.at(x, cy).some((v) => v > 30)) ++lit;
    return lit;
  };
  const unzoomed = await shot();
  await page.mouse.move(cx, cy);
  await page.mouse.wheel({ deltaY: -300 });
  const zoomed = await shot();
  check(extent(zoomed) > extent(unzoomed) + 50, 'the wheel zooms in',
    `${extent(unzoomed)} -> ${extent(zoomed)} lit pixels across`);
} finally {
  await browser.close();
  rmSync(work, { recursive: true, force: true });
  rmSync(profile, { recursive: true, force: true });
}
check(problems.length === 0, 'no console error, no request but file:, data: and blob:, no failed request',
  problems.join('; '));
console.log(failures === 0 ? 'globe test passed' : `globe test: ${failures} check(s) failed`);
process.exit(failures === 0 ? 0 : 1);
