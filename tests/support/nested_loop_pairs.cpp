#include "nested_loop_pairs.h"

#include <string>
#include <vector>

#include "search/lexicon/transcription.h"
#include "search/pairs/pair_search.h"
#include "search/texts/status_texts.h"

namespace testing_support {
namespace {

// Every word padded once, as the loops compare each many times.
std::vector<std::string> PaddedWords(const search::lexicon::WordList& words) {
  std::vector<std::string> padded;
  padded.reserve(words.size());
  for (std::size_t i = 0; i < words.size(); ++i) padded.push_back(words.Padded(i));
  return padded;
}

}  // namespace

void NestedLoopPairs(const search::lexicon::WordList& words,
                     const search::pairs::PairSearchSide& first,
                     const search::pairs::PairSearchSide& second,
                     search::os::OutputFile& pairs_file, search::pairs::RunHost& host) {
  const std::vector<std::string> padded = PaddedWords(words);
  const auto first_count = static_cast<std::int32_t>(first.positions.size());
  for (std::int32_t i = 1; i <= first_count; ++i) {
    if (i % search::texts::kProgressInterval == 0) {
      host.ShowStatus(search::texts::ProgressText(i, first_count, first.symbol.Shown));
    }
    const std::string_view current = padded[first.positions[i - 1]];
    for (const std::int32_t position : second.positions) {
      const std::string_view candidate = padded[position];
      if (search::lexicon::SubstituteSymbol(candidate, *second.symbol.Match, *first.symbol.Match) ==
          current) {
        pairs_file.WriteLine(search::lexicon::TrimSpaces(current), "\t",
                             search::lexicon::TrimSpaces(candidate));
      }
    }
  }
}

NestedLoopCount CountNestedLoopPairs(const search::lexicon::WordList& words, std::string_view first,
                                     std::string_view second, std::size_t kept) {
  const std::vector<std::string> padded = PaddedWords(words);
  NestedLoopCount count;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (!search::lexicon::ContainsSymbol(padded[i], first)) continue;
    for (std::size_t k = 0; k < words.size(); ++k) {
      if (!search::lexicon::ContainsSymbol(padded[k], second) ||
          search::lexicon::SubstituteSymbol(padded[k], second, first) != padded[i]) {
        continue;
      }
      if (count.lines++ < static_cast<std::int64_t>(kept)) {
        count.first_lines.emplace_back(static_cast<std::int32_t>(i), static_cast<std::int32_t>(k));
      }
    }
  }
  return count;
}

}  // namespace testing_support
