#include "search/texts/decimal_text.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace search::texts {

std::string EightDigitText(double value) {
  constexpr int kDigits = 8;
  if (value == 0) return "0";
  // Room for every digit of the largest and smallest doubles written in full.
  std::array<char, 512> buffer{};
  // The exponent of the value once rounded, which rounding may raise (9.999999999
  // is 1.0000000e+01).
  const auto scientific = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                        std::chars_format::scientific, kDigits - 1);
  const char* const mark = std::find(buffer.data(), scientific.ptr, 'e');
  int exponent = 0;
  std::from_chars(mark + (mark[1] == '+' ? 2 : 1), scientific.ptr, exponent);
  const auto fixed = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, std::max(0, kDigits - 1 - exponent));
  std::string text(buffer.data(), fixed.ptr);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

}  // namespace search::texts
