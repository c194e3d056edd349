#pragma once

#include <functional>
#include <string>
#include <vector>

#include "export/output_files.h"
#include "geoweave/planet.h"

namespace geoweave::detail {

// One face of the cube map: its name in the files and the direction through
// each of its pixels.
struct CubeFaceInfo {
  geoweave::CubeFace face;
  const char* name;       // "px", "nx", "py", "ny", "pz" or "nz"
  const char* direction;  // as geoweave::CubeFace's table gives it, e.g. "(1, -t, -s)"
  // The direction through pixel (x, y) is centre + s * alongS + t * alongT,
  // with s and t of the pixel as geoweave::CubeFace gives them.
  int centre[3];
  int alongS[3];
  int alongT[3];
};

// The six faces in OpenGL's cube-map order: +X, -X, +Y, -Y, +Z, -Z.
const std::vector<CubeFaceInfo>& cubeFaces();

// Writes cube/ground-NAME.png (the ground cover with rivers, 8-bit RGB) and
// cube/height-NAME.png (the ground height on height.png's scale, 16-bit
// grey) of every face, size x size, into dir, whose cube/ directory must
// stand. While one face is drawn the previous one's files compress on
// threads of their own, so no more than two faces are held at once. One
// outcome per file, ground then height of each face in the order of
// cubeFaces(); a face that cannot be drawn or sampled gives its files'
// outcomes as failed with the library's reason ("error: out of memory
// while drawing PATH" or "... sampling PATH" when memory ran out, and the
// next face is tried all the same). faceDone, when set, is told
// the number of faces drawn so far after each one (large faces take long).
// With raw, each face's heights also go to cube/height-NAME.r16 (see
// RawHeightStream), whose outcome follows the face's two PNGs'.
std::vector<FileOutcome> writeCube(const geoweave::Planet& planet, int size, const std::string& dir,
                                   const std::function<void(int faces)>& faceDone,
                                   bool raw = false);

}  // namespace geoweave::detail
