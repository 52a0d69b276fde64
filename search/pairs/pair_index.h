#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "search/lexicon/word_list.h"
#include "search/os/output_file.h"
#include "search/pairs/run_host.h"
#include "search/pairs/search_symbol.h"

namespace search::pairs {

// One side of a pair search: a symbol and the positions of the words that
// contain it, fewer than 2^31.
struct PairSearchSide {
  const SearchSymbol& symbol;
  std::span<const std::int32_t> positions;
};

// The hash that places texts in a pair search's index. Any function gives the
// same pairs, which tests check with poor ones.
using TextHash = std::uint64_t (*)(std::string_view text);
// The hash that FindPairs uses.
std::uint64_t PairSearchHash(std::string_view text);

// The part of a pair search that reads and writes no file and shows nothing:
// every first-list word hashed, and the second-list words that may pair
// indexed by the text they become after the substitution. It only reads the
// words, the positions and the symbols, which must stay in place and unchanged
// until the index is gone; so it can be built on another thread while the
// lists are written.
class PairIndex final {
 public:
  PairIndex(const lexicon::WordList& words, const PairSearchSide& first,
            const PairSearchSide& second, TextHash hash = PairSearchHash);
  PairIndex(PairIndex&&) noexcept;
  PairIndex& operator=(PairIndex&&) noexcept;
  ~PairIndex();

 private:
  friend void WriteIndexedPairs(PairIndex& index, os::OutputFile& pairs_file, RunHost& host);
  class Search;
  std::unique_ptr<Search> search_;
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
void WriteIndexedPairs(PairIndex& index, os::OutputFile& pairs_file, RunHost& host);

// PairIndex and WriteIndexedPairs in one.
void FindPairs(const lexicon::WordList& words, const PairSearchSide& first,
               const PairSearchSide& second, os::OutputFile& pairs_file, RunHost& host);
void FindPairsWithHash(const lexicon::WordList& words, const PairSearchSide& first,
                       const PairSearchSide& second, os::OutputFile& pairs_file, RunHost& host,
                       TextHash text_hash);

}  // namespace search::pairs
