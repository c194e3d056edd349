#pragma once

#include <cmath>

namespace geoweave::detail {

// Double-precision direction or position: the icosahedron and everything built
// on it.
struct Vector3d {
  double x = 0;
  double y = 0;
  double z = 0;

  double length() const { return std::sqrt(x * x + y * y + z * z); }
  Vector3d& scale(double s) {
    x *= s;
    y *= s;
    z *= s;
    return *this;
  }
  Vector3d& add(Vector3d other) {
    x += other.x;
    y += other.y;
    z += other.z;
    return *this;
  }
  Vector3d copy() const { return *this; }
};

inline Vector3d sub(const Vector3d& a, const Vector3d& b) {
  return Vector3d{a.x - b.x, a.y - b.y, a.z - b.z};
}
inline double dot(const Vector3d& a, const Vector3d& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vector3d cross(const Vector3d& a, const Vector3d& b) {
  return Vector3d{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// A plane through three points: normal . p + offset = 0 on it.
struct Plane {
  Vector3d normal;
  double offset = 0;
};

inline Plane planeThrough(const Vector3d& p1, const Vector3d& p2, const Vector3d& p3) {
  Plane plane;
  plane.normal = cross(sub(p3, p1), sub(p2, p1));
  plane.normal.scale(1.0 / plane.normal.length());
  plane.offset = -dot(plane.normal, p1);
  return plane;
}

// Single-precision direction stored in or derived from tiles. Sums of products
// and square roots are taken in double; callers store results back as floats.
struct Vector3f {
  float x = 0;
  float y = 0;
  float z = 0;

  void set(float nx, float ny, float nz) {
    x = nx;
    y = ny;
    z = nz;
  }
  double dot(const Vector3f& o) const {
    return static_cast<double>(x) * o.x + static_cast<double>(y) * o.y +
           static_cast<double>(z) * o.z;
  }
  double lengthSquared() const { return dot(*this); }
  double length() const { return std::sqrt(lengthSquared()); }
  Vector3f& scale(float s) {
    x = static_cast<float>(static_cast<double>(x) * s);
    y = static_cast<float>(static_cast<double>(y) * s);
    z = static_cast<float>(static_cast<double>(z) * s);
    return *this;
  }
};

}  // namespace geoweave::detail
