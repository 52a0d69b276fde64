#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "search/kit/text_hash.h"
#include "search/lexicon/word_list.h"
#include "search/os/output_file.h"
#include "search/os/run_host.h"
#include "search/pairs/candidate_index.h"
#include "search/pairs/pair_row.h"
#include "search/pairs/search_symbol.h"

namespace search::pairs {

// One side of a pair search: a symbol and the positions of the words that
// contain it, fewer than 2^31.
struct PairSearchSide {
  const SearchSymbol& symbol;
  std::span<const std::int32_t> positions;
};

// The minimal pairs of two symbol lists. Comparing every pair would take
// minutes on a large list with common symbols, so each second-list word that
// may pair is substituted once and indexed by the result (CandidateIndex);
// each first-list word then looks up its partners, which the index keeps in
// second-list order.
//
// Building it reads no file and shows nothing, so it can run on another thread
// while the lists are written. It keeps what it needs of the symbols; the
// words and the positions must stay in place and unchanged until it is gone.
class PairIndex final {
 public:
  PairIndex(const lexicon::WordList& words, const PairSearchSide& first,
            const PairSearchSide& second, kit::TextHash hash = kit::HashText);

  // Writes one line "first word<TAB>second word" for every pair in which the
  // second-list word, with the second symbol replaced by the first, is exactly
  // the first-list word. Lines come in the order of comparing every first-list
  // word (outer) with every second-list word (inner), and "Completed  i /  n
  // words containing ..." is shown before the i-th first-list word for every i
  // that is a multiple of 100. Returns the number of lines.
  std::size_t WritePairs(os::OutputFile& pairs_file, os::RunHost& host) const;

  // Makes WritePairs end every line with `text` (before CR LF): a class run
  // names each line's two symbols so.
  void EndLinesWith(std::string text) { line_end_ = std::move(text); }

  // Makes WritePairs write the words of `shown` at the same positions: the
  // list as read, where the index matches a folded copy of it. It must stay
  // in place and unchanged until the index is gone.
  void ShowWordsOf(const lexicon::WordList& shown) { shown_ = &shown; }

  // The lines WritePairs writes, as positions, in the same order; with a
  // host, showing the progress that WritePairs shows.
  [[nodiscard]] std::vector<PairRow> Pairs(os::RunHost* progress = nullptr) const;

 private:
  PairIndex(const lexicon::WordList& words, const PairSearchSide& first,
            const PairSearchSide& second, kit::TextHash hash,
            std::unique_ptr<std::uint64_t[]> first_hashes);
  struct LinesMadeAhead;
  void ShowProgress(os::RunHost& host, std::size_t first_index) const;
  [[nodiscard]] LinesMadeAhead MakeLines(std::size_t begin, std::size_t end) const;
  std::span<const std::uint32_t> PartnersOf(std::size_t first_index, std::size_t end,
                                            CandidateIndex::Scratch& scratch) const;
  template <typename OnPartner>
  void ForEachPartner(std::span<const std::uint32_t> partners, OnPartner&& on_partner) const;

  const lexicon::WordList& words_;
  const lexicon::WordList* shown_;
  std::string line_end_;
  std::span<const std::int32_t> first_list_;
  std::string first_shown_;
  // Each first-list word is hashed once, for the filter that turns most
  // second-list words away and again for its own lookup.
  std::unique_ptr<std::uint64_t[]> first_hashes_;
  CandidateIndex candidates_;
};

// PairIndex and its WritePairs in one.
void FindPairs(const lexicon::WordList& words, const PairSearchSide& first,
               const PairSearchSide& second, os::OutputFile& pairs_file, os::RunHost& host);

}  // namespace search::pairs
