#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "search/kit/hash_filter.h"
#include "search/kit/prefetch.h"
#include "search/kit/run_ahead.h"
#include "search/lexicon/transcription.h"
#include "search/lexicon/word_list.h"
#include "search/pairs/pair_search.h"

namespace search::pairs {

// Second-list words grouped by the text they become after the substitution:
// an open-addressing table of groups, each a run of word positions in
// ascending order, the runs side by side in one array so that a first-list word
// with many partners finds them together. The substituted texts are not kept,
// as they would cost as much fresh memory as the words: a group is recognised
// by substituting its first word again, once per first-list word that finds it.
//
// Most second-list words have no partner at all. A filter of the first list's
// words turns nearly all of those away before they are indexed, so the table
// holds little more than the words that pair: it is built from a fraction of
// the memory and stays in the processor's caches while it is searched.
class CandidateIndex final {
 public:
  // The index is larger than the processor's caches on a large list and is
  // probed at random, so each probe would wait for memory. Hashing a few
  // words ahead and asking for their cache lines early lets those waits
  // overlap.
  static constexpr std::size_t kLookAhead = 16;
  // Lists from this many words on are worked through on two threads: a
  // thread costs less than a tenth of a millisecond.
  static constexpr std::size_t kSplitFrom = 64;

  CandidateIndex(const lexicon::WordList& words, std::span<const std::uint64_t> first_hashes,
                 std::span<const std::int32_t> second_list, std::string_view from,
                 std::string_view to, TextHash hash)
      : words_(words), second_list_(second_list), from_(from), to_(to), hash_(hash), filter_(0, 0) {
    candidates_ = CandidatesWithPartners(first_hashes);
    const std::size_t count = candidates_.size();
    slots_.assign(std::bit_ceil(count * 2 + 16), Slot{});
    filter_ = kit::HashFilter(count, 16);  // fewer false maybes: most lookups end here
    next_.assign(count, kNone);
    // Inserting from the back and prepending leaves every chain ascending.
    for (std::size_t c = count; c-- > 0;) {
      if (c >= kLookAhead) PrefetchLookup(candidates_[c - kLookAhead].hash);
      Insert(c);
    }
    LayOutGroups();
  }

  // Asks for the filter's word that a lookup of this hash reads first: most
  // lookups end there, and asking for their slots too would only crowd the
  // caches.
  void PrefetchFilter(std::uint64_t hash) const { filter_.PrefetchFor(hash); }

  // Asks for the memory that a lookup of this hash reads, ahead of the lookup.
  void PrefetchLookup(std::uint64_t hash) const {
    filter_.PrefetchFor(hash);
    kit::Prefetch(&slots_[Home(hash)]);
  }

  // Room for making one candidate, one per thread.
  struct Scratch {
    std::string word;
    std::string candidate;
    std::array<char, 256> bytes;
  };

  // The members whose candidate is " " + `text` + " " (`text` with hash `hash`),
  // in ascending order of their word positions (PositionOf); empty when there
  // are none.
  std::span<const std::uint32_t> Find(std::string_view text, std::uint64_t hash,
                                      Scratch& scratch) const {
    if (!filter_.MayHold(hash)) return {};
    for (std::size_t slot = Home(hash);; slot = (slot + 1) & Mask()) {
      const Slot& entry = slots_[slot];
      if (entry.head == kNone) return {};
      if (entry.tag != Tag(hash)) continue;
      const std::uint32_t* const first = members_.data() + entry.head;
      if (InnerOf(CandidateOf(PositionOf(*first), scratch)) != text) continue;
      const std::uint32_t* last = first;
      while ((*last & kLastMember) == 0) ++last;
      return {first, last + 1};
    }
  }

  static std::int32_t PositionOf(std::uint32_t member) {
    return static_cast<std::int32_t>(member & ~kLastMember);
  }

 private:
  // Calls on_hashed(n, hash_of(n)) for every n in [begin, end) in order. Each
  // hash is made kLookAhead places ahead and handed to prefetch(hash) then, so
  // that the memory it leads to is on its way by the time it is used.
  template <typename HashOf, typename PrefetchFor, typename OnHashed>
  static void ForEachHashedAhead(std::size_t begin, std::size_t end, HashOf&& hash_of,
                                 PrefetchFor&& prefetch, OnHashed&& on_hashed) {
    std::array<std::uint64_t, kLookAhead> ahead{};
    const auto hash_ahead = [&](std::size_t n) {
      if (n >= end) return;
      ahead[n % kLookAhead] = hash_of(n);
      prefetch(ahead[n % kLookAhead]);
    };
    for (std::size_t n = begin; n < begin + kLookAhead; ++n) hash_ahead(n);
    for (std::size_t n = begin; n < end; ++n) {
      const std::uint64_t hash = ahead[n % kLookAhead];
      hash_ahead(n + kLookAhead);
      on_hashed(n, hash);
    }
  }

  static constexpr std::int32_t kNone = -1;
  // Marks the last member of a group; word positions stay below 2^31.
  static constexpr std::uint32_t kLastMember = std::uint32_t{1} << 31;
  // Eight bytes: the high half of the hash, whose low bits also place the
  // slot, and the group: while the table is filled, its first candidate,
  // whose chain next_ continues; then where its members start.
  struct Slot {
    std::uint32_t tag = 0;
    std::int32_t head = kNone;
  };

  static std::uint32_t Tag(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 32); }
  [[nodiscard]] std::size_t Mask() const { return slots_.size() - 1; }
  [[nodiscard]] std::size_t Home(std::uint64_t hash) const { return Tag(hash) & Mask(); }

  // A second-list word, by its place in the second list, and the hash of its
  // candidate.
  struct Candidate {
    std::size_t k;
    std::uint64_t hash;
  };

  // The second-list words whose candidates may be first-list words, in order.
  std::vector<Candidate> CandidatesWithPartners(std::span<const std::uint64_t> first_hashes) {
    kit::HashFilter first_words(first_hashes.size(), 16);
    for (std::size_t n = 0; n < first_hashes.size(); ++n) {
      if (n + kLookAhead < first_hashes.size())
        first_words.PrefetchFor(first_hashes[n + kLookAhead]);
      first_words.Add(first_hashes[n]);
    }
    return kit::JoinedInTwoHalves(
        second_list_.size(), kSplitFrom, [&](std::size_t begin, std::size_t end) {
          std::vector<Candidate> found;
          Scratch scratch;
          ForEachHashedAhead(
              begin, end,
              [&](std::size_t k) { return hash_(InnerOf(CandidateOf(second_list_[k], scratch))); },
              [&](std::uint64_t hash) { first_words.PrefetchFor(hash); },
              [&](std::size_t k, std::uint64_t hash) {
                if (first_words.MayHold(hash)) found.push_back({k, hash});
              });
          return found;
        });
  }

  // A candidate without its enclosing spaces: the symbols are padded, so a
  // padded word stays padded when they are substituted, and the first-list
  // words it may equal are compared, and hashed, trimmed.
  static std::string_view InnerOf(std::string_view candidate) {
    return candidate.substr(1, candidate.size() - 2);
  }

  // The candidate of the word at `position`: its padded form substituted.
  std::string_view CandidateOf(std::int32_t position, Scratch& scratch) const {
    const std::string_view word = words_.Trimmed(position);
    if (from_.size() == to_.size() && from_.size() >= 2 &&
        word.size() + 2 <= scratch.bytes.size()) {
      return SameLengthCandidate(word, scratch.bytes);
    }
    scratch.candidate.clear();
    lexicon::AppendSubstituted(scratch.candidate, words_.Padded(position, scratch.word), from_,
                               to_);
    return scratch.candidate;
  }

  // The candidate when `from` and `to` are as long, as two symbols of one
  // character each are: made in place in `bytes`, where every byte that is not
  // replaced keeps its place. A large search makes a candidate of every
  // second-list word, and this takes a copy and a memchr per word rather than
  // a call per piece. Matches are found as AppendSubstituted finds them:
  // leftmost first, none overlapping, the scan going on after each match.
  std::string_view SameLengthCandidate(std::string_view word, std::array<char, 256>& bytes) const {
    const std::size_t size = word.size() + 2;
    bytes[0] = ' ';
    std::memcpy(bytes.data() + 1, word.data(), word.size());
    bytes[size - 1] = ' ';
    std::size_t look = 1;  // where to look for from_[1] next
    while (look < size) {
      const void* found = std::memchr(bytes.data() + look, from_[1], size - look);
      if (found == nullptr) break;
      const auto at = static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data()) - 1;
      if (at + from_.size() > size) break;
      if (std::string_view(bytes.data() + at, from_.size()) != from_) {
        look = at + 2;
        continue;
      }
      std::memcpy(bytes.data() + at, to_.data(), to_.size());
      look = at + from_.size() + 1;
    }
    return {bytes.data(), size};
  }

  // Equal words give equal candidates; only differing words need substituting.
  bool SameCandidate(std::size_t c, std::size_t other_c) {
    const std::int32_t position = second_list_[candidates_[c].k];
    const std::int32_t other = second_list_[candidates_[other_c].k];
    return words_.Trimmed(position) == words_.Trimmed(other) ||
           CandidateOf(position, scratch_) == CandidateOf(other, other_scratch_);
  }

  void Insert(std::size_t c) {
    const std::uint64_t hash = candidates_[c].hash;
    filter_.Add(hash);
    for (std::size_t slot = Home(hash);; slot = (slot + 1) & Mask()) {
      Slot& entry = slots_[slot];
      if (entry.head == kNone) {
        entry = Slot{Tag(hash), static_cast<std::int32_t>(c)};
        return;
      }
      if (entry.tag == Tag(hash) && SameCandidate(c, static_cast<std::size_t>(entry.head))) {
        next_[c] = entry.head;
        entry.head = static_cast<std::int32_t>(c);
        return;
      }
    }
  }

  // Lays every group's chain out as one run of word positions in members_,
  // the last one marked.
  void LayOutGroups() {
    members_.reserve(next_.size());
    for (Slot& entry : slots_) {
      if (entry.head == kNone) continue;
      const std::int32_t first = entry.head;
      entry.head = static_cast<std::int32_t>(members_.size());
      for (std::int32_t c = first; c != kNone; c = next_[c]) {
        members_.push_back(static_cast<std::uint32_t>(second_list_[candidates_[c].k]));
      }
      members_.back() |= kLastMember;
    }
    next_ = {};
    candidates_ = {};
  }

  const lexicon::WordList& words_;
  std::span<const std::int32_t> second_list_;
  std::string_view from_;
  std::string_view to_;
  TextHash hash_;
  std::vector<Slot> slots_;
  kit::HashFilter filter_;
  std::vector<Candidate> candidates_;
  std::vector<std::int32_t> next_;
  std::vector<std::uint32_t> members_;
  Scratch scratch_;  // for building the index only
  Scratch other_scratch_;
};

}  // namespace search::pairs
