// The page's panels: the layer menu, the colour key, the readout under the
// pointer and the planet's figures. Plain DOM; the elements are in the page.
import { cellIndex, formatValue } from './data.js';

function element(tag, text, className) {
  const e = document.createElement(tag);
  if (text !== undefined) e.textContent = text;
  if (className !== undefined) e.className = className;
  return e;
}

function cssColour(rgb) {
  return `rgb(${rgb[0]}, ${rgb[1]}, ${rgb[2]})`;
}

export function fillLayerMenu(select, layers) {
  for (const layer of layers) {
    const option = element('option', layer.title);
    option.value = layer.id;
    select.append(option);
  }
}

// A ramp's key: its stops spaced evenly along a bar (stops at one value
// share a place, a sharp edge), each labelled with its value. Ground cover,
// which has no values, lists its colours instead.
export function showKey(box, layer) {
  box.replaceChildren(element('div', layer.title + (layer.unit ? ` (${layer.unit})` : ''), 'key-title'));
  if (layer.key !== undefined) {
    const list = element('ul', undefined, 'swatches');
    for (const entry of layer.key) {
      const item = element('li');
      const swatch = element('span', undefined, 'swatch');
      swatch.style.background = cssColour(entry.rgb);
      item.append(swatch, entry.label);
      list.append(item);
    }
    box.append(list);
    return;
  }
  const stops = layer.stops;
  const places = [];
  let step = 0;
  stops.forEach((stop, i) => {
    if (i > 0 && stop.value !== stops[i - 1].value) ++step;
    places.push(step);
  });
  const at = (i) => (step === 0 ? 0 : (100 * places[i]) / step);
  const bar = element('div', undefined, 'ramp');
  bar.style.background =
    'linear-gradient(to right, ' + stops.map((s, i) => `${cssColour(s.rgb)} ${at(i)}%`).join(', ') + ')';
  const labels = element('div', undefined, 'ramp-labels');
  stops.forEach((stop, i) => {
    if (i > 0 && places[i] === places[i - 1]) return;
    const label = element('span', formatValue(stop.value, 3));
    label.style.left = `${at(i)}%`;
    labels.append(label);
  });
  box.append(bar, labels);
}

// The readout's rows: latitude, longitude, then one per float layer.
export class Readout {
  constructor(box, planet) {
    this.box = box;
    this.grid = planet.grid;
    this.layers = planet.layers.filter((layer) => layer.values !== undefined);
    const table = element('table');
    const row = (name, unit) => {
      const tr = element('tr');
      const value = element('td', '–', 'value');
      tr.append(element('th', name), value, element('td', unit, 'unit'));
      table.append(tr);
      return value;
    };
    this.lat = row('Latitude', '°');
    this.lon = row('Longitude', '°');
    this.values = this.layers.map((layer) => row(layer.title, layer.unit));
    box.replaceChildren(table);
  }

  // place: {lat, lon} in degrees, or null off the planet. at names the
  // pointer position shown, so scripts can wait for the readout of theirs.
  show(place, at) {
    this.box.dataset.at = at;
    if (place === null) {
      for (const cell of [this.lat, this.lon, ...this.values]) cell.textContent = '–';
      return;
    }
    this.lat.textContent = place.lat.toFixed(3);
    this.lon.textContent = place.lon.toFixed(3);
    // Rounding may move a place onto a neighbouring cell's edge; the cell is
    // that of the rounded place, so the figures shown agree with each other.
    const cell = cellIndex(this.grid, Number(this.lat.textContent), Number(this.lon.textContent));
    this.layers.forEach((layer, i) => {
      this.values[i].textContent = formatValue(layer.values[cell], 5);
    });
  }
}

const SETTINGS = [
  ['width', 'Width'],
  ['zoom', 'Zoom'],
  ['cornerRange', 'Corner range'],
  ['landPercent', 'Land %'],
  ['riverPercent', 'Rivers %'],
  ['turns', 'Climate turns'],
  ['shareCap', 'Share cap'],
  ['shadeScale', 'Shade'],
];
const STATISTICS = [
  ['elevationMin', 'Lowest bedrock'],
  ['elevationMax', 'Highest bedrock'],
  ['seaLevel', 'Sea level'],
  ['waterFlowing', 'Largest water flow'],
  ['rainfall', 'Largest rain'],
  ['temperatureMin', 'Coldest (°C)'],
  ['temperatureMax', 'Warmest (°C)'],
  ['tileElevationDiff', 'Largest step'],
];

export function showFigures(box, planet) {
  const table = element('table');
  const row = (name, value) => {
    const tr = element('tr');
    tr.append(element('th', name), element('td', String(value), 'value'));
    table.append(tr);
  };
  row('Seed', planet.settings.seed);
  for (const [key, name] of SETTINGS) row(name, planet.settings[key]);
  row('Grid level', planet.gridLevel);
  for (const [key, name] of STATISTICS) row(name, formatValue(planet.statistics[key], 5));
  row('River segments', planet.rivers.count);
  box.append(table);
}
