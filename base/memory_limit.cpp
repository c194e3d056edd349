#include "base/memory_limit.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace geoweave::detail {

uint64_t parseMemoryLimit(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  if (i == text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return UINT64_MAX;
  uint64_t value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    const uint64_t digit = static_cast<uint64_t>(text[i] - '0');
    if (value > (UINT64_MAX - digit) / 10) return UINT64_MAX;
    value = value * 10 + digit;
  }
  return value;
}

namespace {

std::string readText(const std::string& path) {
  std::ifstream in(path);
  if (!in) return std::string();
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

uint64_t limitFromFile(const std::string& path) {
  return parseMemoryLimit(readText(path));
}

bool isDirectory(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The cgroup path of selfCgroup's v1 memory line ("N:a,memory,b:/path") or
// its v2 line ("0::/path"); empty when it has neither. *v1 tells which.
std::string cgroupPath(const std::string& selfCgroup, bool* v1) {
  std::istringstream lines(selfCgroup);
  std::string line;
  std::string unified;
  bool haveUnified = false;
  while (std::getline(lines, line)) {
    const size_t first = line.find(':');
    const size_t second = first == std::string::npos ? first : line.find(':', first + 1);
    if (second == std::string::npos) continue;
    const std::string controllers = line.substr(first + 1, second - first - 1);
    const std::string path = line.substr(second + 1);
    if (controllers.empty()) {
      if (line.compare(0, first, "0") == 0) {
        unified = path;
        haveUnified = true;
      }
      continue;
    }
    // The memory controller on a v1 hierarchy wins: on a hybrid system the
    // v2 hierarchy holds no memory limits.
    std::istringstream names(controllers);
    std::string name;
    while (std::getline(names, name, ',')) {
      if (name == "memory") {
        *v1 = true;
        return path.empty() ? "/" : path;
      }
    }
  }
  *v1 = false;
  return haveUnified ? (unified.empty() ? "/" : unified) : std::string();
}

// The smallest limit in the files named file of dir and of each folder
// above it, up to and including base.
uint64_t smallestUpTo(const std::string& base, std::string dir, const char* file) {
  uint64_t limit = UINT64_MAX;
  for (;;) {
    limit = std::min(limit, limitFromFile(dir + "/" + file));
    if (dir.size() <= base.size()) return limit;
    const size_t slash = dir.find_last_of('/');
    if (slash == std::string::npos || slash < base.size()) {
      dir = base;
    } else {
      dir.erase(slash);
    }
  }
}

}  // namespace

uint64_t cgroupMemoryLimit(const std::string& root, const std::string& selfCgroup) {
  bool v1 = false;
  std::string path = cgroupPath(selfCgroup, &v1);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  if (!path.empty()) {
    const std::string base = v1 ? root + "/memory" : root;
    const char* file = v1 ? "memory.limit_in_bytes" : "memory.max";
    const std::string own = path == "/" ? base : base + path;
    if (isDirectory(own)) return smallestUpTo(base, own, file);
  }
  const uint64_t limit = limitFromFile(root + "/memory.max");
  return limit != UINT64_MAX ? limit : limitFromFile(root + "/memory/memory.limit_in_bytes");
}

uint64_t usableMemoryBytes() {
  uint64_t limit = cgroupMemoryLimit("/sys/fs/cgroup", readText("/proc/self/cgroup"));
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (pages > 0 && pageSize > 0) {
    const uint64_t physical = static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize);
    if (physical < limit) limit = physical;
  }
  return limit;
}

}  // namespace geoweave::detail
