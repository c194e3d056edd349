#include "cli/progress_line.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace geoweave::detail {

namespace {

// What a display wrote, read back from its temporary file.
std::string contents(std::FILE* file) {
  std::fflush(file);
  std::rewind(file);
  std::string text;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
  return text;
}

// A log gets no time left: a guess has no place in a record.
TEST(CliProgress, ALogGetsOnePlainLinePerStep) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  ProgressLine progress(file, false);
  progress.report(0.0, "Creating roughness", 0.0, -1);
  progress.report(0.005, "Creating roughness", 0.01, 3.0);
  progress.report(0.4267, "Climate turn 1 of 2", 1.26, 2.0);
  progress.report(0.5, "Climate turn 1 of 2", 1.5, 1.5);
  progress.report(0.6, "Climate turn 2 of 2", 1.6, 1.4);
  progress.message("geoweave: cannot write x.png: Permission denied");
  progress.finish(2.04);
  progress.report(0.1, "After the end", 3.0, 1.0);
  EXPECT_EQ(contents(file),
            "[  0%    0.0 s] Creating roughness\n"
            "[ 42%    1.3 s] Climate turn 1 of 2\n"
            "[ 60%    1.6 s] Climate turn 2 of 2\n"
            "geoweave: cannot write x.png: Permission denied\n"
            "[100%    2.0 s] Done\n");
  std::fclose(file);
}

TEST(CliProgress, ATerminalLineIsRedrawnInPlaceAndMessagesGoAboveIt) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  ProgressLine progress(file, true);
  progress.report(0.0, "Creating terrain elevations", 0.0, -1);
  progress.report(0.001, "Creating terrain elevations", 0.02, -1);  // same text: not drawn
  progress.report(0.5, "Iterating", 0.5, 0.54);
  progress.message("oops");
  progress.finish(1.0);
  const std::string first = "[  0%    0.0 s] Creating terrain elevations";
  const std::string second = "[ 50%    0.5 s, 0.5 s left] Iterating";
  const std::string pad(first.size() - second.size(), ' ');
  const std::string blank(second.size(), ' ');
  EXPECT_EQ(contents(file), "\r" + first + "\r" + second + pad + "\r" + blank + "\roops\n\r" +
                                second + "\r[100%    1.0 s] Done" +
                                std::string(second.size() - 20, ' ') + "\n");
  std::fclose(file);
}

// The time left reads at a glance at every size, each unit rounded once.
TEST(CliProgress, DurationsAreShortAndRounded) {
  EXPECT_EQ(durationText(0.04), "0.0 s");
  EXPECT_EQ(durationText(9.94), "9.9 s");
  EXPECT_EQ(durationText(9.96), "10 s");
  EXPECT_EQ(durationText(119.4), "119 s");
  EXPECT_EQ(durationText(119.6), "2 min 00 s");
  EXPECT_EQ(durationText(185), "3 min 05 s");
  EXPECT_EQ(durationText(3599.4), "59 min 59 s");
  EXPECT_EQ(durationText(7620), "2 h 07 min");
  EXPECT_EQ(durationText(-5), "0.0 s");
}

}  // namespace

}  // namespace geoweave::detail
