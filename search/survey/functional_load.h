// Functional load: how much of a lexicon's contrasts rest on each pair of
// symbols, by the measures phonologists cite, for every pair in one pass.
//
// A word is a distinct sequence of symbol ids (as SymbolSequences gives them);
// every id is a symbol. For symbols A and B:
//  - one-place pairs: words of one length that differ in exactly one place,
//    where one holds A and the other B;
//  - same-difference pairs: words of one length whose every differing place
//    holds A in one word and B in the other, always the same way round (so
//    "s a s i" / "S a S i"); they include the one-place pairs;
//  - words with either: the words that hold A or B;
//  - ΔH types: log2 of the number of words less log2 of the number of distinct
//    forms once A and B are one symbol; normalised, divided by the first;
//  - ΔH tokens: the same change of the entropy of the words' frequencies, the
//    frequencies of words that become one form added up;
//  - trigram ΔH: the same change of the entropy of the runs of three symbols of
//    the words padded with a boundary on each side ("| w |"), each run counted
//    once per token of its word (once per word without frequencies), divided
//    by 3; only its normalised value is kept.
// A normalised value is 0 where the entropy before the merge is 0.
//
// Cost: no word is compared with another (but see kMaxKeyedPlaces). Each word
// makes a few keys per symbol it holds and per two symbols it holds (see
// same_difference_pairs.h, merged_forms.h); the keys are grouped in passes that
// hold at most kEntriesPerPass of them (load_keys.h), so memory stays near
// 16 MB beyond the words and the tables by pair of symbols.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace search::survey {

using SymbolIds = std::span<const std::uint16_t>;

struct LoadWords {
  std::vector<SymbolIds> words;     // distinct and non-empty
  std::vector<double> frequencies;  // one per word and not negative, or none
  std::size_t id_count = 0;         // every id is below it, and it at most 0xFFFD
};

// The measures of one pair of symbols, `first` < `second`.
struct ContrastLoad {
  std::uint16_t first = 0;
  std::uint16_t second = 0;
  std::int64_t one_place_pairs = 0;
  std::int64_t same_difference_pairs = 0;
  std::int64_t words_with_either = 0;
  double types_delta = 0;
  double types_normalised = 0;
  std::optional<double> tokens_delta;  // with frequencies only
  std::optional<double> tokens_normalised;
  double trigrams_normalised = 0;
};

struct FunctionalLoads {
  double types_entropy = 0;              // log2 of the number of words
  std::optional<double> tokens_entropy;  // with frequencies only
  std::vector<ContrastLoad> contrasts;   // by (first, second)
};

// A word whose symbol stands in more than this many places would add 2^places
// keys to the search for same-difference pairs; its pairs with that symbol are
// found by comparing it with every word of its length instead.
inline constexpr std::size_t kMaxKeyedPlaces = 10;

// The measures of every pair of symbols with a same-difference pair or a
// non-zero ΔH of any kind. `max_keyed_places` is for tests.
FunctionalLoads MeasureFunctionalLoads(const LoadWords& lexicon,
                                       std::size_t max_keyed_places = kMaxKeyedPlaces);

// Words that hold each symbol, and both of each pair.
struct SymbolWords {
  std::vector<std::int64_t> with;  // by id
  std::vector<std::int64_t> both;  // by PairCell (load_keys.h)
};

// Counts them over `words`, each of which may hold a symbol more than once.
SymbolWords CountSymbolWords(std::span<const SymbolIds> words, std::size_t id_count);

}  // namespace search::survey
