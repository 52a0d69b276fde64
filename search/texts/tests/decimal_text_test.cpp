#include "search/texts/decimal_text.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace search::texts {
namespace {

TEST(EightDigitText, RoundsToEightSignificantDigitsWithoutAnExponent) {
  const std::vector<std::pair<double, std::string>> rows = {
      {0.025476950327, "0.02547695"},  // a trailing zero dropped
      {0.0995356734, "0.099535673"},   // leading zeros are not significant
      {4.0874628412, "4.0874628"},
      {0.0000123456789, "0.000012345679"},  // no exponent for small values
      {9.9999999951, "10"},                 // rounding carries into a new digit
      {0.99999999951, "1"},
      {123456789.4, "123456789"},  // a long whole part stays whole
      {-0.5, "-0.5"},
      {1, "1"},
      {0.0, "0"},
      {-0.0, "0"},
  };
  for (const auto& [value, text] : rows) EXPECT_EQ(EightDigitText(value), text) << value;
}

}  // namespace
}  // namespace search::texts
