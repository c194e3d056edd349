#pragma once

#include <string>

namespace geoweave::detail {

// What came of writing one file.
struct FileOutcome {
  std::string name;  // relative to the output directory
  bool written = false;
  std::string error;  // "cannot write PATH: reason" when not written
};

// Makes the directory path and any missing parents. True when it stands as a
// directory afterwards (made now or before); otherwise false with
// "cannot create directory PATH: reason" in *error.
bool makeDirectories(const std::string& path, std::string* error);

// Writes text to path through AtomicFile: the file appears complete or not at
// all, and whatever stood there stays on failure. False with
// "cannot write PATH: reason" in *error.
bool writeTextFile(const std::string& path, const std::string& text, std::string* error);

// dir joined with a name inside it ("." gives the name alone, so messages
// and records name files as the user would).
std::string pathIn(const std::string& dir, const std::string& name);

}  // namespace geoweave::detail
