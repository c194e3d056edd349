#pragma once

#include <string>

namespace geoweave::detail {

// Strict readers for option values: the whole text must be the number, in
// plain decimal, so that "64abc", " 64", "0x40", "nan" or "inf" are refused
// instead of being read as far as they make sense.

// A whole number: an optional sign and at least one digit, nothing else.
// False when the text has any other shape or the value lies outside
// [min, max].
bool readWholeNumber(const std::string& text, long long min, long long max, long long* value);

// A real number in decimal notation: optional sign, digits with an optional
// decimal point (at least one digit on either side), optional exponent. The
// value is the correctly rounded double. False for any other shape and for a
// value too large to be finite as a double.
bool readRealNumber(const std::string& text, double* value);

// The text as it may appear inside a one-line message: control bytes become
// '?', and a text longer than 40 bytes is cut with "...".
std::string quotedForMessage(const std::string& text);

}  // namespace geoweave::detail
