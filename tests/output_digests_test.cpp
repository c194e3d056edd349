// Regression guard: a fixed set of small runs must keep producing exactly the
// files, progress display and statistics recorded in output_digests.txt.
// A changed digest is a bug unless a change of behaviour was asked for; to
// record new digests deliberately, run this test with
// GEOWEAVE_RECORD_DIGESTS=/path/to/output_digests.txt. Every configuration
// runs at several worker counts (GEOWEAVE_THREADS): the outputs must not
// depend on how the work is shared out.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/program_runner.h"

namespace geoweave::detail {

namespace {
const std::vector<std::vector<std::string>> kConfigurations = {
    {"-s1", "-w32", "-t3", "-v"},
    {"-s42", "-w64", "-t2", "-v", "-i1.0"},
    {"-s7", "-w48", "-t2", "-v", "-l40", "-c0.5"},
    {"-s123", "-w100", "-t2", "-v", "-a-1.5", "-r10"},
    {"-s99", "-w16", "-t4", "-v", "-z0.5", "-i0.1"},
    {"-s5", "-w131", "-t1", "-v", "-l100"},
    {"-s6", "-w40", "-t2", "-v", "-l0", "-c2"},
    {"-s19800518", "-w256", "-t2", "-v"},
    {"-s3", "-w2", "-t1", "-v"},
    {"-s3", "-w5", "-t2", "-v", "-gtiny"},
    {"-s11", "-w200", "-t3", "-r0"},
    {"-s12", "-w90", "-t2", "-r100", "-a0"},
};

std::string hex(uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof text, "%016" PRIx64, value);
  return text;
}

// A level-9 grid (3.2 million tiles), recorded before the storage and the
// passes were reworked for huge planets.
const std::vector<std::vector<std::string>> kLargeConfigurations = {
    {"-s2048", "-w2048", "-t2", "-v"},
};

// One line per output of every configuration.
std::string report(const std::vector<std::vector<std::string>>& configurations) {
  std::ostringstream lines;
  for (const auto& args : configurations) {
    std::string joined;
    for (const std::string& arg : args) joined += (joined.empty() ? "" : " ") + arg;
    const ProgramRun run = runProgram(args);
    lines << joined << " | exit | " << run.exitCode << "\n";
    lines << joined << " | stdout | " << hex(digest(run.out)) << "\n";
    lines << joined << " | statistics | " << hex(digest(statisticsOf(run.err))) << "\n";
    for (size_t i = 0; i < run.files.size(); ++i) {
      lines << joined << " | " << run.files[i] << " | " << hex(run.fileDigests[i]) << "\n";
    }
  }
  return lines.str();
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}
}  // namespace

class CliOutputDigests : public testing::TestWithParam<const char*> {};

void expectRecorded(const std::string& actual, const char* recordedPath) {
  std::ifstream recordedFile(recordedPath);
  ASSERT_TRUE(recordedFile) << "missing " << recordedPath;
  std::stringstream recorded;
  recorded << recordedFile.rdbuf();
  const std::vector<std::string> expected = splitLines(recorded.str());
  const std::vector<std::string> got = splitLines(actual);
  ASSERT_FALSE(expected.empty());
  for (size_t i = 0; i < expected.size() || i < got.size(); ++i) {
    EXPECT_EQ(i < expected.size() ? expected[i] : "", i < got.size() ? got[i] : "")
        << "line " << i + 1;
  }
}

TEST_P(CliOutputDigests, EveryOutputMatchesTheRecordedDigest) {
  // The programs run as children and inherit the setting.
  ASSERT_EQ(setenv("GEOWEAVE_THREADS", GetParam(), 1), 0);
  const std::string actual = report(kConfigurations);
  if (const char* target = std::getenv("GEOWEAVE_RECORD_DIGESTS")) {
    std::ofstream(target) << actual;
    GTEST_SKIP() << "recorded digests to " << target;
  }
  expectRecorded(actual, GEOWEAVE_DIGESTS);
}

TEST(CliOutputDigestsLarge, LevelNineRunMatchesTheRecordedDigest) {
  const std::string actual = report(kLargeConfigurations);
  if (const char* target = std::getenv("GEOWEAVE_RECORD_LARGE_DIGESTS")) {
    std::ofstream(target) << actual;
    GTEST_SKIP() << "recorded digests to " << target;
  }
  expectRecorded(actual, GEOWEAVE_LARGE_DIGESTS);
}

INSTANTIATE_TEST_SUITE_P(Workers, CliOutputDigests, testing::Values("1", "2", "3", "7"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return std::string("workers") + info.param;
                         });

}  // namespace geoweave::detail
