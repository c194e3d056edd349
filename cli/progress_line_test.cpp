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

TEST(CliProgress, ALogGetsOnePlainLinePerStage) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  ProgressLine progress(file, false);
  progress.report(0.0, "Creating roughness", 0.0);
  progress.report(0.005, "Creating roughness", 0.01);
  progress.report(0.4267, "Iterating", 1.26);
  progress.report(0.5, "Iterating", 1.5);
  progress.message("geoweave: cannot write x.png: Permission denied");
  progress.finish(2.04);
  progress.report(0.1, "After the end", 3.0);
  EXPECT_EQ(contents(file),
            "[  0%    0.0 s] Creating roughness\n"
            "[ 42%    1.3 s] Iterating\n"
            "geoweave: cannot write x.png: Permission denied\n"
            "[100%    2.0 s] Done\n");
  std::fclose(file);
}

TEST(CliProgress, ATerminalLineIsRedrawnInPlaceAndMessagesGoAboveIt) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  ProgressLine progress(file, true);
  progress.report(0.0, "Creating terrain elevations", 0.0);
  progress.report(0.001, "Creating terrain elevations", 0.02);  // same text: not drawn
  progress.report(0.5, "Iterating", 0.5);
  progress.message("oops");
  progress.finish(1.0);
  const std::string first = "[  0%    0.0 s] Creating terrain elevations";
  const std::string second = "[ 50%    0.5 s] Iterating";
  const std::string pad(first.size() - second.size(), ' ');
  const std::string blank(second.size(), ' ');
  EXPECT_EQ(contents(file), "\r" + first + "\r" + second + pad + "\r" + blank + "\roops\n\r" +
                                second + "\r[100%    1.0 s] Done     \n");
  std::fclose(file);
}

}  // namespace

}  // namespace geoweave::detail
