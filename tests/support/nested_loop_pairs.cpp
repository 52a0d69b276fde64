#include "nested_loop_pairs.h"

#include <string>
#include <vector>

#include "search/lexicon/transcription.h"
#include "search/pairs/pair_index.h"
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

// The rule, spelled out again so that a fault in the search's own
// substitution cannot hide on both sides of a comparison: every occurrence of
// `from`, leftmost first, the scan going on after each replaced one.
std::string Substituted(std::string_view padded_word, std::string_view from, std::string_view to) {
  std::string result(padded_word);
  for (std::size_t at = result.find(from); !from.empty() && at != std::string::npos;
       at = result.find(from, at + to.size())) {
    result.replace(at, from.size(), to);
  }
  return result;
}

}  // namespace

void NestedLoopPairs(const search::lexicon::WordList& words,
                     const search::pairs::PairSearchSide& first,
                     const search::pairs::PairSearchSide& second,
                     search::os::OutputFile& pairs_file, search::os::RunHost& host) {
  const std::vector<std::string> padded = PaddedWords(words);
  const auto first_count = static_cast<std::int32_t>(first.positions.size());
  for (std::int32_t i = 1; i <= first_count; ++i) {
    if (i % search::texts::kProgressInterval == 0) {
      host.ShowStatus(search::texts::ProgressText(i, first_count, first.symbol.Shown));
    }
    const std::string_view current = padded[first.positions[i - 1]];
    for (const std::int32_t position : second.positions) {
      const std::string_view candidate = padded[position];
      if (Substituted(candidate, *second.symbol.Match, *first.symbol.Match) == current) {
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
          Substituted(padded[k], second, first) != padded[i]) {
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
