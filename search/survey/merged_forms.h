// What merging two symbols into one does to a set of weighted sequences, for
// every pair of symbols at once (see functional_load.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "search/survey/functional_load.h"

namespace search::survey {

struct MergeTallies {
  // By PairCell: how many fewer distinct sequences there are after the merge,
  // and the sum over the forms that several sequences merge into of
  // F log2 F - sum of f log2 f, F the form's weight and f its sequences'. The
  // entropy of the weights falls by that sum over the total weight.
  std::vector<std::int64_t> lost;
  std::vector<double> weighted_loss;
};

// Merges every pair of ids below `id_count` in `sequences` (distinct, with one
// weight each); ids from `id_count` on are never merged. How: two sequences
// become one form under {A, B} exactly when they differ only at places where
// both hold A or B. For each sequence and each set T of one or two of its
// symbols, the key is the sequence with T's places set aside; a form of two
// or more sequences is then the entries of one key whose T lies within {A, B}.
MergeTallies MergeEveryPair(std::span<const SymbolIds> sequences, std::span<const double> weights,
                            std::size_t id_count);

// x log2 x, 0 for 0.
double WeightedLog(double x);

}  // namespace search::survey
