#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "search/kit/hash_filter.h"
#include "search/kit/text_hash.h"
#include "search/lexicon/word_list.h"
#include "search/pairs/short_substitution.h"

namespace search::pairs {

// Second-list words grouped by their candidate, the text they become after the
// substitution: an open-addressing table of groups, each a run of word
// positions in ascending order, the runs side by side in one array so that a
// first-list word with many partners finds them together. The candidates are
// not kept, as they would cost as much fresh memory as the words: a group is
// recognised by substituting its first word again, once per first-list word
// that finds it.
//
// Most second-list words have no partner at all. A filter of the first list's
// words turns nearly all of those away before they are indexed, so the table
// holds little more than the words that pair: it is built from a fraction of
// the memory and stays in the processor's caches while it is searched.
//
// Defined beside the pair search's lookup loop (pair_index.cpp), which calls it
// once per word; SecondWordsBecoming is inline there, for that loop only.
class CandidateIndex final {
 public:
  // The index is larger than the processor's caches on a large list and is
  // probed at random, so each probe would wait for memory. Hashing a few words
  // ahead and asking for their cache lines early lets those waits overlap.
  static constexpr std::size_t kLookAhead = 16;

  // Room for making one candidate, one per thread.
  struct Scratch {
    ShortWordBytes short_word;
    std::string padded_word;
    std::string candidate;
  };

  // Indexes the words of `second_list` whose candidates, `from` replaced by
  // `to` (both padded), may be first-list words, by the filter of
  // `first_hashes`, the hashes of the first-list words. Reads `words` and
  // `second_list` until it goes.
  CandidateIndex(const lexicon::WordList& words, std::span<const std::uint64_t> first_hashes,
                 std::span<const std::int32_t> second_list, std::string_view from,
                 std::string_view to, kit::TextHash hash);

  // Asks for the filter's word that a lookup of this hash reads first: most
  // lookups end there, and asking for their slots too would only crowd the
  // caches.
  void PrefetchFilter(std::uint64_t hash) const;

  // The second-list words whose candidate is " " + `first_word` + " ", with
  // `hash` the hash of `first_word`: members in ascending order of their word
  // positions (PositionOf), empty when there are none.
  std::span<const std::uint32_t> SecondWordsBecoming(std::string_view first_word,
                                                     std::uint64_t hash, Scratch& scratch) const;

  static std::int32_t PositionOf(std::uint32_t member) {
    return static_cast<std::int32_t>(member & ~kLastMember);
  }

 private:
  static constexpr std::int32_t kNone = -1;
  // Marks the last member of a group; word positions stay below 2^31.
  static constexpr std::uint32_t kLastMember = std::uint32_t{1} << 31;

  // Eight bytes: the high half of the hash, whose low bits also place the
  // slot, and the group: while the table is filled, its first candidate, whose
  // chain next_candidate_ continues; then where its members start.
  struct Slot {
    std::uint32_t tag = 0;
    std::int32_t head = kNone;
  };
  // A second-list word that may pair, by its place in the second list, and the
  // hash of its candidate.
  struct Candidate {
    std::size_t second_index;
    std::uint64_t hash;
  };

  static std::uint32_t Tag(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 32); }
  [[nodiscard]] std::size_t Mask() const { return slots_.size() - 1; }
  [[nodiscard]] std::size_t Home(std::uint64_t hash) const { return Tag(hash) & Mask(); }

  std::vector<Candidate> CandidatesWithPartners(std::span<const std::uint64_t> first_hashes);
  std::string_view CandidateOf(std::int32_t position, Scratch& scratch) const;
  bool SameCandidate(std::size_t candidate, std::size_t other_candidate);
  void PrefetchLookup(std::uint64_t hash) const;
  void Insert(std::size_t candidate);
  void LayOutGroups();

  const lexicon::WordList& words_;
  std::span<const std::int32_t> second_list_;
  std::string from_;
  std::string to_;
  kit::TextHash hash_;
  std::vector<Slot> slots_;
  kit::HashFilter filter_;
  std::vector<Candidate> candidates_;
  std::vector<std::int32_t> next_candidate_;
  std::vector<std::uint32_t> members_;
  Scratch scratch_;  // for building the index only
  Scratch other_scratch_;
};

}  // namespace search::pairs
