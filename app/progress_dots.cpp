#include "app/progress_dots.h"

#include <cstdarg>

namespace geoweave::detail {

void ProgressDisplay::show(float fraction, const char* stage, std::FILE* out) {
  if (stage != lastStage) {
    std::fprintf(out, "\n%s\n", stage);
    std::fflush(out);
    lastStage = stage;
    dots = 0;
  }
  // 60 * fraction in double: 0.35f must give 20 dots, not 21.
  const double scaled = 60.0 * static_cast<double>(fraction);
  // A stage line never holds more than 60 dots, whatever the fraction.
  const int n = scaled > 0 ? static_cast<int>(scaled < 60.0 ? scaled : 60.0) : 0;
  if (n > dots) {
    for (int i = dots; i < n; ++i) std::fputc('.', out);
    std::fflush(out);
    dots = n;
  }
}

void showProgress(float fraction, const char* stage, void* user) {
  auto* display = static_cast<ProgressDisplay*>(user);
  display->show(fraction, stage, display->out);
}

namespace {
int formatInto(char (&buffer)[512], const char* format, va_list args) {
  const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  if (n < 0) buffer[0] = '\0';
  return n;
}
}  // namespace

int formatDebugMessage(char (&buffer)[512], const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int n = formatInto(buffer, format, args);
  va_end(args);
  return n;
}

void debugMessage(const char* format, ...) {
  char buffer[512];
  va_list args;
  va_start(args, format);
  formatInto(buffer, format, args);
  va_end(args);
  std::fputs(buffer, stderr);
  std::fflush(stderr);
}

}  // namespace geoweave::detail
