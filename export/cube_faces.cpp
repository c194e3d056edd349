#include "export/cube_faces.h"

#include <cstdint>
#include <memory>
#include <new>
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
  // A file that was not started keeps the reason prepareFace gave.
  if (files.groundTask.rgb != nullptr) {
    outcomes[0].written = files.groundTask.written;
    outcomes[0].error = files.groundTask.error;
  }
  if (files.heightTask.gray != nullptr) {
    outcomes[1].written = files.heightTask.written;
    outcomes[1].error = files.heightTask.error;
  }
}

}  // namespace

namespace {

// Draws one face's ground cover and samples its heights into files' tasks;
// what cannot be had is told in the outcomes instead (own[0] the ground
// picture's, own[1] the heights'). May throw std::bad_alloc.
void prepareFace(const geoweave::Planet& planet, const CubeFaceInfo& face, int size,
                 const geoweave::Statistics& stats, FaceFiles* files, FileOutcome* own) {
  PngTask& ground = files->groundTask;
  PngTask& height = files->heightTask;
  std::string error;
  const geoweave::Status drawn =
      planet.renderGroundCubeFace(face.face, size, &files->ground, &error);
  if (drawn == geoweave::Status::kOk) {
    ground.rgb = &files->ground;
  } else {
    own[0].error = drawn == geoweave::Status::kOutOfMemory
                       ? outOfMemoryLine("drawing " + ground.path)
                       : "cannot write " + ground.path + ": " + error;
  }
  std::vector<std::vector<float>> grounds;
  const geoweave::Status sampled =
      planet.sampleCubeFace({geoweave::Field::kGround}, face.face, size, &grounds, &error);
  if (sampled == geoweave::Status::kOk) {
    // The same scale as height.png, so the faces and the map agree.
    files->heights = heightmapOf(grounds[0], stats.elevationMin, stats.elevationMax);
    height.gray = &files->heights;
    height.width = size;
    height.height = size;
  } else {
    own[1].error = sampled == geoweave::Status::kOutOfMemory
                       ? outOfMemoryLine("sampling " + height.path)
                       : "cannot write " + height.path + ": " + error;
  }
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
    if (raw) own[2].name = std::string("cube/height-") + faces[i].name + ".r16";
    std::unique_ptr<FaceFiles> files;
    try {
      files = std::make_unique<FaceFiles>();
      files->groundTask.path = pathIn(dir, own[0].name);
      files->heightTask.path = pathIn(dir, own[1].name);
      prepareFace(planet, faces[i], size, stats, files.get(), own);
    } catch (const std::bad_alloc&) {
      // Neither file of this face is had; the next face may fare better
      // once the one compressing now is done.
      files.reset();
      own[0].error = outOfMemoryLine("drawing " + pathIn(dir, own[0].name));
      own[1].error = outOfMemoryLine("sampling " + pathIn(dir, own[1].name));
    }
    if (raw) {
      // The RAW file holds the height PNG's values: had with them or not at all.
      const std::string path = pathIn(dir, own[2].name);
      if (files != nullptr && files->heightTask.gray != nullptr) {
        own[2].written = writeRawHeights(path, files->heights, &own[2].error);
      } else if (isOutOfMemoryLine(own[1].error)) {
        own[2].error = outOfMemoryLine("sampling " + path);
      } else {
        own[2].error = "cannot write " + path + ": the face's heights could not be sampled";
      }
    }
    if (previous != nullptr) finish(*previous, previousOwn);
    previous.reset();
    if (files != nullptr) {
      if (files->groundTask.rgb != nullptr) files->batch.start(&files->groundTask);
      if (files->heightTask.gray != nullptr) files->batch.start(&files->heightTask);
      previous = std::move(files);
      previousOwn = own;
    }
    if (faceDone) faceDone(static_cast<int>(i) + 1);
  }
  if (previous != nullptr) finish(*previous, previousOwn);
  return outcomes;
}

}  // namespace geoweave::detail
