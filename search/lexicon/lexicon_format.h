// How a word list file is laid out, and what is read from it besides the
// transcriptions.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/lexicon/column_roles.h"

namespace search::lexicon {

enum class LexiconFormat {
  kPlain,    // one transcription per line
  kTsv,      // tab-separated columns named by the first line
  kCmudict,  // a pronouncing dictionary: spelling, spaces, transcription
};

// The format of a name as typed ("plain", "tsv", "cmudict"); none for another.
std::optional<LexiconFormat> LexiconFormatNamed(std::string_view name);

// A frequency threshold: its value, and its text as typed, for file names.
struct FrequencyThreshold {
  double value = 0;
  std::string typed;
};

// How to read a word list file.
struct LexiconReading {
  LexiconFormat format = LexiconFormat::kPlain;
  // Words below it are dropped as if their lines were not there.
  std::optional<FrequencyThreshold> min_frequency;
  // The run orders by frequency, so the lexicon must have that column.
  bool needs_frequency = false;
  // A tsv's columns as --columns gives them: each role's name in the header,
  // or, with no_header, the roles in the order of the fields.
  std::vector<ColumnChoice> columns;
  bool no_header = false;
  // Splits every transcription into its symbols first: "auto" by rule, or the
  // path of a segments file whose symbols are taken whole.
  std::optional<std::string> segments;
};

// The value of --segments that splits by rule alone.
inline constexpr std::string_view kSegmentsByRule = "auto";

// A frequency as a lexicon writes it: a non-negative decimal number ("12",
// "3.5", ".5") with nothing else; none for anything else ("3,5", "1e3", "-1").
// An empty field is not a number here; the reader takes it as 0.
std::optional<double> ParseFrequency(std::string_view text);

// ParseFrequency(text) holds a number, told without converting it.
bool IsFrequency(std::string_view text);

}  // namespace search::lexicon
