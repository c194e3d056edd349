#pragma once

#include <cstdio>
#include <string>

namespace geoweave::detail {

// The progress display on standard error. On a terminal it is one line,
// redrawn in place ("\r") with the stage, the share done and the seconds
// since the start; elsewhere (a log file, a pipe) each stage gets one plain
// line of its own, so a log holds no carriage returns.
class ProgressLine {
 public:
  ProgressLine(std::FILE* out, bool terminal) : out_(out), terminal_(terminal) {}

  // The run has reached fraction (0 to 1) of its work, in stage, after
  // elapsedSeconds. On a terminal the line is redrawn when its text changes;
  // otherwise a line is written when the stage changes.
  void report(double fraction, const std::string& stage, double elapsedSeconds);

  // Prints line (no newline in it) on a line of its own: a terminal's
  // progress line is cleared first and drawn again below it.
  void message(const std::string& line);

  // Ends the display with a last "Done" report; a terminal line gets its
  // newline. Nothing is drawn after this.
  void finish(double elapsedSeconds);

 private:
  void draw(const std::string& text);

  std::FILE* out_;
  bool terminal_;
  bool finished_ = false;
  std::string stage_;
  std::string shown_;  // the text on the terminal line now
};

// The text of one report: "[ 42%   1.3 s] Iterating".
std::string progressText(double fraction, const std::string& stage, double elapsedSeconds);

}  // namespace geoweave::detail
