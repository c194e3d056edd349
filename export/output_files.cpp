#include "export/output_files.h"

#include <filesystem>
#include <system_error>

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
