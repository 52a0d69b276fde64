#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "search/output_file.h"
#include "search/run_host.h"
#include "search/search_symbol.h"
#include "search/word_list.h"

namespace search {

// One side of a pair search: a symbol and the positions of the words that
// contain it, fewer than 2^31.
struct PairSearchSide {
  const SearchSymbol& symbol;
  std::span<const std::int32_t> positions;
};

// Writes one line "first word<TAB>second word" for every pair in which the
// second-list word, with `second` replaced by `first`, is exactly the
// first-list word. Lines come in the order of comparing every first-list word
// (outer) with every second-list word (inner), and "Completed  i /  n words
// containing ..." is shown before the i-th first-list word for every i that is
// a multiple of 100.
//
// Comparing every pair would take minutes on a large list with common symbols,
// so each second-list word is substituted once and indexed by the result; each
// first-list word then looks up its partners, which the index keeps in
// second-list order. Same lines, same order, same progress texts.
void FindPairs(const WordList& words, const PairSearchSide& first, const PairSearchSide& second,
               OutputFile& pairs_file, RunHost& host);

// FindPairs with the hash that places the candidates in the index. Any
// function gives the same output, which tests check with poor ones.
using TextHash = std::uint64_t (*)(std::string_view text);
void FindPairsWithHash(const WordList& words, const PairSearchSide& first,
                       const PairSearchSide& second, OutputFile& pairs_file, RunHost& host,
                       TextHash text_hash);
// The hash that FindPairs uses.
std::uint64_t PairSearchHash(std::string_view text);

}  // namespace search
