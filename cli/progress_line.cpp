#include "cli/progress_line.h"

#include <cmath>

namespace geoweave::detail {

std::string progressText(double fraction, const std::string& stage, double elapsedSeconds) {
  const double clamped = fraction < 0 ? 0 : fraction > 1 ? 1 : fraction;
  // Whole percents counted down, so 100% shows only once all is done.
  const int percent = static_cast<int>(std::floor(clamped * 100.0));
  char head[64];
  std::snprintf(head, sizeof head, "[%3d%% %6.1f s] ", percent,
                elapsedSeconds < 0 ? 0.0 : elapsedSeconds);
  return head + stage;
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

void ProgressLine::report(double fraction, const std::string& stage, double elapsedSeconds) {
  if (finished_) return;
  const bool newStage = stage != stage_;
  stage_ = stage;
  if (!terminal_ && !newStage) return;
  const std::string text = progressText(fraction, stage, elapsedSeconds);
  // The line changes at most once per percent or tenth of a second: the
  // library reports far more often than that.
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
