// The lines of a search by --rule one-place or same-difference.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "search/lexicon/word_list.h"
#include "search/options/search_options.h"
#include "search/os/output_file.h"
#include "search/pairs/lexicon_tables.h"
#include "search/pairs/matched_list.h"
#include "search/pairs/search_symbol.h"

namespace search::runs {

// One pair of symbols of a rule search and the words that hold each.
struct RuleSearchSides {
  const pairs::SearchSymbol& first;
  std::span<const std::int32_t> first_list;
  const pairs::SearchSymbol& second;
  std::span<const std::int32_t> second_list;
};

// Writes a line "first word<TAB>second word`line_end`" per pair of the rule,
// each word as `shown` has its first line; returns their number. With `rows`,
// also keeps a table row per pair of their lines, each with its frame.
std::size_t WriteRulePairs(os::OutputFile& file, options::PairRule rule,
                           const pairs::MatchedList& list, const lexicon::WordList& shown,
                           const RuleSearchSides& sides, std::string_view line_end,
                           std::vector<pairs::FramedPairRow>* rows);

}  // namespace search::runs
