#include "cli/option_suggestion.h"

#include <algorithm>

namespace geoweave::detail {

namespace {

// Levenshtein distance, counted no further than limit + 1: only near misses
// matter, so long texts cost no more than short ones.
size_t editDistance(const std::string& a, const std::string& b, size_t limit) {
  const size_t gap = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
  if (gap > limit) return limit + 1;
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    size_t best = row[0];
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
      best = std::min(best, row[j]);
    }
    if (best > limit) return limit + 1;
  }
  return row[b.size()];
}

constexpr size_t kNearest = 2;

}  // namespace

std::string suggestedOption(const std::string& given, const std::vector<std::string>& names) {
  const std::string typed = given.substr(0, given.find('='));
  if (typed.size() > 2 && typed.compare(0, 2, "--") == 0) {
    const std::string* only = nullptr;
    int starts = 0;
    for (const std::string& name : names) {
      if (name.size() > typed.size() && name.compare(0, typed.size(), typed) == 0) {
        only = &name;
        ++starts;
      }
    }
    if (starts == 1) return *only;
  }
  size_t closest = kNearest + 1;
  std::string found;
  for (const std::string& name : names) {
    const size_t distance = editDistance(typed, name, kNearest);
    if (distance > kNearest || distance > closest || distance == 0) continue;
    if (distance < closest) found.clear();
    closest = distance;
    found += (found.empty() ? "" : " or ") + name;
  }
  return found;
}

}  // namespace geoweave::detail
