#include "search/pair_search.h"

#include <array>
#include <bit>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "search/hash_filter.h"
#include "search/prefetch.h"
#include "search/run_ahead.h"
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

// Calls on_hashed(n, hash_of(n)) for every n in [begin, end) in order. Each
// hash is made kLookAhead places ahead and handed to prefetch(hash) then, so
// that the memory it leads to is on its way by the time it is used.
template <typename HashOf, typename PrefetchFor, typename OnHashed>
void ForEachHashedAhead(std::size_t begin, std::size_t end, HashOf&& hash_of,
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

// Lists from this many words on are worked through on two threads.
constexpr std::size_t kSplitFrom = 64;

// Runs work(begin, end) over [0, count) in two halves at once, the later
// half on a thread of its own, when there is enough to share (a thread costs
// less than a tenth of a millisecond); otherwise as one.
template <typename Work>
void InTwoHalves(std::size_t count, Work&& work) {
  if (count < kSplitFrom) {
    work(std::size_t{0}, count);
    return;
  }
  auto later = RunAhead([&] { work(count / 2, count); });
  work(std::size_t{0}, count / 2);
  later.get();
}

// The vectors that work(begin, end) makes for InTwoHalves, joined in order.
template <typename Work>
auto JoinedInTwoHalves(std::size_t count, Work&& work) {
  decltype(work(std::size_t{0}, count)) earlier;
  decltype(earlier) later;
  InTwoHalves(count, [&](std::size_t begin, std::size_t end) {
    (begin == 0 ? earlier : later) = work(begin, end);
  });
  earlier.insert(earlier.end(), later.begin(), later.end());
  return earlier;
}

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
  CandidateIndex(const WordList& words, std::span<const std::uint64_t> first_hashes,
                 std::span<const std::int32_t> second_list, std::string_view from,
                 std::string_view to, TextHash hash)
      : words_(words), second_list_(second_list), from_(from), to_(to), hash_(hash), filter_(0, 0) {
    candidates_ = CandidatesWithPartners(first_hashes);
    const std::size_t count = candidates_.size();
    slots_.assign(std::bit_ceil(count * 2 + 16), Slot{});
    filter_ = HashFilter(count, 16);  // fewer false maybes: most lookups end here
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
    Prefetch(&slots_[Home(hash)]);
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
    HashFilter first_words(first_hashes.size(), 16);
    for (std::size_t n = 0; n < first_hashes.size(); ++n) {
      if (n + kLookAhead < first_hashes.size())
        first_words.PrefetchFor(first_hashes[n + kLookAhead]);
      first_words.Add(first_hashes[n]);
    }
    return JoinedInTwoHalves(second_list_.size(), [&](std::size_t begin, std::size_t end) {
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
    AppendSubstituted(scratch.candidate, words_.Padded(position, scratch.word), from_, to_);
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

  const WordList& words_;
  std::span<const std::int32_t> second_list_;
  std::string_view from_;
  std::string_view to_;
  TextHash hash_;
  std::vector<Slot> slots_;
  HashFilter filter_;
  std::vector<Candidate> candidates_;
  std::vector<std::int32_t> next_;
  std::vector<std::uint32_t> members_;
  Scratch scratch_;  // for building the index only
  Scratch other_scratch_;
};

}  // namespace

class PairIndex::Search final {
 public:
  Search(const WordList& words, const PairSearchSide& first, const PairSearchSide& second,
         TextHash hash)
      : words_(words), first_list_(first.positions), shown_(first.symbol.Shown) {
    if (first_list_.empty() || second.positions.empty()) return;
    // Each first-list word is hashed once, for the filter that turns most
    // second-list words away and again for its own lookup.
    first_hashes_ = std::make_unique_for_overwrite<std::uint64_t[]>(first_list_.size());
    InTwoHalves(first_list_.size(), [&](std::size_t begin, std::size_t end) {
      for (std::size_t n = begin; n < end; ++n)
        first_hashes_[n] = hash(words.Trimmed(first_list_[n]));
    });
    index_.emplace(words, std::span(first_hashes_.get(), first_list_.size()), second.positions,
                   *second.symbol.Match, *first.symbol.Match, hash);
  }

  void WritePairs(OutputFile& pairs_file, RunHost& host) {
    const std::size_t count = first_list_.size();
    const auto first_count = static_cast<std::int32_t>(count);
    const auto show_progress = [&](std::size_t n) {  // before the (n + 1)-th word
      const auto i = static_cast<std::int32_t>(n + 1);
      if (i % kProgressInterval == 0) host.ShowStatus(ProgressText(i, first_count, shown_));
    };
    if (!index_) {
      for (std::size_t n = 0; n < count; ++n) show_progress(n);
      return;
    }
    // The later half of the words is looked up on a thread of its own while
    // the earlier half is looked up and written here; the pairs are written,
    // and the progress shown, in order as ever.
    const std::size_t half = count < kSplitFrom ? count : count / 2;
    auto later = RunAhead([&] { return Look(half, count); });
    // The earlier half goes straight to the file; the later half's lines wait
    // in memory until it is their turn.
    std::string_view current;
    CandidateIndex::Scratch scratch;
    for (std::size_t n = 0; n < half; ++n) {
      show_progress(n);
      if (n + kLookAhead < half) index_->PrefetchFilter(first_hashes_[n + kLookAhead]);
      current = words_.Trimmed(first_list_[n]);
      ForEachPartner(
          index_->Find(current, first_hashes_[n], scratch),
          [&](std::string_view partner) { pairs_file.WriteLine(current, "\t", partner); });
    }
    const Pairs later_pairs = later.get();
    auto next = later_pairs.ends.begin();
    std::size_t written = 0;
    for (std::size_t n = half; n < count; ++n) {
      show_progress(n);
      if (next == later_pairs.ends.end() || next->first != n) continue;
      pairs_file.WriteLines(
          std::string_view(later_pairs.lines).substr(written, next->second - written));
      written = next->second;
      ++next;
    }
  }

 private:
  // The pair lines of a part of the first list, made on another thread.
  struct Pairs {
    std::string lines;
    // For each first-list word with partners, by its place in the first
    // list: where its lines end.
    std::vector<std::pair<std::size_t, std::size_t>> ends;
  };

  // The pair lines of the first-list words in [begin, end).
  Pairs Look(std::size_t begin, std::size_t end) const {
    Pairs pairs;
    CandidateIndex::Scratch scratch;
    for (std::size_t n = begin; n < end; ++n) {
      if (n + kLookAhead < end) index_->PrefetchFilter(first_hashes_[n + kLookAhead]);
      const std::string_view current = words_.Trimmed(first_list_[n]);
      const auto partners = index_->Find(current, first_hashes_[n], scratch);
      if (partners.empty()) continue;
      ForEachPartner(partners, [&](std::string_view partner) {
        pairs.lines += current;
        pairs.lines += '\t';
        pairs.lines += partner;
        pairs.lines += "\r\n";
      });
      pairs.ends.emplace_back(n, pairs.lines.size());
    }
    return pairs;
  }

  template <typename OnPartner>
  void ForEachPartner(std::span<const std::uint32_t> partners, OnPartner&& on_partner) const {
    // The partners lie far apart in the list: asking for all of them at once
    // lets their cache misses overlap.
    for (const std::uint32_t partner : partners) {
      words_.Prefetch(CandidateIndex::PositionOf(partner));
    }
    for (const std::uint32_t partner : partners) {
      Prefetch(words_.Trimmed(CandidateIndex::PositionOf(partner)).data());
    }
    for (const std::uint32_t partner : partners) {
      on_partner(words_.Trimmed(CandidateIndex::PositionOf(partner)));
    }
  }

  const WordList& words_;
  std::span<const std::int32_t> first_list_;
  std::string_view shown_;
  std::unique_ptr<std::uint64_t[]> first_hashes_;
  std::optional<CandidateIndex> index_;
};

PairIndex::PairIndex(const WordList& words, const PairSearchSide& first,
                     const PairSearchSide& second, TextHash hash)
    : search_(std::make_unique<Search>(words, first, second, hash)) {}
PairIndex::PairIndex(PairIndex&&) noexcept = default;
PairIndex& PairIndex::operator=(PairIndex&&) noexcept = default;
PairIndex::~PairIndex() = default;

void WriteIndexedPairs(PairIndex& index, OutputFile& pairs_file, RunHost& host) {
  index.search_->WritePairs(pairs_file, host);
}

std::uint64_t PairSearchHash(std::string_view text) {
  // Fixed-size loads only, the last one overlapping the one before, so that a
  // short word costs a few instructions and no call.
  const auto load = [&](std::size_t offset) {
    std::uint64_t eight_bytes = 0;
    std::memcpy(&eight_bytes, text.data() + offset, sizeof eight_bytes);
    return eight_bytes;
  };
  const auto load4 = [&](std::size_t offset) {
    std::uint32_t four_bytes = 0;
    std::memcpy(&four_bytes, text.data() + offset, sizeof four_bytes);
    return std::uint64_t{four_bytes};
  };
  const std::size_t size = text.size();
  std::uint64_t hash = size * kGoldenRatio;
  if (size >= 8) {
    for (std::size_t offset = 0; offset + 8 < size; offset += 8) hash = MixIn(hash, load(offset));
    hash = MixIn(hash, load(size - 8));
  } else if (size >= 4) {
    hash = MixIn(hash, (load4(0) << 32) | load4(size - 4));
  } else if (size > 0) {
    const auto byte = [&](std::size_t offset) {
      return std::uint64_t{static_cast<unsigned char>(text[offset])};
    };
    hash = MixIn(hash, (byte(0) << 16) | (byte(size / 2) << 8) | byte(size - 1));
  }
  // Spread every input bit over the high half, which places the slot.
  hash *= kGoldenRatio;
  return hash ^ (hash >> 31);
}

void FindPairs(const WordList& words, const PairSearchSide& first, const PairSearchSide& second,
               OutputFile& pairs_file, RunHost& host) {
  FindPairsWithHash(words, first, second, pairs_file, host, PairSearchHash);
}

void FindPairsWithHash(const WordList& words, const PairSearchSide& first,
                       const PairSearchSide& second, OutputFile& pairs_file, RunHost& host,
                       TextHash text_hash) {
  PairIndex index(words, first, second, text_hash);
  WriteIndexedPairs(index, pairs_file, host);
}

}  // namespace search
