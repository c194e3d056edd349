#include "render/cube_face_fractions.h"

#include <algorithm>

#include "render/cube_face.h"
#include "render/projection.h"

namespace geoweave::detail {

CubeFaceFractions::CubeFaceFractions(int face, int size)
    : face_(face), size_(size), coordinates_(static_cast<size_t>(size)) {
  for (int i = 0; i < size; ++i) coordinates_[i] = cubeFaceCoordinate(i, size);
  const bool rows = face == kFacePositiveX || face == kFaceNegativeX;
  const bool columns = face == kFacePositiveY || face == kFaceNegativeY;
  if (!rows && !columns) return;
  lineHorizontal_.resize(static_cast<size_t>(size));
  lineU_.resize(static_cast<size_t>(size));
  for (int i = 0; i < size; ++i) {
    // x and y of the direction are the same all along the line, so its
    // first pixel stands for all of it.
    const Vector3d d = rows ? direction(0, i) : direction(i, 0);
    lineHorizontal_[i] = horizontalLength(d);
    lineU_[i] = longitudeFraction(d.x, d.y);
  }
}

Vector3d CubeFaceFractions::direction(int x, int y) const {
  return cubeFaceDirectionAt(face_, coordinates_[x], coordinates_[y]);
}

void CubeFaceFractions::rowPair(int y, float* v, float* u, float* mirrorV, float* mirrorU) const {
  const int mirror = size_ - 1 - y;
  const bool hasMirror = mirror != y;
  const int half = (size_ + 1) / 2;  // the columns up to the middle one
  switch (face_) {
    case kFacePositiveX:
    case kFaceNegativeX: {
      // (+-1, -t, -+s): the mirror row has the same length in the xy plane
      // and, column by column, the same z.
      const double horizontal = lineHorizontal_[y];
      for (int x = 0; x < size_; ++x) v[x] = latitudeFraction(direction(x, y).z, horizontal);
      std::fill(u, u + size_, lineU_[y]);
      if (hasMirror) {
        std::copy(v, v + size_, mirrorV);
        std::fill(mirrorU, mirrorU + size_, lineU_[mirror]);
      }
      return;
    }
    case kFacePositiveY:
    case kFaceNegativeY:
      // (s, +-1, +-t): z follows the row, and mirror columns have the same
      // length in the xy plane.
      for (int x = 0; x < half; ++x) {
        v[x] = v[size_ - 1 - x] = latitudeFraction(direction(x, y).z, lineHorizontal_[x]);
      }
      std::copy(lineU_.begin(), lineU_.end(), u);
      if (hasMirror) {
        for (int x = 0; x < half; ++x) {
          mirrorV[x] = mirrorV[size_ - 1 - x] =
              latitudeFraction(direction(x, mirror).z, lineHorizontal_[x]);
        }
        std::copy(lineU_.begin(), lineU_.end(), mirrorU);
      }
      return;
    default: {
      // (+-s, -t, +-1): z is fixed, and the four mirror images of a pixel
      // have the same length in the xy plane; u is the pixel's own.
      for (int x = 0; x < half; ++x) {
        const Vector3d d = direction(x, y);
        v[x] = v[size_ - 1 - x] = latitudeFraction(d.z, horizontalLength(d));
      }
      for (int x = 0; x < size_; ++x) {
        const Vector3d d = direction(x, y);
        u[x] = longitudeFraction(d.x, d.y);
      }
      if (hasMirror) {
        std::copy(v, v + size_, mirrorV);
        for (int x = 0; x < size_; ++x) {
          const Vector3d d = direction(x, mirror);
          mirrorU[x] = longitudeFraction(d.x, d.y);
        }
      }
      return;
    }
  }
}

}  // namespace geoweave::detail
