#pragma once

#include <string>

#include "geoweave/export.h"
#include "geoweave/planet.h"
#include "geoweave/status.h"

namespace geoweave::detail {

// What the 3D model of a planet looks like (ExportOptions' gltf fields).
// Lengths in metres.
struct GltfOptions {
  // Quads along each edge of each of the cube's six faces: a face is a
  // (mesh + 1) x (mesh + 1) grid of vertices. 1 to kMaxGltfMesh.
  int mesh = 128;
  // Pixels along each edge of each face's ground texture. 1 to
  // kMaxGltfTexture.
  int texture = 512;
  // Radius of the water surface. Positive and finite.
  double radius = 6371000.0;
  // Height from the planet's lowest to its highest bedrock
  // (Statistics::elevationMin to elevationMax), before exaggeration. Finite,
  // not negative (0 gives a smooth sphere).
  double relief = 20000.0;
  // Multiplies every height above or below the water surface. Finite, not
  // negative.
  double exaggerate = 1.0;
};

// The model options of an export.
inline GltfOptions gltfOptionsOf(const geoweave::ExportOptions& options) {
  return {options.gltfMesh, options.gltfTexture, options.gltfRadius, options.gltfRelief,
          options.gltfExaggerate};
}

// Status::kOk when every option lies within the limits above, else
// Status::kInvalidSettings with a one-line message naming the option ("glTF
// mesh must be ...") in *error (when not null). Thread-safe.
Status validateGltfOptions(const GltfOptions& options, std::string* error);

// The height (in the planet's height units) of the model's water surface:
// the height standing sea water reaches. The one place that says so; 0
// before generation.
float oceanSurfaceHeight(const geoweave::Planet& planet);

// How the model turns the planet's heights into metres: a point of height h
// (height units) lies radius + (h - waterLevel) * metresPerUnit * exaggerate
// metres from the centre, so the water surface lies at radius.
struct GltfHeightMapping {
  double radius = 0;         // metres
  double metresPerUnit = 0;  // metres per height unit, before exaggeration
  double exaggerate = 1;
  float waterLevel = 0;  // height units

  // The distance from the centre, in metres, of a point of height h.
  double radiusAt(float h) const {
    return radius + (static_cast<double>(h) - waterLevel) * metresPerUnit * exaggerate;
  }
};

// The mapping writeGltfModel uses for this planet and these options:
// metresPerUnit is relief / (elevationMax - elevationMin) of the planet's
// statistics (0 when those are equal or the planet is not generated) and
// waterLevel oceanSurfaceHeight(planet). The options are not checked.
GltfHeightMapping gltfHeightMapping(const geoweave::Planet& planet, const GltfOptions& options);

// Writes the planet as a glTF 2.0 binary file (GLB) at path, one scene of two
// nodes in glTF's units and axes (metres, +Y up): the north pole on +Y,
// latitude 0 longitude 0 on +Z, longitude 90 degrees east on +X.
//   "ground": a sphere built on the cube of geoweave::CubeFace, one
//     primitive per face, each a (mesh + 1) x (mesh + 1) grid of vertices
//     whose directions are those of the face's pixels at size mesh + 1 (the
//     outer ones on the cube's edges, so faces that meet share their edge
//     vertices to the bit). A vertex lies at the distance the height mapping
//     gives for the ground (Field::kGround) in its direction; its normal is
//     the surface's across its four neighbours. Each face's base colour is
//     its ground-cover picture, Planet::renderGroundCubeFace at size texture,
//     stored as PNG.
//   "ocean": the same grid of directions at the water surface's radius,
//     blue and partly transparent (alpha blending), so that the sea floor
//     shows through and the node can be hidden to show it bare.
// The file appears under path only complete (see AtomicFile). Returns kOk;
// kUnusable before generation; kInvalidSettings for options outside their
// limits or a relief and exaggeration that would put a vertex at or beyond
// the centre (or outside float range); kOutOfMemory; kWriteFailed when the
// file cannot be written or would exceed the 4 GiB a GLB can hold. Each
// failure leaves a one-line message in *error (when not null): an option or
// relief refused as "glTF ..." or "the glTF relief ...", anything else as
// "cannot write PATH: reason". Draws with the planet's workers and
// compresses each texture on a thread of its own while the next is drawn;
// the planet must not be used elsewhere meanwhile. No exception escapes.
Status writeGltfModel(const geoweave::Planet& planet, const GltfOptions& options,
                      const std::string& path, std::string* error);

}  // namespace geoweave::detail
