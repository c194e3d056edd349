#include "export/raw_heights.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "base/file_io.h"
#include "image/atomic_file.h"

namespace geoweave::detail {

struct RawHeightStream::Job {
  AtomicFile file;
  std::string path;
  size_t left = 0;
  std::vector<unsigned char> bytes;
};

RawHeightStream::RawHeightStream() = default;
RawHeightStream::~RawHeightStream() = default;  // an unfinished scratch file goes with job_

bool RawHeightStream::fail(std::string* error, const std::string& reason) {
  const std::string path = job_ != nullptr ? job_->path : std::string("(no file open)");
  job_.reset();
  if (error != nullptr) *error = "cannot write " + path + ": " + reason;
  return false;
}

bool RawHeightStream::open(const std::string& path, size_t count, std::string* error) {
  if (job_ != nullptr) {
    if (error != nullptr) *error = "cannot write " + job_->path + ": another file is being written";
    return false;
  }
  job_ = std::make_unique<Job>();
  job_->path = path;
  job_->left = count;
  if (!job_->file.open(path.c_str())) {
    return fail(error, std::generic_category().message(job_->file.error()));
  }
  return true;
}

bool RawHeightStream::write(const uint16_t* values, size_t count, std::string* error) {
  if (job_ == nullptr) return fail(error, "no file is open");
  if (count > job_->left) {
    return fail(error, std::to_string(count) + " more values would run past the file's end");
  }
  // Byte by byte, so the order is the file's on every host; a slice at a
  // time, so a face of any size needs little memory beside its values.
  constexpr size_t kSlice = size_t{1} << 16;
  std::vector<unsigned char>& bytes = job_->bytes;
  bytes.resize(2 * std::min(count, kSlice));
  for (size_t from = 0; from < count; from += kSlice) {
    const size_t n = std::min(count - from, kSlice);
    for (size_t i = 0; i < n; ++i) {
      bytes[2 * i] = static_cast<unsigned char>(values[from + i] & 0xff);
      bytes[2 * i + 1] = static_cast<unsigned char>(values[from + i] >> 8);
    }
    const int failure = writeFully(job_->file.fd(), bytes.data(), 2 * n);
    if (failure != 0) return fail(error, std::generic_category().message(failure));
  }
  job_->left -= count;
  return true;
}

bool RawHeightStream::finish(std::string* error) {
  if (job_ == nullptr) return fail(error, "no file is open");
  if (job_->left != 0) {
    return fail(error, std::to_string(job_->left) + " values were not given");
  }
  if (!job_->file.commit()) {
    return fail(error, std::generic_category().message(job_->file.error()));
  }
  job_.reset();
  return true;
}

bool writeRawHeights(const std::string& path, const std::vector<uint16_t>& values,
                     std::string* error) {
  RawHeightStream stream;
  return stream.open(path, values.size(), error) &&
         stream.write(values.data(), values.size(), error) && stream.finish(error);
}

}  // namespace geoweave::detail
