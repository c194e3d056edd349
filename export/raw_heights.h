#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace geoweave::detail {

// A heightmap as terrain editors import it ("RAW", ".r16"): every value an
// unsigned 16-bit number stored little-endian, whatever the host, rows from
// the top, no header; the size comes from elsewhere. Written a band of rows
// at a time through a scratch file that takes the name only when finish()
// succeeds (see AtomicFile): a stream that fails or is destroyed unfinished
// leaves no file and whatever stood at the name untouched. Failures are
// final and read "cannot write PATH: reason".
class RawHeightStream {
 public:
  RawHeightStream();
  RawHeightStream(const RawHeightStream&) = delete;
  RawHeightStream& operator=(const RawHeightStream&) = delete;
  ~RawHeightStream();

  // Starts the file of count values at path. False (with *error) when the
  // scratch file cannot be made or a file is already open.
  bool open(const std::string& path, size_t count, std::string* error);
  // Appends count values, the next ones in the file. False when nothing is
  // open or the values would run past the count given to open().
  bool write(const uint16_t* values, size_t count, std::string* error);
  // Names the file once every value was written; false otherwise.
  bool finish(std::string* error);

  struct Job;

 private:
  bool fail(std::string* error, const std::string& reason);

  std::unique_ptr<Job> job_;
};

// The whole file of values at once, as a RawHeightStream writes it.
bool writeRawHeights(const std::string& path, const std::vector<uint16_t>& values,
                     std::string* error);

}  // namespace geoweave::detail
