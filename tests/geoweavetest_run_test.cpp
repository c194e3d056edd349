#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "program_runner.h"

namespace geoweave::detail {

namespace {

using Files = std::vector<std::string>;

TEST(CliRun, SmallRunShowsProgressThenClosingLines) {
  const ProgramRun run = runProgram({"-w16", "-t2"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, expectedProgress(2));
  EXPECT_TRUE(isClosingLines(run.err)) << run.err;
  // Without -v nothing is written.
  EXPECT_EQ(run.files, Files{});
}

TEST(CliRun, ProgressFollowsTheTurnCount) {
  const ProgramRun run = runProgram({"-w16", "-t3"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, expectedProgress(3));
}

TEST(CliRun, SeedFixesTheWholeRun) {
  const ProgramRun first = runProgram({"-s42", "-w16", "-t2"});
  const ProgramRun second = runProgram({"-s42", "-w16", "-t2"});
  const ProgramRun other = runProgram({"-s43", "-w16", "-t2"});
  ASSERT_TRUE(isClosingLines(first.err)) << first.err;
  EXPECT_EQ(first.out, second.out);
  EXPECT_EQ(statisticsOf(first.err), statisticsOf(second.err));
  EXPECT_NE(statisticsOf(first.err), statisticsOf(other.err));
  // The default seed is the fixed 19800518.
  EXPECT_EQ(statisticsOf(runProgram({"-w16", "-t1"}).err),
            statisticsOf(runProgram({"-s19800518", "-w16", "-t1"}).err));
}

TEST(CliSnapshots, OnePairOfPicturesPerTurn) {
  const ProgramRun run = runProgram({"-w16", "-t3", "-v"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, expectedProgress(3));
  EXPECT_EQ(run.files, (Files{"all0000.bmp", "all0001.bmp", "all0002.bmp", "grnd0000.bmp",
                              "grnd0001.bmp", "grnd0002.bmp"}));
}

TEST(CliSnapshots, GroundNameCountsOnlyWhenGivenBeforeV) {
  EXPECT_EQ(runProgram({"-gworld", "-v", "-w16", "-t1"}).files,
            (Files{"all0000.bmp", "world0000.bmp"}));
  EXPECT_EQ(runProgram({"-v", "-gworld", "-w16", "-t1"}).files,
            (Files{"all0000.bmp", "grnd0000.bmp"}));
  // A later -v rebuilds the pattern from the latest name.
  EXPECT_EQ(runProgram({"-gone", "-v", "-gtwo", "-V", "-w16", "-t1"}).files,
            (Files{"all0000.bmp", "two0000.bmp"}));
}

TEST(CliSnapshots, PercentInGroundNameIsLiteral) {
  const ProgramRun run = runProgram({"-g50%land", "-v", "-t1", "-w16"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.files, (Files{"50%land0000.bmp", "all0000.bmp"}));
  EXPECT_EQ(runProgram({"-g%n%s%d", "-v", "-t1", "-w16"}).files,
            (Files{"%n%s%d0000.bmp", "all0000.bmp"}));
}

// A picture that cannot be written is reported, the run still writes the
// others, and the exit code tells a script that output is missing.
TEST(CliSnapshots, UnwritablePictureIsReportedAndEndsWithCodeTwo) {
  const ProgramRun run = runProgram({"-w16", "-t2", "-v"}, {"grnd0000.bmp"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, expectedProgress(2));
  const std::string warning = "warning: could not write grnd0000.bmp\n";
  ASSERT_EQ(run.err.compare(0, warning.size(), warning), 0) << run.err;
  EXPECT_TRUE(isClosingLines(run.err.substr(warning.size()))) << run.err;
  // The directory stands as it was, next to every picture that could be made.
  EXPECT_EQ(run.files, (Files{"all0000.bmp", "all0001.bmp", "grnd0000.bmp", "grnd0001.bmp"}));
}

// Past the file-size limit (ulimit -f) a picture is warned of like any
// other that cannot be written, where SIGXFSZ would end the run with its
// scratch file left. The limit is the program's alone: its warnings go
// through a pipe to a cat that writes them where the test reads them.
TEST(CliSnapshots, FileSizeLimitIsWarnedOfAndEndsWithCodeTwo) {
  const ScratchDirectory scratch;
  const ProgramRun run = runIn("/bin/bash",
                               {"-c", std::string("(ulimit -f 0 && exec '") + GEOWEAVE_BINARY +
                                          "' -w16 -t2 -v >/dev/null) 2>&1 | cat >&2; "
                                          "exit ${PIPESTATUS[0]}"},
                               scratch.work, scratch.path);
  EXPECT_EQ(run.exitCode, 2);
  const std::string warnings =
      "warning: could not write grnd0000.bmp\nwarning: could not write all0000.bmp\n"
      "warning: could not write grnd0001.bmp\nwarning: could not write all0001.bmp\n";
  ASSERT_EQ(run.err.compare(0, warnings.size(), warnings), 0) << run.err;
  EXPECT_TRUE(isClosingLines(run.err.substr(warnings.size()))) << run.err;
  EXPECT_EQ(run.files, Files{});
}

TEST(CliGrid, WidthsBelowThreeUseTheSmallestGrid) {
  for (const char* width : {"-w1", "-w2", "-w3"}) {
    SCOPED_TRACE(width);
    const ProgramRun run = runProgram({width, "-t1", "-v"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, expectedProgress(1));
    EXPECT_TRUE(isClosingLines(run.err)) << run.err;
    EXPECT_EQ(run.files, (Files{"all0000.bmp", "grnd0000.bmp"}));
  }
}

// The grid error, with the tile count it names; nothing else is printed.
void expectGridError(const ProgramRun& run, const std::string& width, const std::string& zoom) {
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.files, Files{});
  std::vector<std::string> fields;
  ASSERT_TRUE(matchesShape(run.err,
                           "error: the grid for width " + width + " and zoom " + zoom +
                               " needs @ tiles, which cannot be allocated\n",
                           &fields))
      << run.err;
  // Such a grid cannot be addressed with 32-bit tile indices.
  const std::string count = fields.back();
  EXPECT_TRUE(count.size() > 10 || std::stoll(count) > INT32_MAX) << count;
}

// Odd widths round the height down; rows are padded to four bytes.
TEST(CliSnapshots, OddWidthsWritePaddedPictures) {
  const struct {
    const char* width;
    size_t groundBytes;
    size_t sheetBytes;
  } cases[] = {{"-w5", (16 * 2) + 54, (32 * 6) + 54},
               {"-w513", (1540 * 256) + 54, (3080 * 768) + 54}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.width);
    const ProgramRun run = runProgram({c.width, "-t1", "-v"});
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.files, (Files{"all0000.bmp", "grnd0000.bmp"}));
    EXPECT_EQ(run.fileSizes, (std::vector<size_t>{c.sheetBytes, c.groundBytes}));
  }
}

TEST(CliGrid, GridTooLargeEndsBeforeGeneration) {
  expectGridError(runProgram({"-w2000000000"}), "2000000000", "1");
  expectGridError(runProgram({"-z0.0000001", "-w512"}), "512", "1e-07");
  // The first width whose grid goes past level 13.
  expectGridError(runProgram({"-w49152", "-v"}), "49152", "1");
}

}  // namespace

}  // namespace geoweave::detail
