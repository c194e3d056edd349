// geoweave: generates a planet and writes its maps, heightmap and record.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "cli/cli_options.h"
#include "cli/progress_line.h"
#include "cli/random_seed.h"
#include "cli/run.h"
#include "cli/thread_setting.h"
#include "image/atomic_file.h"

int main(int argc, char** argv) {
  using namespace geoweave::detail;
  CommandLine line;
  std::string error;
  if (!line.refuseFlagValues(argc, argv, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return kExitBadOptions;
  }
  // CLI11 reports by exception; this is the one place that catches them.
  try {
    line.app().parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::fputs(line.app().help().c_str(), stdout);
    return 0;
  } catch (const CLI::CallForVersion& version) {
    std::printf("geoweave %s\n", version.what());
    return 0;
  } catch (const CLI::ParseError& failure) {
    std::fprintf(stderr, "%s\n", line.errorLine(failure).c_str());
    return kExitBadOptions;
  }
  RunOptions options;
  if (!line.resolve(randomSeed(), &options, &error) ||
      !readThreadSetting(std::getenv("GEOWEAVE_THREADS"), &options.settings.workers, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return kExitBadOptions;
  }
  if (options.randomSeed) std::fprintf(stderr, "seed: %d\n", options.settings.seed);

  // A file cut short by a signal leaves no scratch file behind. A write
  // past the file-size limit or into a closed pipe (standard error's reader
  // gone) fails and is told instead of ending the run.
  installTempFileCleanup();
  ignoreWriteSignals();
  std::unique_ptr<ProgressLine> progress;
  if (!options.quiet) progress = std::make_unique<ProgressLine>(stderr, isatty(STDERR_FILENO) == 1);
  return runGeoweave(options, progress.get(), stderr);
}
