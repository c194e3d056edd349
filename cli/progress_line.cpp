#include "cli/progress_line.h"

#include <cmath>

namespace geoweave::detail {

std::string durationText(double seconds) {
  char text[32];
  if (!(seconds >= 0)) seconds = 0;
  if (seconds < 9.95) {
    std::snprintf(text, sizeof text, "%.1f s", seconds);
  } else if (seconds < 119.5) {
    std::snprintf(text, sizeof text, "%.0f s", seconds);
  } else if (seconds < 3599.5) {
    const long whole = std::lround(seconds);
    std::snprintf(text, sizeof text, "%ld min %02ld s", whole / 60, whole % 60);
  } else {
    const long minutes = std::lround(seconds / 60);
    std::snprintf(text, sizeof text, "%ld h %02ld min", minutes / 60, minutes % 60);
  }
  return text;
}

std::string progressText(double fraction, const std::string& step, double elapsedSeconds,
                         double remainingSeconds) {
  const double clamped = fraction < 0 ? 0 : fraction > 1 ? 1 : fraction;
  // Whole percents counted down, so 100% shows only once all is done.
  const int percent = static_cast<int>(std::floor(clamped * 100.0));
  char head[64];
  std::snprintf(head, sizeof head, "[%3d%% %6.1f s", percent,
                elapsedSeconds < 0 ? 0.0 : elapsedSeconds);
  std::string text = head;
  if (remainingSeconds >= 0) text += ", " + durationText(remainingSeconds) + " left";
  return text + "] " + step;
}

void ProgressLine::draw(const std::string& text) {
  if (terminal_) {
    // Spaces over whatever the longer previous text left on the line.
    const size_t pad = shown_.size() > text.size() ? shown_.size() - text.size() : 0;
    std::fprintf(out_, "\r%s%*s", text.c_str(), static_cast<int>(pad), "");
    shown_ = text;
  } else {
    std::fprintf(out_, "%s\n", text.c_str());
  }
  std::fflush(out_);
}

void ProgressLine::report(double fraction, const std::string& step, double elapsedSeconds,
                          double remainingSeconds) {
  if (finished_) return;
  const bool newStep = step != step_;
  step_ = step;
  if (!terminal_ && !newStep) return;
  const std::string text =
      progressText(fraction, step, elapsedSeconds, terminal_ ? remainingSeconds : -1);
  // A redraw only when the text changes: the reports within a step can come
  // faster than a percent or a tenth of a second.
  if (terminal_ && text == shown_) return;
  draw(text);
}

void ProgressLine::message(const std::string& line) {
  if (terminal_ && !shown_.empty() && !finished_) {
    std::fprintf(out_, "\r%*s\r%s\n", static_cast<int>(shown_.size()), "", line.c_str());
    const std::string again = shown_;
    shown_.clear();
    draw(again);
    return;
  }
  std::fprintf(out_, "%s\n", line.c_str());
  std::fflush(out_);
}

void ProgressLine::finish(double elapsedSeconds) {
  if (finished_) return;
  draw(progressText(1.0, "Done", elapsedSeconds));
  if (terminal_) {
    std::fputc('\n', out_);
    std::fflush(out_);
  }
  finished_ = true;
}

}  // namespace geoweave::detail
