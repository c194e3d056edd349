// globe.html's script: reads the embedded planet, builds the globe and wires
// the controls. Drawn on demand only (a turn, a zoom, a control), so an idle
// page costs nothing.
import { PerspectiveCamera, Raycaster, Scene, Vector2, WebGLRenderer } from 'three';
import { OrbitControls } from 'three/addons/controls/OrbitControls.js';

import { readPlanet } from './data.js';
import { Globe, RiverLines, latLonOf, layerTexture } from './globe.js';
import { Readout, fillLayerMenu, showFigures, showKey } from './ui.js';

// The sphere's quads: one column per layer cell around, one row per cell
// from pole to pole, so the relief shows every cell; a quarter of that on a
// software renderer, where every triangle costs.
const COLUMNS = 512;
const ROWS = 256;
const SOFTWARE_STEP = 2;
// The camera's distance at the start, in planet radii: the globe then fills
// most of the window's shorter side at the 30-degree field of view.
const START_DISTANCE = 4.5;

// Whether WebGL draws on a graphics processor rather than in software (a
// machine without one, or a headless browser). Chromium names its renderer
// only through the debug extension; Firefox names it plainly.
function drawsOnHardware(gl) {
  let name = gl.getParameter(gl.RENDERER);
  const info = name === 'WebKit WebGL' ? gl.getExtension('WEBGL_debug_renderer_info') : null;
  if (info !== null) name = gl.getParameter(info.UNMASKED_RENDERER_WEBGL);
  return !/SwiftShader|llvmpipe|softpipe|software|Basic Render/i.test(name);
}

// A renderer, antialiased on a graphics processor. In software, where
// antialiasing alone would double the time to the first picture and every
// context takes long to make, the plain context made to ask is kept.
function makeRenderer() {
  const canvas = document.createElement('canvas');
  const gl = canvas.getContext('webgl2', { antialias: false, stencil: false });
  if (gl === null) throw new Error('this browser offers no WebGL 2');
  if (!drawsOnHardware(gl)) return { renderer: new WebGLRenderer({ canvas, context: gl }), hardware: false };
  gl.getExtension('WEBGL_lose_context')?.loseContext();
  return { renderer: new WebGLRenderer({ antialias: true }), hardware: true };
}

async function start() {
  // The data decode in the background while the renderer starts.
  const decoding = readPlanet(document);
  const $ = (id) => document.getElementById(id);
  const { renderer, hardware } = makeRenderer();
  renderer.setPixelRatio(window.devicePixelRatio);
  $('view').append(renderer.domElement);
  const planet = await decoding;
  const ground = planet.ground.bitmap;
  const elevation = planet.layers.find((layer) => layer.id === 'elevation');

  const scene = new Scene();
  const camera = new PerspectiveCamera(30, 1, 0.01, 100);
  camera.position.set(0, 0, START_DISTANCE);

  const step = hardware ? 1 : SOFTWARE_STEP;
  const globe = new Globe(elevation, planet.grid, planet.statistics, ground, COLUMNS / step, ROWS / step);
  const rivers = new RiverLines(planet.rivers, elevation, planet.grid, planet.statistics);
  scene.add(globe.mesh, rivers.lines);

  // One drawing per animation frame at most, however many changes ask.
  let frame = 0;
  const draw = () => {
    frame = 0;
    renderer.render(scene, camera);
  };
  const render = () => {
    if (frame === 0) frame = requestAnimationFrame(draw);
  };

  const resize = () => {
    const width = window.innerWidth;
    const height = window.innerHeight;
    renderer.setSize(width, height);
    camera.aspect = width / height;
    // 30 degrees across the shorter side: a narrow window keeps the whole
    // globe in its width.
    const halfHeight = Math.tan((15 * Math.PI) / 180) / Math.min(1, camera.aspect);
    camera.fov = (2 * Math.atan(halfHeight) * 180) / Math.PI;
    camera.updateProjectionMatrix();
    render();
  };
  window.addEventListener('resize', resize);
  resize();

  // Drag or one finger turns, the wheel or a pinch zooms; the camera's up
  // stays on the north pole's side.
  const controls = new OrbitControls(camera, renderer.domElement);
  controls.enablePan = false;
  controls.minDistance = 1.1;
  controls.maxDistance = 12;
  const turnSpeed = () => {
    // Slower when close, so the ground under the pointer roughly follows it.
    controls.rotateSpeed = Math.min(1, (0.5 * (camera.position.length() - 1)) / (START_DISTANCE - 1));
  };
  turnSpeed();
  controls.addEventListener('change', () => {
    turnSpeed();
    render();
  });

  const relief = () => {
    const exaggeration = Number($('relief').value);
    $('relief-value').textContent = `${exaggeration}×`;
    globe.setRelief(exaggeration, $('sea').checked);
    rivers.place(globe);
    render();
  };
  $('relief').addEventListener('input', relief);
  $('sea').addEventListener('change', relief);
  relief();
  $('graticule').addEventListener('change', () => {
    globe.showGraticule($('graticule').checked);
    render();
  });
  $('rivers').addEventListener('change', () => {
    rivers.lines.visible = $('rivers').checked;
    render();
  });

  const textures = new Map();
  fillLayerMenu($('layer'), planet.layers);
  const chooseLayer = () => {
    const layer = planet.layers.find((l) => l.id === $('layer').value);
    if (layer.values !== undefined && !textures.has(layer.id)) {
      textures.set(layer.id, layerTexture(layer, planet.grid));
    }
    globe.showLayer(layer.values === undefined ? null : textures.get(layer.id));
    showKey($('key'), layer);
    render();
  };
  $('layer').addEventListener('change', chooseLayer);
  chooseLayer();

  // The readout follows the pointer, worked out once a frame at most.
  const readout = new Readout($('readout'), planet);
  const raycaster = new Raycaster();
  let pointer = null;
  let reading = false;
  renderer.domElement.addEventListener('pointermove', (event) => {
    pointer = { x: event.clientX, y: event.clientY };
    if (reading) return;
    reading = true;
    requestAnimationFrame(() => {
      reading = false;
      const rect = renderer.domElement.getBoundingClientRect();
      const ndc = new Vector2(
        ((pointer.x - rect.left) / rect.width) * 2 - 1,
        -((pointer.y - rect.top) / rect.height) * 2 + 1,
      );
      raycaster.setFromCamera(ndc, camera);
      const hit = raycaster.intersectObject(globe.mesh)[0];
      readout.show(hit === undefined ? null : latLonOf(hit.point), `${pointer.x},${pointer.y}`);
    });
  });

  showFigures($('figures'), planet);

  // The first frame is drawn in this animation frame, before this callback.
  // Scripts that drive the page (the tests) wait for the mark.
  requestAnimationFrame(() => {
    document.documentElement.dataset.ready = 'true';
  });
}

start().catch((error) => {
  console.error(error);
  document.getElementById('failure').textContent = `The globe could not be shown: ${error.message}`;
});
