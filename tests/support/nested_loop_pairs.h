#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "search/pairs/pair_index.h"

namespace testing_support {

// The straightforward pair search: every first-list word against every
// second-list word, substituting anew for each comparison. The reference that
// the indexed search is checked and measured against.
void NestedLoopPairs(const search::lexicon::WordList& words,
                     const search::pairs::PairSearchSide& first,
                     const search::pairs::PairSearchSide& second,
                     search::os::OutputFile& pairs_file, search::os::RunHost& host);

// The lines that the straightforward search for two padded symbols would write,
// as their number and the word-list positions of the first `kept` lines.
struct NestedLoopCount {
  std::int64_t lines = 0;
  std::vector<std::pair<std::int32_t, std::int32_t>> first_lines;
};
NestedLoopCount CountNestedLoopPairs(const search::lexicon::WordList& words, std::string_view first,
                                     std::string_view second, std::size_t kept);

}  // namespace testing_support
