#include "export/output_files.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "image/atomic_file.h"

namespace geoweave::detail {

namespace fs = std::filesystem;

bool makeDirectories(const std::string& path, std::string* error) {
  std::error_code code;
  fs::create_directories(path, code);
  // create_directories reports no error for a file standing at path itself
  // on every library version, so the outcome is checked by looking.
  std::error_code statCode;
  if (fs::is_directory(path, statCode)) return true;
  if (!code) code = statCode ? statCode : std::make_error_code(std::errc::not_a_directory);
  *error = "cannot create directory " + path + ": " + code.message();
  return false;
}

bool writeTextFile(const std::string& path, const std::string& text, std::string* error) {
  AtomicFile file;
  if (!file.open(path.c_str())) {
    *error = "cannot write " + path + ": " + std::generic_category().message(file.error());
    return false;
  }
  const char* data = text.data();
  size_t left = text.size();
  while (left > 0) {
    const ssize_t done = ::write(file.fd(), data, left);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) {
      const int reason = done < 0 ? errno : EIO;
      file.abort();
      *error = "cannot write " + path + ": " + std::generic_category().message(reason);
      return false;
    }
    data += done;
    left -= static_cast<size_t>(done);
  }
  if (!file.commit()) {
    *error = "cannot write " + path + ": " + std::generic_category().message(file.error());
    return false;
  }
  return true;
}

namespace {
constexpr char kOutOfMemory[] = "error: out of memory while ";
}  // namespace

std::string outOfMemoryLine(const std::string& doing) {
  return kOutOfMemory + doing;
}

bool isOutOfMemoryLine(const std::string& line) {
  return line.compare(0, sizeof kOutOfMemory - 1, kOutOfMemory) == 0;
}

std::string pathIn(const std::string& dir, const std::string& name) {
  if (dir == "." || dir.empty()) return name;
  return dir.back() == '/' ? dir + name : dir + "/" + name;
}

}  // namespace geoweave::detail
