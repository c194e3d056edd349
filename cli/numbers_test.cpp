#include "cli/numbers.h"

#include <gtest/gtest.h>

#include <climits>

namespace geoweave::detail {

namespace {

TEST(CliNumbers, WholeNumbersAreDecimalDigitsOnlyWithinTheirRange) {
  long long value = 0;
  EXPECT_TRUE(readWholeNumber("64", 1, INT_MAX, &value));
  EXPECT_EQ(value, 64);
  EXPECT_TRUE(readWholeNumber("+007", 1, INT_MAX, &value));
  EXPECT_EQ(value, 7);  // leading zeros are decimal, not octal
  EXPECT_TRUE(readWholeNumber("-2147483648", INT_MIN, INT_MAX, &value));
  EXPECT_EQ(value, INT_MIN);
  value = 99;
  for (const char* text : {"64abc", " 64", "64 ", "0x40", "6.4", "1e3", "", "+", "-", "--5",
                           "2147483648", "99999999999999999999999", "0"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(readWholeNumber(text, 1, INT_MAX, &value));
  }
  EXPECT_EQ(value, 99);  // untouched by every refusal
}

TEST(CliNumbers, RealNumbersAreFiniteDecimalNotation) {
  double value = 0;
  const struct {
    const char* text;
    double value;
  } good[] = {{"0.2", 0.2},     {"-1", -1.0},       {".5", 0.5},    {"5.", 5.0},
              {"+1e3", 1000.0}, {"2.5E-3", 0.0025}, {"1e-400", 0.0}};
  for (const auto& c : good) {
    SCOPED_TRACE(c.text);
    ASSERT_TRUE(readRealNumber(c.text, &value));
    EXPECT_EQ(value, c.value);
  }
  for (const char* text : {"nan", "inf", "-infinity", "0x1p3", "1e999", "1.5x", " 1", "1 ", ".",
                           "e5", "1e", "1e+", "", "1,5", "--1"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(readRealNumber(text, &value));
  }
}

TEST(CliNumbers, QuotedTextStaysOnOneShortLine) {
  EXPECT_EQ(quotedForMessage("64abc"), "'64abc'");
  EXPECT_EQ(quotedForMessage("a\nb\rc"), "'a?b?c'");
  EXPECT_EQ(quotedForMessage(std::string(50, 'x')), "'" + std::string(40, 'x') + "...'");
}

}  // namespace

}  // namespace geoweave::detail
