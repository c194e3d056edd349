#pragma once

#include <cstdio>
#include <string>

namespace geoweave::detail {

// The progress display on standard error. On a terminal it is one line,
// redrawn in place ("\r") with the share done, the seconds since the start,
// the time left and the step; elsewhere (a log file, a pipe) each step (a
// stage, a climate turn) gets one plain line of its own without the time
// left, so a log holds no carriage returns and no guesses.
class ProgressLine {
 public:
  ProgressLine(std::FILE* out, bool terminal) : out_(out), terminal_(terminal) {}

  // The run has reached fraction (0 to 1) of its work, in step, after
  // elapsedSeconds, with remainingSeconds to go (negative: not known). On a
  // terminal the line is redrawn when its text changes; otherwise a line is
  // written when the step changes.
  void report(double fraction, const std::string& step, double elapsedSeconds,
              double remainingSeconds);

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
  std::string step_;
  std::string shown_;  // the text on the terminal line now
};

// The text of one report: "[ 42%    1.3 s] Climate turn 4 of 10", or with
// remainingSeconds not negative "[ 42%    1.3 s, 1.8 s left] ...".
std::string progressText(double fraction, const std::string& step, double elapsedSeconds,
                         double remainingSeconds = -1);

// A time span for people: "8.4 s" below ten seconds, "42 s" below two
// minutes, then "3 min 05 s", and from an hour on "2 h 07 min".
std::string durationText(double seconds);

}  // namespace geoweave::detail
