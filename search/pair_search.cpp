#include "search/pair_search.h"

#include <array>
#include <bit>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "search/status_texts.h"
#include "search/transcription.h"

namespace search {
namespace {

// The index is far larger than the processor's caches and is probed at random,
// so each probe would wait for memory. Hashing a few words ahead and asking for
// their cache lines early lets those waits overlap.
constexpr std::size_t kLookAhead = 16;

inline void Prefetch(const void* address) {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(address);
#else
  (void)address;
#endif
}

// Second-list positions grouped by the text their word becomes after the
// substitution: an open-addressing table of groups, each a chain of positions
// in ascending order.
class CandidateIndex final {
 public:
  CandidateIndex(const WordList& words, std::span<const std::int32_t> second_list,
                 std::string_view from, std::string_view to, TextHash hash)
      : words_(words), second_list_(second_list) {
    const std::size_t count = second_list_.size();
    offsets_.reserve(count + 1);
    std::size_t text_bytes = 0;
    for (const std::int32_t word : second_list_) text_bytes += words_[word].size();
    text_.reserve(text_bytes);
    for (const std::int32_t word : second_list_) {
      offsets_.push_back(text_.size());
      AppendSubstituted(text_, words_[word], from, to);
    }
    offsets_.push_back(text_.size());

    slots_.assign(std::bit_ceil(count * 2 + 1), Slot{});
    filter_.assign(std::bit_ceil(count / 8 + 1), 0);
    next_.assign(count, kNone);
    std::vector<std::uint64_t> hashes(count);
    for (std::size_t k = 0; k < count; ++k) hashes[k] = hash(Candidate(k));
    // Inserting from the back and prepending leaves every chain ascending.
    for (std::size_t k = count; k-- > 0;) {
      if (k >= kLookAhead) {
        Prefetch(&filter_[FilterWord(hashes[k - kLookAhead])]);
        Prefetch(&slots_[hashes[k - kLookAhead] & Mask()]);
      }
      Insert(k, hashes[k]);
    }
  }

  // Asks for the filter word that a lookup of this hash reads, ahead of the lookup.
  void PrefetchFilter(std::uint64_t hash) const { Prefetch(&filter_[FilterWord(hash)]); }

  // Calls on_match(k) for each second-list position k whose candidate is
  // `text` (with hash `hash`), in ascending order.
  template <typename OnMatch>
  void ForEachMatch(std::string_view text, std::uint64_t hash, OnMatch&& on_match) const {
    if ((filter_[FilterWord(hash)] & FilterBits(hash)) != FilterBits(hash)) return;
    for (std::size_t slot = hash & Mask();; slot = (slot + 1) & Mask()) {
      const Slot& entry = slots_[slot];
      if (entry.head == kNone) return;
      if (entry.tag == Tag(hash) && Candidate(entry.head) == text) {
        for (std::int32_t k = entry.head; k != kNone; k = next_[k]) on_match(k);
        return;
      }
    }
  }

 private:
  static constexpr std::int32_t kNone = -1;
  // Eight bytes: the slot's position comes from the hash's low bits, and the
  // tag, its high half, spares nearly every string comparison.
  struct Slot {
    std::uint32_t tag = 0;
    std::int32_t head = kNone;
  };

  static std::uint32_t Tag(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 32); }

  [[nodiscard]] std::size_t Mask() const { return slots_.size() - 1; }

  // Most first-list words have no partner. A small filter, three bits of one
  // 64-bit word per candidate, turns most of them away without touching the
  // much larger table, which would cost a cache miss each.
  [[nodiscard]] std::size_t FilterWord(std::uint64_t hash) const {
    return (hash >> 32) & (filter_.size() - 1);
  }
  static std::uint64_t FilterBits(std::uint64_t hash) {
    return (std::uint64_t{1} << (hash & 63)) | (std::uint64_t{1} << ((hash >> 6) & 63)) |
           (std::uint64_t{1} << ((hash >> 12) & 63));
  }

  [[nodiscard]] std::string_view Candidate(std::size_t k) const {
    return std::string_view(text_).substr(offsets_[k], offsets_[k + 1] - offsets_[k]);
  }

  void Insert(std::size_t k, std::uint64_t hash) {
    const std::string_view text = Candidate(k);
    filter_[FilterWord(hash)] |= FilterBits(hash);
    for (std::size_t slot = hash & Mask();; slot = (slot + 1) & Mask()) {
      Slot& entry = slots_[slot];
      if (entry.head == kNone || (entry.tag == Tag(hash) && Candidate(entry.head) == text)) {
        next_[k] = entry.head;
        entry = Slot{Tag(hash), static_cast<std::int32_t>(k)};
        return;
      }
    }
  }

  const WordList& words_;
  std::span<const std::int32_t> second_list_;
  std::string text_;
  std::vector<std::size_t> offsets_;
  std::vector<Slot> slots_;
  std::vector<std::uint64_t> filter_;
  std::vector<std::int32_t> next_;
};

}  // namespace

// Multiplying spreads the bits over all 64, also where std::hash gives only 32.
std::uint64_t PairSearchHash(std::string_view text) {
  return std::uint64_t{std::hash<std::string_view>{}(text)} * 0x9E3779B97F4A7C15u;
}

void FindPairs(const WordList& words, const PairSearchSide& first, const PairSearchSide& second,
               OutputFile& pairs_file, RunHost& host) {
  FindPairsWithHash(words, first, second, pairs_file, host, PairSearchHash);
}

void FindPairsWithHash(const WordList& words, const PairSearchSide& first,
                       const PairSearchSide& second, OutputFile& pairs_file, RunHost& host,
                       TextHash text_hash) {
  const std::span<const std::int32_t> first_list = first.positions;
  const auto first_count = static_cast<std::int32_t>(first_list.size());
  std::optional<CandidateIndex> index;
  if (!first_list.empty() && !second.positions.empty()) {
    index.emplace(words, second.positions, *second.symbol.Match, *first.symbol.Match, text_hash);
  }

  const auto first_word = [&](std::size_t n) { return words[first_list[n]]; };
  // Hashes of the words kLookAhead places ahead, whose lookups are prefetched.
  std::array<std::uint64_t, kLookAhead> ahead{};
  const auto hash_ahead = [&](std::size_t n) {
    if (!index || n >= first_list.size()) return;
    ahead[n % kLookAhead] = text_hash(first_word(n));
    index->PrefetchFilter(ahead[n % kLookAhead]);
  };
  for (std::size_t n = 0; n < kLookAhead; ++n) hash_ahead(n);

  for (std::int32_t i = 1; i <= first_count; ++i) {
    if (i % kProgressInterval == 0) {
      host.ShowStatus(ProgressText(i, first_count, first.symbol.Shown));
    }
    if (!index) continue;
    const auto n = static_cast<std::size_t>(i - 1);
    const std::string_view current = first_word(n);
    const std::uint64_t hash = ahead[n % kLookAhead];
    hash_ahead(n + kLookAhead);
    index->ForEachMatch(current, hash, [&](std::int32_t k) {
      const std::string_view partner = words[second.positions[k]];
      pairs_file.WriteLine(TrimSpaces(current), "\t", TrimSpaces(partner));
    });
  }
}

}  // namespace search
