#include "app/progress_dots.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace geoweave::detail {

namespace {

const char kPrestoring[] = "Prestoring neighbors and move fractions";

// A display drawing into memory.
struct Screen {
  ProgressDisplay display;
  char* buffer = nullptr;
  size_t size = 0;
  std::FILE* stream = open_memstream(&buffer, &size);

  ~Screen() {
    std::fclose(stream);
    std::free(buffer);
  }
  std::string show(float fraction, const char* stage) {
    display.show(fraction, stage, stream);
    std::fflush(stream);
    return std::string(buffer, size);
  }
};

TEST(ProgressDisplay, FirstReportWritesTheStageLineAndNoDot) {
  Screen screen;
  EXPECT_EQ(screen.show(0.0f, kPrestoring), std::string("\n") + kPrestoring + "\n");
}

TEST(ProgressDisplay, NewStageAtOneShowsSixtyDotsAtOnce) {
  Screen screen;
  screen.show(0.0f, kPrestoring);
  EXPECT_EQ(screen.show(1.0f, "Done"),
            std::string("\n") + kPrestoring + "\n\nDone\n" + std::string(60, '.'));
}

TEST(ProgressDisplay, DotsAreNeverTakenBack) {
  Screen screen;
  const char* stage = "Iterating";
  screen.show(0.5f, stage);
  EXPECT_EQ(screen.show(0.25f, stage), "\nIterating\n" + std::string(30, '.'));
  EXPECT_EQ(screen.show(0.75f, stage), "\nIterating\n" + std::string(45, '.'));
}

TEST(ProgressDisplay, StageChangesByIdentityNotByText) {
  Screen screen;
  const char first[] = "Iterating";
  const char second[] = "Iterating";
  screen.show(0.1f, first);
  screen.show(0.1f, first);
  EXPECT_EQ(screen.show(0.1f, second), "\nIterating\n......\nIterating\n......");
}

TEST(ProgressDisplay, DotCountTruncatesSixtyTimesTheFloatInDouble) {
  Screen screen;
  // 60 x 0.35f is 20.99999964 in double; in float it would round to 21.
  EXPECT_EQ(screen.show(0.35f, "Iterating"), "\nIterating\n" + std::string(20, '.'));
}

TEST(ProgressDisplay, OddFractionsDrawNothingWrong) {
  Screen screen;
  const char* stage = "Stage";
  EXPECT_EQ(screen.show(-0.5f, stage), "\nStage\n");
  EXPECT_EQ(screen.show(std::nanf(""), stage), "\nStage\n");
  EXPECT_EQ(screen.show(INFINITY, stage), "\nStage\n" + std::string(60, '.'));
}

// Runs action with standard error sent to a temporary file; returns what it got.
template <typename Action>
std::string captureStandardError(Action action) {
  std::fflush(stderr);
  std::FILE* capture = std::tmpfile();
  const int saved = dup(2);
  dup2(fileno(capture), 2);
  action();
  std::fflush(stderr);
  dup2(saved, 2);
  close(saved);
  std::string text;
  std::rewind(capture);
  for (int ch = std::fgetc(capture); ch != EOF; ch = std::fgetc(capture)) {
    text += static_cast<char>(ch);
  }
  std::fclose(capture);
  return text;
}

TEST(ProgressDebugMessage, FormatsLikePrintf) {
  char buffer[512];
  EXPECT_EQ(formatDebugMessage(buffer, "Generation took %d seconds.\n", 3), 27);
  EXPECT_STREQ(buffer, "Generation took 3 seconds.\n");
  EXPECT_EQ(captureStandardError([] { debugMessage("Elev(%f,%f)\n", 0.25, -1.5); }),
            "Elev(0.250000,-1.500000)\n");
}

TEST(ProgressDebugMessage, LongTextIsCutAt511Characters) {
  const std::string long_text(600, 'x');
  char buffer[512];
  formatDebugMessage(buffer, "%s", long_text.c_str());
  EXPECT_EQ(std::string(buffer), long_text.substr(0, 511));
  EXPECT_EQ(captureStandardError([&] { debugMessage("%s!", long_text.c_str()); }),
            long_text.substr(0, 511));
}

}  // namespace

}  // namespace geoweave::detail
