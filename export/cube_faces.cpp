#include "export/cube_faces.h"

#include <cstdint>
#include <memory>
#include <utility>

#include "export/heightmap.h"
#include "export/output_files.h"
#include "export/png_batch.h"
#include "export/raw_heights.h"

namespace geoweave::detail {

using geoweave::CubeFace;

const std::vector<CubeFaceInfo>& cubeFaces() {
  static const std::vector<CubeFaceInfo> all = {
      {CubeFace::kPositiveX, "px", "(1, -t, -s)", {1, 0, 0}, {0, 0, -1}, {0, -1, 0}},
      {CubeFace::kNegativeX, "nx", "(-1, -t, s)", {-1, 0, 0}, {0, 0, 1}, {0, -1, 0}},
      {CubeFace::kPositiveY, "py", "(s, 1, t)", {0, 1, 0}, {1, 0, 0}, {0, 0, 1}},
      {CubeFace::kNegativeY, "ny", "(s, -1, -t)", {0, -1, 0}, {1, 0, 0}, {0, 0, -1}},
      {CubeFace::kPositiveZ, "pz", "(s, -t, 1)", {0, 0, 1}, {1, 0, 0}, {0, -1, 0}},
      {CubeFace::kNegativeZ, "nz", "(-s, -t, -1)", {0, 0, -1}, {-1, 0, 0}, {0, -1, 0}},
  };
  return all;
}

namespace {

// One face's pictures and their writing.
struct FaceFiles {
  geoweave::Image ground;
  std::vector<uint16_t> heights;
  PngTask groundTask;
  PngTask heightTask;
  PngBatch batch;
};

// Waits for a face's files and hands in their outcomes: the ground picture's
// at outcomes[0], the heights' at outcomes[1].
void finish(FaceFiles& files, FileOutcome* outcomes) {
  files.batch.wait();
  outcomes[0].written = files.groundTask.written;
  outcomes[0].error = files.groundTask.error;
  outcomes[1].written = files.heightTask.written;
  outcomes[1].error = files.heightTask.error;
}

}  // namespace

std::vector<FileOutcome> writeCube(const geoweave::Planet& planet, int size, const std::string& dir,
                                   const std::function<void(int faces)>& faceDone, bool raw) {
  const geoweave::Statistics stats = planet.statistics();
  const std::vector<CubeFaceInfo>& faces = cubeFaces();
  const size_t perFace = raw ? 3 : 2;
  std::vector<FileOutcome> outcomes(perFace * faces.size());
  // The face whose files compress while the next one is drawn, and where
  // its outcomes go.
  std::unique_ptr<FaceFiles> previous;
  FileOutcome* previousOwn = nullptr;
  for (size_t i = 0; i < faces.size(); ++i) {
    FileOutcome* const own = &outcomes[perFace * i];
    own[0].name = std::string("cube/ground-") + faces[i].name + ".png";
    own[1].name = std::string("cube/height-") + faces[i].name + ".png";
    auto files = std::make_unique<FaceFiles>();
    PngTask& ground = files->groundTask;
    PngTask& height = files->heightTask;
    ground.path = pathIn(dir, own[0].name);
    height.path = pathIn(dir, own[1].name);
    std::string error;
    if (planet.renderGroundCubeFace(faces[i].face, size, &files->ground, &error) ==
        geoweave::Status::kOk) {
      ground.rgb = &files->ground;
    } else {
      ground.error = "cannot write " + ground.path + ": " + error;
    }
    {
      std::vector<std::vector<float>> grounds;
      if (planet.sampleCubeFace({geoweave::Field::kGround}, faces[i].face, size, &grounds,
                                &error) == geoweave::Status::kOk) {
        // The same scale as height.png, so the faces and the map agree.
        files->heights = heightmapOf(grounds[0], stats.elevationMin, stats.elevationMax);
        height.gray = &files->heights;
        height.width = size;
        height.height = size;
      } else {
        height.error = "cannot write " + height.path + ": " + error;
      }
    }
    if (raw) {
      own[2].name = std::string("cube/height-") + faces[i].name + ".r16";
      const std::string path = pathIn(dir, own[2].name);
      if (height.gray != nullptr) {
        own[2].written = writeRawHeights(path, files->heights, &own[2].error);
      } else {
        own[2].error = "cannot write " + path + ": " + error;
      }
    }
    if (previous != nullptr) finish(*previous, previousOwn);
    if (ground.rgb != nullptr) files->batch.start(&ground);
    if (height.gray != nullptr) files->batch.start(&height);
    previous = std::move(files);
    previousOwn = own;
    if (faceDone) faceDone(static_cast<int>(i) + 1);
  }
  if (previous != nullptr) finish(*previous, previousOwn);
  return outcomes;
}

}  // namespace geoweave::detail
