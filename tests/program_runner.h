#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace geoweave::detail {

// What one run of the program left behind.
struct ProgramRun {
  int exitCode = -1;  // the exit status, or minus the signal that ended it
  std::string out;
  std::string err;
  std::vector<std::string> files;     // names in the working directory, sorted
  std::vector<uint64_t> fileDigests;  // digest() of each file's bytes, same order
  std::vector<size_t> fileSizes;      // each file's size in bytes, same order
};

// 64-bit FNV-1a of a byte string: a compact fingerprint of an output.
uint64_t digest(const std::string& bytes);

// Runs the built GeoweaveTest with args in a fresh working directory, empty
// but for the given subdirectories, standard input from /dev/null, and
// removes the directory afterwards.
ProgramRun runProgram(const std::vector<std::string>& args,
                      const std::vector<std::string>& directories = {});

// A fresh directory under the system's temporary one, with an empty "work"
// directory inside; removed with everything in it when this goes.
struct ScratchDirectory {
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  std::string path;  // empty when it could not be made (a test failure is recorded)
  std::string work;
};

// Runs program (a path) with args in workDir, standard input from /dev/null,
// its standard output and error caught in files in scratchDir. What it
// writes stays for the caller to look at.
ProgramRun runIn(const std::string& program, const std::vector<std::string>& args,
                 const std::string& workDir, const std::string& scratchDir);

// The usage text, as the program prints it.
extern const char kUsage[];

// The whole progress display of a successful run with the given turns.
std::string expectedProgress(int turns);

// True when text has the shape: '#' stands for a number as %f writes it,
// '@' for a run of digits, anything else for itself. The text of each '#'
// and '@' is appended to fields.
bool matchesShape(const std::string& text, const std::string& shape,
                  std::vector<std::string>* fields = nullptr);

// True when err is exactly the statistics line (finite values) followed by
// the timing line.
bool isClosingLines(const std::string& err);

// The statistics line of a finished run: err without its timing line.
std::string statisticsOf(const std::string& err);

}  // namespace geoweave::detail
