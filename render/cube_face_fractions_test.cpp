#include "render/cube_face_fractions.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "render/cube_face.h"
#include "render/projection.h"
#include "testing/bits.h"

namespace geoweave::detail {

namespace {

// The shared fractions must be the very bits each pixel's own direction
// gives, whichever pixel of a mirror pair or line they were worked out for;
// sizes odd and even, with and without a middle row and column.
TEST(CubeFaceFractions, AreEveryPixelsOwnBitForBit) {
  for (int size : {1, 2, 3, 4, 5, 8, 9, 16, 17}) {
    for (int face = 0; face < kCubeFaceCount; ++face) {
      const CubeFaceFractions fractions(face, size);
      ASSERT_EQ(fractions.pairs(), (size + 1) / 2);
      std::vector<float> rows[4];
      std::vector<int> visits(static_cast<size_t>(size) * size);
      for (int y = 0; y < fractions.pairs(); ++y) {
        const int mirror = size - 1 - y;
        for (std::vector<float>& row : rows) row.assign(static_cast<size_t>(size), -7.0f);
        fractions.rowPair(y, rows[0].data(), rows[1].data(), rows[2].data(), rows[3].data());
        for (int x = 0; x < size; ++x) {
          for (int row : {y, mirror}) {
            const std::string at = "face " + std::to_string(face) + " size " +
                                   std::to_string(size) + " (" + std::to_string(x) + ", " +
                                   std::to_string(row) + ")";
            const Vector3d d = cubeFaceDirection(face, size, x, row);
            const Vector3d shared = fractions.direction(x, row);
            EXPECT_EQ(bitsOf(shared.x), bitsOf(d.x)) << at;
            EXPECT_EQ(bitsOf(shared.y), bitsOf(d.y)) << at;
            EXPECT_EQ(bitsOf(shared.z), bitsOf(d.z)) << at;
            float v, u;
            directionFractions(d, v, u);
            const int k = row == y ? 0 : 2;
            EXPECT_EQ(bitsOf(rows[k][x]), bitsOf(v)) << at;
            EXPECT_EQ(bitsOf(rows[k + 1][x]), bitsOf(u)) << at;
          }
        }
        // The middle row has no mirror, and its mirror arrays are left alone.
        if (mirror == y) {
          for (int k : {2, 3}) {
            for (float f : rows[k]) EXPECT_EQ(f, -7.0f) << "face " << face << " size " << size;
          }
        }
      }
      // Every pixel once, with the fractions rowPair gives.
      std::atomic<int> wrong{0};
      auto visit = [&](int x, int y, const Vector3d& d, float v, float u, TriangleHint&) {
        ++visits[static_cast<size_t>(y) * size + x];
        float ownV, ownU;
        directionFractions(cubeFaceDirection(face, size, x, y), ownV, ownU);
        const Vector3d own = cubeFaceDirection(face, size, x, y);
        if (bitsOf(v) != bitsOf(ownV) || bitsOf(u) != bitsOf(ownU) ||
            bitsOf(d.x) != bitsOf(own.x) || bitsOf(d.y) != bitsOf(own.y) ||
            bitsOf(d.z) != bitsOf(own.z)) {
          ++wrong;
        }
      };
      ASSERT_TRUE(fractions.forEachPixel(3, visit));
      EXPECT_EQ(wrong, 0) << "face " << face << " size " << size;
      for (int n : visits) ASSERT_EQ(n, 1) << "face " << face << " size " << size;
    }
  }
}

}  // namespace

}  // namespace geoweave::detail
