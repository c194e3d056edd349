#include "export/gltf_model.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <vector>

#include "base/file_io.h"
#include "export/png_memory.h"
#include "export/task_batch.h"
#include "geoweave/settings.h"
#include "image/atomic_file.h"

namespace geoweave::detail {

namespace {

using json = nlohmann::json;

constexpr int kFaceCount = 6;
constexpr CubeFace kFaces[kFaceCount] = {CubeFace::kPositiveX, CubeFace::kNegativeX,
                                         CubeFace::kPositiveY, CubeFace::kNegativeY,
                                         CubeFace::kPositiveZ, CubeFace::kNegativeZ};
// As geoweave names its cube pictures (cube/ground-px.png, ...).
constexpr const char* kFaceNames[kFaceCount] = {"ground-px", "ground-nx", "ground-py",
                                                "ground-ny", "ground-pz", "ground-nz"};

// The arrays go into the file as they lie in memory; glTF's are
// little-endian.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "the GLB writer needs a little-endian host");

// glTF's codes for what the file declares.
constexpr int kFloat = 5126;
constexpr int kUnsignedShort = 5123;
constexpr int kUnsignedInt = 5125;
constexpr int kArrayBuffer = 34962;
constexpr int kElementArrayBuffer = 34963;
constexpr int kLinear = 9729;
constexpr int kLinearMipmapLinear = 9987;
constexpr int kClampToEdge = 33071;

// The sea: a clear blue that leaves the sea floor's colours readable.
constexpr float kOceanColour[4] = {0.02f, 0.12f, 0.35f, 0.6f};

struct Vec3 {
  double x = 0;
  double y = 0;
  double z = 0;
};

Vec3 operator-(const Vec3& a, const Vec3& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Vec3 scaled(const Vec3& v, double by) {
  return {v.x * by, v.y * by, v.z * by};
}

Vec3 cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double length(const Vec3& v) {
  return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

// The library's direction (see geoweave::CubeFace) of lattice point (i, j)
// of a face n quads wide, i and j from -1 to n + 1: the points one step
// beyond the face give its edge vertices their normals. Two faces compute
// the very same triple for a point of their shared edge: the coordinates
// come from the same integers, negation and division are exact in sign, and
// adding 0 turns the -0 that negating a 0 gives into +0.
Vec3 latticeDirection(int face, int n, int i, int j) {
  const double s = static_cast<double>(2 * i - n) / n;
  const double t = static_cast<double>(2 * j - n) / n;
  Vec3 d;
  switch (face) {
    case 0:
      d = {1, -t, -s};
      break;
    case 1:
      d = {-1, -t, s};
      break;
    case 2:
      d = {s, 1, t};
      break;
    case 3:
      d = {s, -1, -t};
      break;
    case 4:
      d = {s, -t, 1};
      break;
    default:
      d = {-s, -t, -1};
      break;
  }
  return {d.x + 0.0, d.y + 0.0, d.z + 0.0};
}

Vec3 unit(const Vec3& d) {
  return scaled(d, 1.0 / length(d));
}

// What one face contributes: vertices in glTF's axes (x = the library's y,
// y = its z, z = its x, a rotation, so the winding keeps its sense).
struct FaceData {
  std::vector<float> position;
  std::vector<float> normal;
  std::vector<float> texcoord;
  std::vector<float> oceanPosition;
  std::vector<float> oceanNormal;
  std::string png;
};

void appendGltf(std::vector<float>& to, const Vec3& v) {
  to.push_back(static_cast<float>(v.y));
  to.push_back(static_cast<float>(v.z));
  to.push_back(static_cast<float>(v.x));
}

Status refuse(std::string* error, const std::string& message) {
  if (error != nullptr) *error = message;
  return Status::kInvalidSettings;
}

// The ground of one face and the sea above it.
Status buildFace(const Planet& planet, int face, const GltfOptions& options,
                 const GltfHeightMapping& mapping, FaceData* out, std::string* error) {
  const int n = options.mesh;
  const int side = n + 1;
  std::vector<std::vector<float>> sampled;
  const Status status =
      planet.sampleCubeFace({Field::kGround}, kFaces[face], side, &sampled, error);
  if (status != Status::kOk) return status;
  const std::vector<float>& ground = sampled[0];

  // The lattice from -1 to n + 1 each way (the four outer corners unused),
  // each point at its distance from the centre in metres.
  const int wide = n + 3;
  std::vector<Vec3> points(static_cast<size_t>(wide) * wide);
  auto at = [&](int i, int j) -> Vec3& {
    return points[static_cast<size_t>(j + 1) * wide + static_cast<size_t>(i + 1)];
  };
  for (int j = -1; j <= side; ++j) {
    for (int i = -1; i <= side; ++i) {
      if ((i < 0 || i > n) && (j < 0 || j > n)) continue;
      const Vec3 d = latticeDirection(face, n, i, j);
      // The face's own samples where it has them (in the same directions;
      // faces that meet sample the same places along their edge).
      const bool onFace = i >= 0 && i <= n && j >= 0 && j <= n;
      const float h = onFace ? ground[static_cast<size_t>(j) * side + i]
                             : planet.sampleDirection(Field::kGround, d.x, d.y, d.z);
      const double r = mapping.radiusAt(h);
      if (!(r > 0) || !std::isfinite(static_cast<float>(r))) {
        return refuse(error,
                      "the glTF relief and exaggeration must keep every point of the model "
                      "between the planet's centre and the largest float");
      }
      at(i, j) = scaled(unit(d), r);
    }
  }

  const size_t vertices = static_cast<size_t>(side) * side;
  out->position.reserve(vertices * 3);
  out->normal.reserve(vertices * 3);
  out->texcoord.reserve(vertices * 2);
  out->oceanPosition.reserve(vertices * 3);
  out->oceanNormal.reserve(vertices * 3);
  const double texels = options.texture;
  for (int j = 0; j <= n; ++j) {
    for (int i = 0; i <= n; ++i) {
      const Vec3 radial = unit(latticeDirection(face, n, i, j));
      appendGltf(out->position, at(i, j));
      // The lattice's s and t run clockwise seen from outside (the cube
      // faces are drawn as seen from the centre), so t's step crossed with
      // s's points outward.
      const Vec3 across = cross(at(i, j + 1) - at(i, j - 1), at(i + 1, j) - at(i - 1, j));
      const double size = length(across);
      appendGltf(out->normal, size > 0 && std::isfinite(size) ? scaled(across, 1 / size) : radial);
      // The texture's outer pixel centres lie on the face's edges, like the
      // outer vertices: half a texel in from the picture's border.
      out->texcoord.push_back(static_cast<float>((0.5 + i * (texels - 1) / n) / texels));
      out->texcoord.push_back(static_cast<float>((0.5 + j * (texels - 1) / n) / texels));
      appendGltf(out->oceanPosition, scaled(radial, mapping.radius));
      appendGltf(out->oceanNormal, radial);
    }
  }
  return Status::kOk;
}

// Draws the six ground pictures and encodes them as PNG. Each picture is
// encoded on a thread of its own while the planet draws the next (a planet
// takes one call at a time, and its drawing uses all its workers anyway);
// the encoding of one face at most is waited for, so no more than three
// pictures are held at once.
Status drawFaces(const Planet& planet, int texture, std::vector<FaceData>& faces,
                 std::string* error) {
  Image pictures[2];
  std::string failures[2];  // why an encoding failed; empty when it did not
  bool outOfMemory = false;
  // After what its tasks use: leaving early waits for them (the batch's
  // destructor does) before those go.
  TaskBatch encoding;
  auto finished = [&](int face) {
    encoding.wait();
    if (outOfMemory) throw std::bad_alloc();
    if (face < 0 || failures[face % 2].empty()) return true;
    if (error != nullptr) *error = failures[face % 2];
    return false;
  };
  for (int face = 0; face < kFaceCount; ++face) {
    Image& picture = pictures[face % 2];
    const Status status = planet.renderGroundCubeFace(kFaces[face], texture, &picture, error);
    if (status != Status::kOk) return status;
    if (!finished(face - 1)) return Status::kWriteFailed;
    std::string* png = &faces[face].png;
    std::string* failure = &failures[face % 2];
    encoding.start([&picture, png, failure, &outOfMemory]() {
      try {
        encodePngRgb8(picture.width, picture.height, picture.rgb.data(), png, failure);
      } catch (const std::bad_alloc&) {
        outOfMemory = true;  // only one task runs at a time
      }
    });
  }
  return finished(kFaceCount - 1) ? Status::kOk : Status::kWriteFailed;
}

// The binary chunk, gathered as pieces of the faces' arrays (not copied),
// each bufferView starting on a 4-byte boundary as accessors need.
class BinaryChunk {
 public:
  // A bufferView over size bytes at data (kept alive by the caller);
  // target 0 for none. Its index comes back.
  int add(const void* data, size_t size, int target) {
    pad();
    json view = {{"buffer", 0}, {"byteOffset", length_}, {"byteLength", size}};
    if (target != 0) view["target"] = target;
    views_.push_back(std::move(view));
    pieces_.push_back({data, size});
    length_ += size;
    return static_cast<int>(views_.size()) - 1;
  }
  void pad() {
    const size_t padding = (4 - length_ % 4) % 4;
    if (padding > 0) pieces_.push_back({kZeros, padding});
    length_ += padding;
  }

  struct Piece {
    const void* data;
    size_t size;
  };
  const std::vector<Piece>& pieces() const { return pieces_; }
  size_t length() const { return length_; }
  json views() const { return views_; }

 private:
  static constexpr uint8_t kZeros[4] = {};
  std::vector<Piece> pieces_;
  size_t length_ = 0;
  json views_ = json::array();
};

json accessor(int view, int componentType, size_t count, const char* type) {
  return {{"bufferView", view}, {"componentType", componentType}, {"count", count}, {"type", type}};
}

// POSITION accessors must state their bounds.
json boundedVec3(int view, const std::vector<float>& values) {
  float low[3] = {values[0], values[1], values[2]};
  float high[3] = {values[0], values[1], values[2]};
  for (size_t k = 3; k < values.size(); ++k) {
    low[k % 3] = std::min(low[k % 3], values[k]);
    high[k % 3] = std::max(high[k % 3], values[k]);
  }
  json a = accessor(view, kFloat, values.size() / 3, "VEC3");
  a["min"] = {low[0], low[1], low[2]};
  a["max"] = {high[0], high[1], high[2]};
  return a;
}

void appendLittleEndian32(std::string& to, uint32_t value) {
  for (int k = 0; k < 4; ++k) to.push_back(static_cast<char>((value >> (8 * k)) & 0xff));
}

Status writeFailed(std::string* error, const std::string& reason) {
  if (error != nullptr) *error = reason;
  return Status::kWriteFailed;
}

// The GLB container: a 12-byte header, the JSON chunk padded with spaces and
// the binary chunk padded with zeros, each to 4 bytes.
Status writeGlb(const std::string& path, const std::string& text, const BinaryChunk& bin,
                std::string* error) {
  std::string jsonChunk = text;
  jsonChunk.append((4 - jsonChunk.size() % 4) % 4, ' ');
  const uint64_t total = 12 + 8 + static_cast<uint64_t>(jsonChunk.size()) + 8 + bin.length();
  if (total > std::numeric_limits<uint32_t>::max()) {
    return writeFailed(error, "the model would take " + std::to_string(total) +
                                  " bytes, more than the 4 GiB a GLB file can hold");
  }
  std::string head = "glTF";
  appendLittleEndian32(head, 2);
  appendLittleEndian32(head, static_cast<uint32_t>(total));
  appendLittleEndian32(head, static_cast<uint32_t>(jsonChunk.size()));
  head += "JSON";
  std::string binHead;
  appendLittleEndian32(binHead, static_cast<uint32_t>(bin.length()));
  binHead.append("BIN\0", 4);

  AtomicFile file;
  if (!file.open(path.c_str())) return writeFailed(error, std::strerror(file.error()));
  int reason = writeFully(file.fd(), head.data(), head.size());
  if (reason == 0) reason = writeFully(file.fd(), jsonChunk.data(), jsonChunk.size());
  if (reason == 0) reason = writeFully(file.fd(), binHead.data(), binHead.size());
  for (const BinaryChunk::Piece& piece : bin.pieces()) {
    if (reason == 0) reason = writeFully(file.fd(), piece.data, piece.size);
  }
  if (reason != 0) return writeFailed(error, std::strerror(reason));
  if (!file.commit()) return writeFailed(error, std::strerror(file.error()));
  return Status::kOk;
}

// Two triangles a quad of a face's (n + 1) x (n + 1) vertices, wound
// counter-clockwise seen from outside (see the normals in buildFace). The
// same indices serve every face and the sea.
template <typename Index>
std::vector<Index> quadIndices(int n) {
  std::vector<Index> indices;
  indices.reserve(static_cast<size_t>(n) * n * 6);
  const int side = n + 1;
  for (int j = 0; j < n; ++j) {
    for (int i = 0; i < n; ++i) {
      const Index v00 = static_cast<Index>(j * side + i);
      const Index v10 = static_cast<Index>(v00 + 1);
      const Index v01 = static_cast<Index>(v00 + side);
      const Index v11 = static_cast<Index>(v01 + 1);
      for (const Index v : {v00, v01, v10, v10, v01, v11}) indices.push_back(v);
    }
  }
  return indices;
}

Status writeModel(const Planet& planet, const GltfOptions& options, const std::string& path,
                  std::string* error) {
  if (!planet.generated()) {
    if (error != nullptr) *error = "no planet has been generated";
    return Status::kUnusable;
  }
  const Status valid = validateGltfOptions(options, error);
  if (valid != Status::kOk) return valid;
  const GltfHeightMapping mapping = gltfHeightMapping(planet, options);

  // The geometry first: a relief the model cannot hold is refused before
  // the pictures cost their time.
  std::vector<FaceData> faces(kFaceCount);
  for (int face = 0; face < kFaceCount; ++face) {
    const Status status = buildFace(planet, face, options, mapping, &faces[face], error);
    if (status != Status::kOk) return status;
  }
  const Status drawn = drawFaces(planet, options.texture, faces, error);
  if (drawn != Status::kOk) return drawn;

  const int n = options.mesh;
  const size_t vertices = static_cast<size_t>(n + 1) * (n + 1);
  // 16-bit indices where they reach (65535 is the restart value, never an
  // index).
  const bool small = vertices <= 65535;
  const std::vector<uint16_t> indices16 =
      small ? quadIndices<uint16_t>(n) : std::vector<uint16_t>();
  const std::vector<uint32_t> indices32 =
      small ? std::vector<uint32_t>() : quadIndices<uint32_t>(n);

  BinaryChunk bin;
  json accessors = json::array();
  const size_t indexCount = static_cast<size_t>(n) * n * 6;
  const int indexView = small
                            ? bin.add(indices16.data(), indices16.size() * 2, kElementArrayBuffer)
                            : bin.add(indices32.data(), indices32.size() * 4, kElementArrayBuffer);
  accessors.push_back(
      accessor(indexView, small ? kUnsignedShort : kUnsignedInt, indexCount, "SCALAR"));
  const int indexAccessor = 0;

  auto addFloats = [&](const std::vector<float>& values, const char* type, bool bounded) {
    const int view = bin.add(values.data(), values.size() * sizeof(float), kArrayBuffer);
    accessors.push_back(bounded ? boundedVec3(view, values)
                                : accessor(view, kFloat, vertices, type));
    return static_cast<int>(accessors.size()) - 1;
  };
  json groundPrimitives = json::array();
  json oceanPrimitives = json::array();
  json materials = json::array();
  json textures = json::array();
  json images = json::array();
  const int oceanMaterial = kFaceCount;
  for (int face = 0; face < kFaceCount; ++face) {
    const FaceData& f = faces[face];
    const int position = addFloats(f.position, "VEC3", true);
    const int normal = addFloats(f.normal, "VEC3", false);
    const int texcoord = addFloats(f.texcoord, "VEC2", false);
    groundPrimitives.push_back(
        {{"attributes", {{"POSITION", position}, {"NORMAL", normal}, {"TEXCOORD_0", texcoord}}},
         {"indices", indexAccessor},
         {"material", face}});
    const int oceanPosition = addFloats(f.oceanPosition, "VEC3", true);
    const int oceanNormal = addFloats(f.oceanNormal, "VEC3", false);
    oceanPrimitives.push_back(
        {{"attributes", {{"POSITION", oceanPosition}, {"NORMAL", oceanNormal}}},
         {"indices", indexAccessor},
         {"material", oceanMaterial}});
    const std::string name = kFaceNames[face];
    materials.push_back({{"name", name},
                         {"pbrMetallicRoughness",
                          {{"baseColorTexture", {{"index", face}}},
                           {"metallicFactor", 0.0},
                           {"roughnessFactor", 1.0}}}});
    textures.push_back({{"sampler", 0}, {"source", face}});
  }
  // The pictures after all the vertex data, which keeps the accessors'
  // views first in the chunk.
  for (int face = 0; face < kFaceCount; ++face) {
    const std::string& png = faces[face].png;
    images.push_back({{"name", kFaceNames[face]},
                      {"bufferView", bin.add(png.data(), png.size(), 0)},
                      {"mimeType", "image/png"}});
  }
  bin.pad();
  materials.push_back(
      {{"name", "ocean"},
       {"pbrMetallicRoughness",
        {{"baseColorFactor", {kOceanColour[0], kOceanColour[1], kOceanColour[2], kOceanColour[3]}},
         {"metallicFactor", 0.0},
         {"roughnessFactor", 0.1}}},
       {"alphaMode", "BLEND"}});

  const json gltf = {
      {"asset", {{"version", "2.0"}, {"generator", std::string("geoweave ") + version()}}},
      {"scene", 0},
      {"scenes", {{{"name", "planet"}, {"nodes", {0, 1}}}}},
      {"nodes", {{{"name", "ground"}, {"mesh", 0}}, {{"name", "ocean"}, {"mesh", 1}}}},
      {"meshes",
       {{{"name", "ground"}, {"primitives", groundPrimitives}},
        {{"name", "ocean"}, {"primitives", oceanPrimitives}}}},
      {"materials", materials},
      {"textures", textures},
      {"images", images},
      {"samplers",
       {{{"magFilter", kLinear},
         {"minFilter", kLinearMipmapLinear},
         {"wrapS", kClampToEdge},
         {"wrapT", kClampToEdge}}}},
      {"accessors", accessors},
      {"bufferViews", bin.views()},
      {"buffers", {{{"byteLength", bin.length()}}}},
  };
  return writeGlb(path, gltf.dump(), bin, error);
}

}  // namespace

Status validateGltfOptions(const GltfOptions& options, std::string* error) {
  if (options.mesh < 1 || options.mesh > kMaxGltfMesh) {
    return refuse(error, "glTF mesh must be from 1 to " + std::to_string(kMaxGltfMesh) + ", not " +
                             std::to_string(options.mesh));
  }
  if (options.texture < 1 || options.texture > kMaxGltfTexture) {
    return refuse(error, "glTF texture must be from 1 to " + std::to_string(kMaxGltfTexture) +
                             ", not " + std::to_string(options.texture));
  }
  if (!std::isfinite(options.radius) || !(options.radius > 0)) {
    return refuse(error, "glTF radius must be a positive number of metres");
  }
  if (!std::isfinite(options.relief) || !(options.relief >= 0)) {
    return refuse(error, "glTF relief must be a finite number of metres, not negative");
  }
  if (!std::isfinite(options.exaggerate) || !(options.exaggerate >= 0)) {
    return refuse(error, "glTF exaggeration must be a finite number, not negative");
  }
  return Status::kOk;
}

float oceanSurfaceHeight(const Planet& planet) {
  if (!planet.generated()) return 0;
  // The sea's water surface as the planet has it: the ocean sphere stands
  // where the maps' sea water stands.
  return planet.ocean().surface;
}

GltfHeightMapping gltfHeightMapping(const Planet& planet, const GltfOptions& options) {
  GltfHeightMapping mapping;
  mapping.radius = options.radius;
  mapping.exaggerate = options.exaggerate;
  mapping.waterLevel = oceanSurfaceHeight(planet);
  const Statistics stats = planet.statistics();
  const double span = static_cast<double>(stats.elevationMax) - stats.elevationMin;
  mapping.metresPerUnit = span > 0 ? options.relief / span : 0;
  return mapping;
}

Status writeGltfModel(const Planet& planet, const GltfOptions& options, const std::string& path,
                      std::string* error) {
  std::string why;
  Status status = Status::kOutOfMemory;
  try {
    status = writeModel(planet, options, path, &why);
  } catch (const std::bad_alloc&) {
    why = "out of memory";
  } catch (const std::length_error&) {
    why = "out of memory";
  }
  if (status == Status::kOk || error == nullptr) return status;
  // An option out of bounds is named alone, as validate(Settings) names a
  // setting.
  *error = status == Status::kInvalidSettings ? why : "cannot write " + path + ": " + why;
  return status;
}

}  // namespace geoweave::detail
