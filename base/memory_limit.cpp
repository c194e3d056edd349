#include "base/memory_limit.h"

#include <unistd.h>

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
uint64_t limitFromFile(const char* path) {
  std::ifstream in(path);
  if (!in) return UINT64_MAX;
  std::stringstream text;
  text << in.rdbuf();
  return parseMemoryLimit(text.str());
}
}  // namespace

uint64_t cgroupMemoryLimit(const char* v2Path, const char* v1Path) {
  const uint64_t limit = limitFromFile(v2Path);
  return limit == UINT64_MAX ? limitFromFile(v1Path) : limit;
}

uint64_t usableMemoryBytes() {
  uint64_t limit =
      cgroupMemoryLimit("/sys/fs/cgroup/memory.max", "/sys/fs/cgroup/memory/memory.limit_in_bytes");
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (pages > 0 && pageSize > 0) {
    const uint64_t physical = static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize);
    if (physical < limit) limit = physical;
  }
  return limit;
}

}  // namespace geoweave::detail
