#include "search/lexicon/lexicon_format.h"

#include <charconv>
#include <string>

namespace search::lexicon {

std::optional<LexiconFormat> LexiconFormatNamed(std::string_view name) {
  if (name == "plain") return LexiconFormat::kPlain;
  if (name == "tsv") return LexiconFormat::kTsv;
  if (name == "cmudict") return LexiconFormat::kCmudict;
  return std::nullopt;
}

bool IsFrequency(std::string_view text) {
  // Digits with at most one point among them, and at least one digit: what
  // from_chars alone would also take (signs, exponents, "inf") is refused.
  std::size_t digits = 0;
  std::size_t points = 0;
  for (const char character : text) {
    if (character >= '0' && character <= '9') {
      ++digits;
    } else if (character == '.') {
      ++points;
    } else {
      return false;
    }
  }
  return digits != 0 && points <= 1;
}

std::optional<double> ParseFrequency(std::string_view text) {
  if (!IsFrequency(text)) return std::nullopt;
  // from_chars ignores the locale, so "3.5" is 3.5 wherever it runs.
  std::string padded(text.front() == '.' ? "0" : "");
  padded += text;
  double value = 0;
  const auto [end, error] = std::from_chars(padded.data(), padded.data() + padded.size(), value,
                                            std::chars_format::fixed);
  if (error != std::errc() || end != padded.data() + padded.size()) return std::nullopt;
  return value;
}

}  // namespace search::lexicon
