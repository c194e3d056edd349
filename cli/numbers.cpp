#include "cli/numbers.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace geoweave::detail {

namespace {
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Skips a run of digits from i; how many there were.
size_t skipDigits(const std::string& text, size_t& i) {
  const size_t start = i;
  while (i < text.size() && isDigit(text[i])) ++i;
  return i - start;
}
}  // namespace

bool readWholeNumber(const std::string& text, long long min, long long max, long long* value) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  if (skipDigits(text, i) == 0 || i != text.size()) return false;
  errno = 0;
  const long long read = std::strtoll(text.c_str(), nullptr, 10);
  // strtoll saturates with ERANGE; a saturated value is out of any range we
  // accept, whatever min and max are.
  if (errno == ERANGE || read < min || read > max) return false;
  *value = read;
  return true;
}

bool readRealNumber(const std::string& text, double* value) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = skipDigits(text, i);
  if (i < text.size() && text[i] == '.') {
    ++i;
    digits += skipDigits(text, i);
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (skipDigits(text, i) == 0) return false;
  }
  if (i != text.size()) return false;
  // The shape is checked, so strtod reads exactly this text (the program
  // never changes the "C" locale, whose decimal point is '.'). Underflow to
  // zero or a denormal is a valid reading; overflow to infinity is not.
  const double read = std::strtod(text.c_str(), nullptr);
  if (!std::isfinite(read)) return false;
  *value = read;
  return true;
}

std::string quotedForMessage(const std::string& text) {
  constexpr size_t kLongest = 40;
  std::string out;
  for (size_t i = 0; i < text.size() && i < kLongest; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    out += (c < 0x20 || c == 0x7f) ? '?' : text[i];
  }
  if (text.size() > kLongest) out += "...";
  return "'" + out + "'";
}

}  // namespace geoweave::detail
