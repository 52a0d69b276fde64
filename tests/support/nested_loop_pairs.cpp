#include "nested_loop_pairs.h"

#include "search/pair_search.h"
#include "search/status_texts.h"
#include "search/transcription.h"

namespace testing_support {

void NestedLoopPairs(const search::SearchState& state, const search::SearchSymbol& first,
                     const search::SearchSymbol& second, search::OutputFile& pairs_file,
                     search::RunHost& host) {
  for (std::int32_t i = 1; i <= state.FirstCount; ++i) {
    if (i % search::kProgressInterval == 0) {
      host.ShowStatus(search::ProgressText(i, state.FirstCount, first.Shown));
    }
    const std::string_view current = state.Words[state.FirstList[i - 1]];
    for (std::int32_t k = 1; k <= state.SecondCount; ++k) {
      const std::string_view candidate = state.Words[state.SecondList[k - 1]];
      if (search::SubstituteSymbol(candidate, *second.Match, *first.Match) == current) {
        pairs_file.WriteLine(search::TrimSpaces(current), "\t", search::TrimSpaces(candidate));
      }
    }
  }
}

NestedLoopCount CountNestedLoopPairs(const search::WordList& words, std::string_view first,
                                     std::string_view second, std::size_t kept) {
  NestedLoopCount count;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (!search::ContainsSymbol(words[i], first)) continue;
    for (std::size_t k = 0; k < words.size(); ++k) {
      if (!search::ContainsSymbol(words[k], second) ||
          search::SubstituteSymbol(words[k], second, first) != words[i]) {
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
