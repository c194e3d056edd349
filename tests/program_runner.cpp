#include "program_runner.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace geoweave::detail {

namespace fs = std::filesystem;

const char kUsage[] =
    "GeoweaveTest [options]\n"
    "-h              Display this help information\n"
    "-sSEED          Specify non-default seed for generation (nothing for random)\n"
    "-wWIDTH         Equatorial width of bitmap\n"
    "-zZOOM          Higher numbers reduce number of surface points (much faster)\n"
    "-cRATIO         Ratio of TPR to IPR, higher values give more continents\n"
    "-lLANDCOVER     Percentage of surface which should be land\n"
    "-rRIVERCOVERAGE Percentage of land tiles which should have rivers\n"
    "-tTURNS         Number of turns to iterate\n"
    "-gIMAGEFILE     Saves the ground cover image to IMAGEFILE.bmp\n"
    "-iSHARECAP      Recursive \"share\" cap, continents=1.0, islands=0.2\n"
    "-aALTSHADEMUL   Multiplier to apply to shading due to altitude differences\n"
    "-v              Output bitmaps each iteration, to make video files\n"
    "\n";

namespace {
// A run that takes longer than this is stuck; the sanitizer build on a small
// machine needs well under a second for the runs these tests make.
constexpr auto kRunLimit = std::chrono::seconds(120);

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Waits for the child, killing it when it outlives kRunLimit.
int waitFor(pid_t pid) {
  const auto deadline = std::chrono::steady_clock::now() + kRunLimit;
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ADD_FAILURE() << "the program did not finish in time";
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return WIFSIGNALED(status) ? -WTERMSIG(status) : -1;
}
}  // namespace

uint64_t digest(const std::string& bytes) {
  uint64_t hash = 14695981039346656037ull;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

ProgramRun runIn(const std::string& program, const std::vector<std::string>& args,
                 const std::string& workDir, const std::string& scratchDir) {
  ProgramRun run;
  const fs::path work(workDir);
  const std::string outPath = (fs::path(scratchDir) / "stdout").string();
  const std::string errPath = (fs::path(scratchDir) / "stderr").string();

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addchdir_np(&actions, work.c_str());

  std::vector<char*> argv;
  std::string name = program;
  argv.push_back(name.data());
  std::vector<std::string> copies(args);
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);

  // The program starts with the default action of the signals that writes
  // raise, as from a shell, whatever this process ignores: the runs that
  // check how it meets a closed pipe or the file-size limit must not pass
  // for an inherited ignore's sake.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t writeSignals;
  sigemptyset(&writeSignals);
  sigaddset(&writeSignals, SIGPIPE);
  sigaddset(&writeSignals, SIGXFSZ);
  posix_spawnattr_setsigdefault(&attributes, &writeSignals);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, name.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  if (spawned != 0) {
    ADD_FAILURE() << "could not start " << program;
    return run;
  }
  run.exitCode = waitFor(pid);
  run.out = readFile(outPath);
  run.err = readFile(errPath);
  for (const auto& entry : fs::directory_iterator(work)) {
    run.files.push_back(entry.path().filename().string());
  }
  std::sort(run.files.begin(), run.files.end());
  for (const std::string& file : run.files) {
    const std::string bytes = readFile((work / file).string());
    run.fileDigests.push_back(digest(bytes));
    run.fileSizes.push_back(bytes.size());
  }
  return run;
}

ScratchDirectory::ScratchDirectory() {
  std::string base = (fs::temp_directory_path() / "geoweave-cli-XXXXXX").string();
  if (mkdtemp(base.data()) == nullptr) {
    ADD_FAILURE() << "mkdtemp failed";
    return;
  }
  path = base;
  work = (fs::path(base) / "work").string();
  fs::create_directory(work);
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  if (!path.empty()) fs::remove_all(path, ignored);
}

ProgramRun runProgram(const std::vector<std::string>& args,
                      const std::vector<std::string>& directories) {
  const ScratchDirectory scratch;
  if (scratch.path.empty()) return ProgramRun();
  for (const std::string& name : directories) fs::create_directory(fs::path(scratch.work) / name);
  return runIn(GEOWEAVE_BINARY, args, scratch.work, scratch.path);
}

std::string expectedProgress(int turns) {
  std::string text;
  std::string stage;
  int dots = 0;
  // Each report names its stage; a new stage starts a line of its own and
  // its dots count from zero against the overall fraction.
  const auto report = [&](float fraction, const std::string& name) {
    if (name != stage) {
      text += "\n" + name + "\n";
      stage = name;
      dots = 0;
    }
    const int n = static_cast<int>(60.0 * static_cast<double>(fraction));
    if (n > dots) {
      text.append(static_cast<size_t>(n - dots), '.');
      dots = n;
    }
  };
  report(0.0f, "Prestoring neighbors and move fractions");
  report(0.01f, "Creating roughness");
  report(0.02f, "Creating terrain elevations");
  report(0.04f, "Calibrating sea level");
  report(0.05f, "Tweaking temperatures");
  report(0.07f, "Setting up iterations");
  for (int t = 0; t < turns; ++t) {
    report(static_cast<float>(0.08 + 0.9 * t / turns), "Iterating");
  }
  report(0.98f, "Making rivers");
  report(1.0f, "Done generating planet");
  return text;
}

namespace {
// Reads a run of digits at text[i]; false when there is none.
bool digits(const std::string& text, size_t& i, size_t exactly = 0) {
  const size_t start = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  return exactly == 0 ? i > start : i - start == exactly;
}
}  // namespace

bool matchesShape(const std::string& text, const std::string& shape,
                  std::vector<std::string>* fields) {
  size_t i = 0;
  for (const char want : shape) {
    const size_t start = i;
    if (want == '#') {
      if (i < text.size() && text[i] == '-') ++i;
      if (!digits(text, i) || i >= text.size() || text[i++] != '.' || !digits(text, i, 6)) {
        return false;
      }
    } else if (want == '@') {
      if (!digits(text, i)) return false;
    } else {
      if (i >= text.size() || text[i] != want) return false;
      ++i;
      continue;
    }
    if (fields != nullptr) fields->push_back(text.substr(start, i - start));
  }
  return i == text.size();
}

bool isClosingLines(const std::string& err) {
  return matchesShape(err,
                      "Elev(#,#), sealevel(#), waterflowing(#), rainfall(#),\n"
                      "temp(#,#), TileElevDiff(#)\nGeneration took @ seconds.\n");
}

std::string statisticsOf(const std::string& err) {
  const size_t timing = err.find("Generation took ");
  return err.substr(0, timing);
}

}  // namespace geoweave::detail
