#include "search/pair_search.h"

#include <array>
#include <bit>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "search/prefetch.h"
#include "search/status_texts.h"
#include "search/transcription.h"

namespace search {
namespace {

// The index is larger than the processor's caches on a large list and is
// probed at random, so each probe would wait for memory. Hashing a few words
// ahead and asking for their cache lines early lets those waits overlap.
constexpr std::size_t kLookAhead = 16;

constexpr std::uint64_t kGoldenRatio = 0x9E3779B97F4A7C15u;

std::uint64_t MixIn(std::uint64_t hash, std::uint64_t eight_bytes) {
  hash = (hash ^ eight_bytes) * kGoldenRatio;
  return hash ^ (hash >> 29);
}

// Second-list words grouped by the text they become after the substitution:
// an open-addressing table of groups, each a run of word positions in
// ascending order, the runs side by side in one array so that a first-list word
// with many partners finds them together. The substituted texts are not kept,
// as they would cost as much fresh memory as the words: a group is recognised
// by substituting its first word again, once per first-list word that finds it.
template <typename Hash>
class CandidateIndex final {
 public:
  CandidateIndex(const WordList& words, std::span<const std::int32_t> second_list,
                 std::string_view from, std::string_view to, Hash hash)
      : words_(words), second_list_(second_list), from_(from), to_(to), hash_(hash) {
    const std::size_t count = second_list_.size();
    slots_.assign(std::bit_ceil(count / 8 + 16), Slot{});
    filter_.assign(std::bit_ceil(count / 8 + 1), 0);
    next_.assign(count, kNone);
    // Inserting from the back and prepending leaves every chain ascending.
    std::array<std::uint64_t, kLookAhead> ahead{};
    const auto hash_ahead = [&](std::size_t k) {
      ahead[k % kLookAhead] = hash_(Substituted(k, scratch_));
      PrefetchLookup(ahead[k % kLookAhead]);
    };
    for (std::size_t k = count; k-- > 0 && k + kLookAhead >= count;) hash_ahead(k);
    for (std::size_t k = count; k-- > 0;) {
      const std::uint64_t text_hash = ahead[k % kLookAhead];
      if (k >= kLookAhead) hash_ahead(k - kLookAhead);
      Insert(k, text_hash);
    }
    LayOutGroups();
  }

  // Asks for the memory that a lookup of this hash reads, ahead of the lookup.
  void PrefetchLookup(std::uint64_t hash) const {
    Prefetch(&filter_[FilterWord(hash)]);
    Prefetch(&slots_[Home(hash)]);
  }

  // The members whose candidate is `text` (with hash `hash`), in ascending
  // order of their word positions (PositionOf); empty when there are none.
  std::span<const std::uint32_t> Find(std::string_view text, std::uint64_t hash) {
    if ((filter_[FilterWord(hash)] & FilterBits(hash)) != FilterBits(hash)) return {};
    for (std::size_t slot = Home(hash);; slot = (slot + 1) & Mask()) {
      const Slot& entry = slots_[slot];
      if (entry.head == kNone) return {};
      if (entry.tag != Tag(hash)) continue;
      const std::uint32_t* const first = members_.data() + entry.head;
      scratch_.clear();
      AppendSubstituted(scratch_, words_[PositionOf(*first)], from_, to_);
      if (scratch_ != text) continue;
      const std::uint32_t* last = first;
      while ((*last & kLastMember) == 0) ++last;
      return {first, last + 1};
    }
  }

  static std::int32_t PositionOf(std::uint32_t member) {
    return static_cast<std::int32_t>(member & ~kLastMember);
  }

 private:
  static constexpr std::int32_t kNone = -1;
  // Marks the last member of a group; word positions stay below 2^31.
  static constexpr std::uint32_t kLastMember = std::uint32_t{1} << 31;
  // Eight bytes: the high half of the hash, whose low bits also place the
  // slot, and the group: while the table is filled, its first second-list
  // position, whose chain next_ continues; then where its members start.
  struct Slot {
    std::uint32_t tag = 0;
    std::int32_t head = kNone;
  };

  static std::uint32_t Tag(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 32); }
  [[nodiscard]] std::size_t Mask() const { return slots_.size() - 1; }
  [[nodiscard]] std::size_t Home(std::uint64_t hash) const { return Tag(hash) & Mask(); }

  // Most first-list words have no partner. A small filter, three bits of one
  // 64-bit word per candidate, turns most of them away without touching the
  // larger table, which would cost a cache miss each.
  [[nodiscard]] std::size_t FilterWord(std::uint64_t hash) const {
    return (hash >> 32) & (filter_.size() - 1);
  }
  static std::uint64_t FilterBits(std::uint64_t hash) {
    return (std::uint64_t{1} << (hash & 63)) | (std::uint64_t{1} << ((hash >> 6) & 63)) |
           (std::uint64_t{1} << ((hash >> 12) & 63));
  }

  // The candidate of second-list position k, made in `out`.
  std::string_view Substituted(std::size_t k, std::string& out) const {
    out.clear();
    AppendSubstituted(out, words_[second_list_[k]], from_, to_);
    return out;
  }

  // Equal words give equal candidates; only differing words need substituting.
  bool SameCandidate(std::size_t k, std::size_t other) {
    const std::string_view word = words_[second_list_[k]];
    return word == words_[second_list_[other]] ||
           Substituted(k, scratch_) == Substituted(other, other_scratch_);
  }

  void Insert(std::size_t k, std::uint64_t hash) {
    filter_[FilterWord(hash)] |= FilterBits(hash);
    for (std::size_t slot = Home(hash);; slot = (slot + 1) & Mask()) {
      Slot& entry = slots_[slot];
      if (entry.head == kNone) {
        entry = Slot{Tag(hash), static_cast<std::int32_t>(k)};
        if (++groups_ * 4 > slots_.size() * 3) Grow();
        return;
      }
      if (entry.tag == Tag(hash) && SameCandidate(k, static_cast<std::size_t>(entry.head))) {
        next_[k] = entry.head;
        entry.head = static_cast<std::int32_t>(k);
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
      for (std::int32_t k = first; k != kNone; k = next_[k]) {
        members_.push_back(static_cast<std::uint32_t>(second_list_[k]));
      }
      members_.back() |= kLastMember;
    }
    next_ = {};
  }

  // Doubles the table; the tag alone tells each group's new place.
  void Grow() {
    std::vector<Slot> old(slots_.size() * 2, Slot{});
    old.swap(slots_);
    for (const Slot& entry : old) {
      if (entry.head == kNone) continue;
      std::size_t slot = entry.tag & Mask();
      while (slots_[slot].head != kNone) slot = (slot + 1) & Mask();
      slots_[slot] = entry;
    }
  }

  const WordList& words_;
  std::span<const std::int32_t> second_list_;
  std::string_view from_;
  std::string_view to_;
  Hash hash_;
  std::vector<Slot> slots_;
  std::size_t groups_ = 0;
  std::vector<std::uint64_t> filter_;
  std::vector<std::int32_t> next_;
  std::vector<std::uint32_t> members_;
  std::string scratch_;
  std::string other_scratch_;
};

template <typename Hash>
void SearchPairs(const WordList& words, const PairSearchSide& first, const PairSearchSide& second,
                 OutputFile& pairs_file, RunHost& host, Hash hash) {
  const std::span<const std::int32_t> first_list = first.positions;
  const auto first_count = static_cast<std::int32_t>(first_list.size());
  using Index = CandidateIndex<Hash>;
  std::optional<Index> index;
  if (!first_list.empty() && !second.positions.empty()) {
    index.emplace(words, second.positions, *second.symbol.Match, *first.symbol.Match, hash);
  }

  // Hashes of the words kLookAhead places ahead, whose lookups are prefetched.
  std::array<std::uint64_t, kLookAhead> ahead{};
  const auto hash_ahead = [&](std::size_t n) {
    if (!index || n >= first_list.size()) return;
    ahead[n % kLookAhead] = hash(words[first_list[n]]);
    index->PrefetchLookup(ahead[n % kLookAhead]);
  };
  for (std::size_t n = 0; n < kLookAhead; ++n) hash_ahead(n);

  for (std::int32_t i = 1; i <= first_count; ++i) {
    if (i % kProgressInterval == 0) {
      host.ShowStatus(ProgressText(i, first_count, first.symbol.Shown));
    }
    if (!index) continue;
    const auto n = static_cast<std::size_t>(i - 1);
    const std::int32_t current = first_list[n];
    const std::uint64_t current_hash = ahead[n % kLookAhead];
    hash_ahead(n + kLookAhead);
    const std::span<const std::uint32_t> partners = index->Find(words[current], current_hash);
    // The partners lie far apart in the list: asking for all of them at once
    // lets their cache misses overlap.
    for (const std::uint32_t partner : partners) words.Prefetch(Index::PositionOf(partner));
    for (const std::uint32_t partner : partners) Prefetch(words[Index::PositionOf(partner)].data());
    for (const std::uint32_t partner : partners) {
      pairs_file.WriteLine(words.Trimmed(current), "\t", words.Trimmed(Index::PositionOf(partner)));
    }
  }
}

}  // namespace

std::uint64_t PairSearchHash(std::string_view text) {
  std::uint64_t hash = text.size() * kGoldenRatio;
  std::uint64_t eight_bytes = 0;
  for (; text.size() >= sizeof eight_bytes; text.remove_prefix(sizeof eight_bytes)) {
    std::memcpy(&eight_bytes, text.data(), sizeof eight_bytes);
    hash = MixIn(hash, eight_bytes);
  }
  eight_bytes = 0;
  if (!text.empty()) std::memcpy(&eight_bytes, text.data(), text.size());
  hash = MixIn(hash, eight_bytes);
  // Spread every input bit over the high half, which places the slot.
  hash *= kGoldenRatio;
  return hash ^ (hash >> 31);
}

void FindPairs(const WordList& words, const PairSearchSide& first, const PairSearchSide& second,
               OutputFile& pairs_file, RunHost& host) {
  SearchPairs(words, first, second, pairs_file, host,
              [](std::string_view text) { return PairSearchHash(text); });
}

void FindPairsWithHash(const WordList& words, const PairSearchSide& first,
                       const PairSearchSide& second, OutputFile& pairs_file, RunHost& host,
                       TextHash text_hash) {
  SearchPairs(words, first, second, pairs_file, host, text_hash);
}

}  // namespace search
