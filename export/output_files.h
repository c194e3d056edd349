#pragma once

#include <string>

namespace geoweave::detail {

// What came of writing one file.
struct FileOutcome {
  std::string name;  // relative to the output directory
  bool written = false;
  // When not written: "cannot write PATH: reason", or outOfMemoryLine()'s
  // when memory ran out (empty when even that line could not be had).
  std::string error;
};

// The line for work that memory ran out for: "error: out of memory while "
// and doing, e.g. "writing layers/rain.tif". May throw std::bad_alloc.
std::string outOfMemoryLine(const std::string& doing);

// Whether line is one of outOfMemoryLine()'s.
bool isOutOfMemoryLine(const std::string& line);

// Makes the directory path and any missing parents. True when it stands as a
// directory afterwards (made now or before); otherwise false with
// "cannot create directory PATH: reason" in *error.
bool makeDirectories(const std::string& path, std::string* error);

// dir joined with a name inside it ("." gives the name alone, so messages
// and records name files as the user would).
std::string pathIn(const std::string& dir, const std::string& name);

}  // namespace geoweave::detail
