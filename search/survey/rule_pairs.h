// The pairs of two symbols by the rules of the functional loads (see
// functional_load.h), for a search: --rule one-place or same-difference.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "search/contexts/places.h"
#include "search/lexicon/word_list.h"
#include "search/options/search_options.h"
#include "search/pairs/pair_row.h"

namespace search::survey {

// One side of the search: a whole symbol as the words are matched (folded),
// without spaces, and the positions of the words that hold it, ascending.
struct RuleSide {
  std::string_view symbol;
  std::span<const std::int32_t> positions;
};

// A pair of distinct transcriptions: each word's lines, and the places where
// the two differ.
struct RulePair {
  std::vector<std::int32_t> first_lines;  // holding the first symbol at `places`
  std::vector<std::int32_t> second_lines;
  std::vector<std::size_t> places;
};

// Every pair of distinct transcriptions of `matched` of the rule (one-place
// or same-difference), each once,
// by the first line of the first word, then of the second. With a `places`
// rule, only the pairs whose every differing place fits it in both words.
// How: as CountSameDifferencePairs does, each word makes a key per set of its
// symbol's places set aside, and the words of a key pair; a word that holds
// its symbol in more than kMaxKeyedPlaces places is compared with every word
// of the other side instead.
std::vector<RulePair> FindRulePairs(const lexicon::WordList& matched, options::PairRule rule,
                                    const RuleSide& first, const RuleSide& second,
                                    const contexts::PlaceRule* places);

// The first word of a pair as matched, its differing places shown as "_",
// and their positions as pairs::PlacePosition names them, joined by "+".
struct RuleFrame {
  std::string frame;
  std::string positions;
};
RuleFrame RuleFrameOf(const lexicon::WordList& matched, const RulePair& pair);

}  // namespace search::survey
