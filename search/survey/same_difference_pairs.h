// The same-difference pairs of every pair of symbols (see functional_load.h),
// and among them the one-place pairs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "search/survey/functional_load.h"

namespace search::survey {

struct PairTallies {
  std::vector<std::int64_t> one_place;  // by PairCell
  std::vector<std::int64_t> same_difference;
};

// How it counts: for a word, a symbol X of it and a non-empty set Q of X's
// places, the key is the word with Q set aside. Two words share such a key
// exactly when they differ at Q alone, each with one symbol there, so each
// same-difference pair shares exactly one key, and every two words under a key
// are a pair. A symbol in more than `max_keyed_places` places of a word makes
// no keys: that word is compared with every word of its length instead.
//
// With `fits`, a pair counts only when fits(word, places) holds for both words
// and the places where they differ: a key of a word whose set-aside places do
// not fit is left out.
using PlacesFit = std::function<bool(std::size_t word, std::span<const std::size_t> places)>;
PairTallies CountSameDifferencePairs(std::span<const SymbolIds> words, std::size_t id_count,
                                     std::size_t max_keyed_places, const PlacesFit& fits = {});

}  // namespace search::survey
