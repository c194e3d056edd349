#pragma once

#include <cstdio>

#include "cli/cli_options.h"
#include "cli/progress_line.h"

namespace geoweave::detail {

// Exit codes of geoweave besides 0.
inline constexpr int kExitBadOptions = 1;
// The grid was too large, memory ran out, or a file could not be written.
inline constexpr int kExitFailed = 2;

// Generates the planet of options and writes its folder into options.outDir
// through geoweave::exportPlanet (and exportFrames at every turn with
// frames). A file that cannot be written is named with its reason on err
// and the run goes on with the others. progress, when not null, shows the
// stages (and carries the messages so they do not break its line). Returns
// 0; kExitBadOptions when the library refuses the settings; kExitFailed
// when the output directory cannot be made or another run holds it (see
// geoweave/export.h's lock, held here from before the generation to the
// end), the planet cannot be generated (one line on err), memory ran out
// while the files were written, or any file was not written. What err
// cannot take (a reader gone, with SIGPIPE ignored) changes nothing: the
// code tells of the files alone.
int runGeoweave(const RunOptions& options, ProgressLine* progress, std::FILE* err);

}  // namespace geoweave::detail
