#include "export/gltf_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "testing/glb_reader.h"
#include "testing/png_reader.h"
#include "testing/test_directory.h"

namespace geoweave::detail {

namespace {

using json = nlohmann::json;

class GltfModel : public TestDirectory {
 protected:
  void SetUp() override {
    TestDirectory::SetUp();
    geoweave::Settings settings;
    settings.width = 64;
    settings.turns = 2;
    ASSERT_EQ(planet.generate(settings, {}, nullptr), Status::kOk);
  }

  geoweave::Planet planet;
};

struct Vertex {
  double x, y, z;
};

Vertex vertexAt(const std::vector<float>& p, size_t v) {
  return {p[v * 3], p[v * 3 + 1], p[v * 3 + 2]};
}

double dot(const Vertex& a, const Vertex& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vertex cross(const Vertex& a, const Vertex& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vertex minus(const Vertex& a, const Vertex& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}

TEST_F(GltfModel, KhronosValidatorFindsNoErrorOrWarning) {
  // Small and odd sizes, and the first mesh whose faces need 32-bit indices.
  const GltfOptions sizes[] = {{4, 8}, {33, 37}, {255, 4}};
  for (GltfOptions options : sizes) {
    const std::string name = path("planet-" + std::to_string(options.mesh) + ".glb");
    std::string error;
    ASSERT_EQ(writeGltfModel(planet, options, name, &error), Status::kOk) << error;
    SCOPED_TRACE("mesh " + std::to_string(options.mesh));
    expectValidGltf(GEOWEAVE_GLTF_VALIDATOR, name);
  }
}

// The six faces of both meshes close up: every vertex on a face's edge has
// the very same floats as the vertices of the other faces at that place
// (each at least one, a cube corner's two), and every triangle and normal
// faces outward. The pictures are the face's ground cover.
TEST_F(GltfModel, FacesCloseUpFaceOutwardAndShowTheirGround) {
  GltfOptions options;
  // An even mesh, so that lines of vertices cross the edges' midpoints at a
  // coordinate of 0 (the sign of a zero must not part the faces there).
  options.mesh = 8;
  options.texture = 12;
  std::string error;
  ASSERT_EQ(writeGltfModel(planet, options, path("planet.glb"), &error), Status::kOk) << error;
  Glb glb;
  ASSERT_TRUE(readGlb(path("planet.glb"), &glb));
  const json& nodes = glb.gltf["nodes"];
  ASSERT_EQ(nodes.size(), 2u);
  EXPECT_EQ(nodes[0]["name"], "ground");
  EXPECT_EQ(nodes[1]["name"], "ocean");
  const int n = options.mesh;
  const int side = n + 1;
  for (const json& node : nodes) {
    const json& primitives = glb.gltf["meshes"][node["mesh"].get<int>()]["primitives"];
    ASSERT_EQ(primitives.size(), 6u);
    std::vector<std::vector<float>> positions;
    for (const json& primitive : primitives) {
      positions.push_back(glb.floats(primitive["attributes"]["POSITION"]));
      const std::vector<float>& p = positions.back();
      ASSERT_EQ(p.size(), static_cast<size_t>(side * side * 3));
      const std::vector<float> normals = glb.floats(primitive["attributes"]["NORMAL"]);
      for (size_t v = 0; v < p.size() / 3; ++v) {
        ASSERT_GT(dot(vertexAt(normals, v), vertexAt(p, v)), 0) << node["name"] << " vertex " << v;
      }
      const std::vector<uint32_t> triangles = glb.indices(primitive["indices"]);
      ASSERT_EQ(triangles.size(), static_cast<size_t>(n * n * 6));
      for (size_t k = 0; k < triangles.size(); k += 3) {
        const Vertex a = vertexAt(p, triangles[k]);
        const Vertex b = vertexAt(p, triangles[k + 1]);
        const Vertex c = vertexAt(p, triangles[k + 2]);
        ASSERT_GT(dot(cross(minus(b, a), minus(c, a)), a), 0) << node["name"] << " triangle " << k;
      }
    }
    for (int f = 0; f < 6; ++f) {
      for (int j = 0; j <= n; ++j) {
        for (int i = 0; i <= n; ++i) {
          if (i != 0 && i != n && j != 0 && j != n) continue;
          const size_t v = static_cast<size_t>(j) * side + i;
          const Vertex here = vertexAt(positions[f], v);
          int partners = 0;
          for (int g = 0; g < 6; ++g) {
            for (size_t w = 0; g != f && w < positions[g].size() / 3; ++w) {
              const Vertex there = vertexAt(positions[g], w);
              // Neighbouring vertices lie a good share of a face apart.
              const Vertex gap = minus(here, there);
              if (dot(gap, gap) > dot(here, here) * 1e-6) continue;
              ++partners;
              EXPECT_EQ(std::memcmp(&positions[f][v * 3], &positions[g][w * 3], 12), 0)
                  << node["name"] << " face " << f << " (" << i << ", " << j << ") face " << g;
            }
          }
          const bool corner = (i == 0 || i == n) && (j == 0 || j == n);
          EXPECT_EQ(partners, corner ? 2 : 1)
              << node["name"] << " face " << f << " (" << i << ", " << j << ")";
        }
      }
    }
  }

  const json& ground = glb.gltf["meshes"][nodes[0]["mesh"].get<int>()]["primitives"];
  const CubeFace faces[] = {CubeFace::kPositiveX, CubeFace::kNegativeX, CubeFace::kPositiveY,
                            CubeFace::kNegativeY, CubeFace::kPositiveZ, CubeFace::kNegativeZ};
  for (int f = 0; f < 6; ++f) {
    const json& material = glb.gltf["materials"][ground[f]["material"].get<int>()];
    const int texture = material["pbrMetallicRoughness"]["baseColorTexture"]["index"];
    const int image = glb.gltf["textures"][texture]["source"];
    EXPECT_EQ(glb.gltf["images"][image]["mimeType"], "image/png");
    const std::string png = path("face.png");
    std::ofstream(png, std::ios::binary) << glb.imageBytes(image);
    PngImage read;
    ASSERT_TRUE(readPng(png.c_str(), &read, &error)) << error;
    geoweave::Image drawn;
    ASSERT_EQ(planet.renderGroundCubeFace(faces[f], options.texture, &drawn, nullptr), Status::kOk);
    ASSERT_EQ(read.width, drawn.width);
    ASSERT_EQ(read.height, drawn.height);
    ASSERT_EQ(read.channels, 3);
    EXPECT_TRUE(std::equal(drawn.rgb.begin(), drawn.rgb.end(), read.samples.begin()))
        << "face " << f;
  }
}

// Latitude 0 longitude 0 lies on glTF's +Z and the north pole on +Y, each at
// the distance its ground height gives: the planet's full relief spans the
// relief option, times exaggerate, around the water surface at the radius.
TEST_F(GltfModel, PutsPlacesOnGltfAxesAtTheirHeights) {
  GltfOptions options;
  options.mesh = 4;
  options.texture = 5;
  options.radius = 1000000;
  options.relief = 30000;
  options.exaggerate = 3;
  std::string error;
  ASSERT_EQ(writeGltfModel(planet, options, path("planet.glb"), &error), Status::kOk) << error;
  Glb glb;
  ASSERT_TRUE(readGlb(path("planet.glb"), &glb));
  const json& primitives =
      glb.gltf["meshes"][glb.gltf["nodes"][0]["mesh"].get<int>()]["primitives"];
  const Statistics stats = planet.statistics();
  const double metresPerUnit =
      30000.0 / (static_cast<double>(stats.elevationMax) - stats.elevationMin);
  const double water = planet.ocean().surface;  // where the sea water stands
  struct Place {
    int primitive;  // the library's cube face it lies at the centre of
    double latitude, longitude;
    Vertex axis;
  };
  for (const Place& place : {Place{0, 0, 0, {0, 0, 1}}, Place{4, 90, 0, {0, 1, 0}}}) {
    const std::vector<float> p = glb.floats(primitives[place.primitive]["attributes"]["POSITION"]);
    const Vertex centre = vertexAt(p, (options.mesh / 2) * (options.mesh + 1) + options.mesh / 2);
    const double h = planet.sample(Field::kGround, place.latitude, place.longitude);
    const double above = (h - water) * metresPerUnit * 3;
    ASSERT_GT(std::fabs(above), 50) << "a place too near the water line to tell the heights by";
    const double r = 1000000 + above;
    EXPECT_NEAR(centre.x, place.axis.x * r, 1.0) << "latitude " << place.latitude;
    EXPECT_NEAR(centre.y, place.axis.y * r, 1.0) << "latitude " << place.latitude;
    EXPECT_NEAR(centre.z, place.axis.z * r, 1.0) << "latitude " << place.latitude;
  }
  const GltfHeightMapping mapping = gltfHeightMapping(planet, options);
  EXPECT_DOUBLE_EQ(mapping.metresPerUnit, metresPerUnit);
  EXPECT_FLOAT_EQ(mapping.waterLevel, static_cast<float>(water));
}

TEST_F(GltfModel, RefusesWhatItCannotWriteAndLeavesNoFile) {
  std::string error;
  const std::string name = path("planet.glb");
  struct Case {
    GltfOptions options;
    const char* says;
  };
  const double inf = HUGE_VAL;
  const Case refused[] = {
      {{0, 512}, "glTF mesh"},
      {{1025, 512}, "glTF mesh"},
      {{4, 0}, "glTF texture"},
      {{4, 16385}, "glTF texture"},
      {{4, 8, 0}, "glTF radius"},
      {{4, 8, inf}, "glTF radius"},
      {{4, 8, 1000, -1}, "glTF relief"},
      {{4, 8, 1000, NAN}, "glTF relief"},
      {{4, 8, 1000, 1000, -1}, "glTF exaggeration"},
      {{4, 8, 1000, 1000, inf}, "glTF exaggeration"},
      // The deepest sea would reach through the centre.
      {{4, 8, 1000, 10000, 1}, "the glTF relief and exaggeration"},
  };
  for (const Case& c : refused) {
    EXPECT_EQ(writeGltfModel(planet, c.options, name, &error), Status::kInvalidSettings) << c.says;
    EXPECT_EQ(error.rfind(c.says, 0), 0u) << error;
  }
  EXPECT_EQ(writeGltfModel(geoweave::Planet(), GltfOptions(), name, &error), Status::kUnusable);
  EXPECT_EQ(writeGltfModel(planet, GltfOptions{4, 8}, path("none/planet.glb"), &error),
            Status::kWriteFailed);
  EXPECT_EQ(error.rfind("cannot write " + path("none/planet.glb") + ": ", 0), 0u) << error;
  EXPECT_TRUE(entries().empty());
  // The largest sizes pass the checks (without a planet, nothing is drawn).
  EXPECT_EQ(validateGltfOptions(GltfOptions{1024, 16384, 1, 0, 0}, nullptr), Status::kOk);
}

}  // namespace

}  // namespace geoweave::detail
