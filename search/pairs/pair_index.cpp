#include "search/pairs/pair_index.h"

#include <bit>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "search/kit/prefetch.h"
#include "search/kit/run_ahead.h"
#include "search/lexicon/transcription.h"
#include "search/texts/status_texts.h"

// The pair search's lookup loop and the index it calls once per word, in one
// translation unit so that nothing per word is a call into another.
namespace search::pairs {
namespace {

// Lists from this many words on are worked through in two halves at once:
// hashing the first list, filtering the second, and looking up partners. A
// thread costs less than a tenth of a millisecond.
constexpr std::size_t kSplitFromWords = 64;

// Calls on_hashed(index, hash_of(index)) for every index in [begin, end) in
// order. Each hash is made kLookAhead places ahead and handed to
// prefetch(hash) then, so that the memory it leads to is on its way by the
// time it is used.
template <typename HashOf, typename PrefetchFor, typename OnHashed>
void ForEachHashedAhead(std::size_t begin, std::size_t end, HashOf&& hash_of,
                        PrefetchFor&& prefetch, OnHashed&& on_hashed) {
  constexpr std::size_t kAhead = CandidateIndex::kLookAhead;
  std::array<std::uint64_t, kAhead> ahead{};
  const auto hash_ahead = [&](std::size_t index) {
    if (index >= end) return;
    ahead[index % kAhead] = hash_of(index);
    prefetch(ahead[index % kAhead]);
  };
  for (std::size_t index = begin; index < begin + kAhead; ++index) hash_ahead(index);
  for (std::size_t index = begin; index < end; ++index) {
    const std::uint64_t hash = ahead[index % kAhead];
    hash_ahead(index + kAhead);
    on_hashed(index, hash);
  }
}

// A candidate without its enclosing spaces: the symbols are padded, so a
// padded word stays padded when they are substituted, and the first-list
// words it may equal are compared, and hashed, trimmed.
std::string_view InnerOf(std::string_view candidate) {
  return candidate.substr(1, candidate.size() - 2);
}

}  // namespace

CandidateIndex::CandidateIndex(const lexicon::WordList& words,
                               std::span<const std::uint64_t> first_hashes,
                               std::span<const std::int32_t> second_list, std::string_view from,
                               std::string_view to, kit::TextHash hash)
    : words_(words), second_list_(second_list), from_(from), to_(to), hash_(hash), filter_(0, 0) {
  candidates_ = CandidatesWithPartners(first_hashes);
  const std::size_t count = candidates_.size();
  slots_.assign(std::bit_ceil(count * 2 + 16), Slot{});
  filter_ = kit::HashFilter(count, 16);  // fewer false maybes: most lookups end here
  next_candidate_.assign(count, kNone);
  // Inserting from the back and prepending leaves every chain ascending.
  for (std::size_t candidate = count; candidate-- > 0;) {
    if (candidate >= kLookAhead) PrefetchLookup(candidates_[candidate - kLookAhead].hash);
    Insert(candidate);
  }
  LayOutGroups();
}

void CandidateIndex::PrefetchFilter(std::uint64_t hash) const { filter_.PrefetchFor(hash); }

void CandidateIndex::PrefetchLookup(std::uint64_t hash) const {
  filter_.PrefetchFor(hash);
  kit::Prefetch(&slots_[Home(hash)]);
}

// Inline, as the lookup loop below is its only caller: a call per word would
// cost more than its common case, a miss in the filter.
inline std::span<const std::uint32_t> CandidateIndex::SecondWordsBecoming(
    std::string_view first_word, std::uint64_t hash, Scratch& scratch) const {
  if (!filter_.MayHold(hash)) return {};
  for (std::size_t slot = Home(hash);; slot = (slot + 1) & Mask()) {
    const Slot& entry = slots_[slot];
    if (entry.head == kNone) return {};
    if (entry.tag != Tag(hash)) continue;
    const std::uint32_t* const first = members_.data() + entry.head;
    if (InnerOf(CandidateOf(PositionOf(*first), scratch)) != first_word) continue;
    const std::uint32_t* last = first;
    while ((*last & kLastMember) == 0) ++last;
    return {first, last + 1};
  }
}

std::vector<CandidateIndex::Candidate> CandidateIndex::CandidatesWithPartners(
    std::span<const std::uint64_t> first_hashes) {
  kit::HashFilter first_words(first_hashes.size(), 16);
  for (std::size_t index = 0; index < first_hashes.size(); ++index) {
    if (index + kLookAhead < first_hashes.size())
      first_words.PrefetchFor(first_hashes[index + kLookAhead]);
    first_words.Add(first_hashes[index]);
  }
  return kit::JoinedInTwoHalves(
      second_list_.size(), kSplitFromWords, [&](std::size_t begin, std::size_t end) {
        std::vector<Candidate> found;
        Scratch scratch;
        ForEachHashedAhead(
            begin, end,
            [&](std::size_t second_index) {
              return hash_(InnerOf(CandidateOf(second_list_[second_index], scratch)));
            },
            [&](std::uint64_t hash) { first_words.PrefetchFor(hash); },
            [&](std::size_t second_index, std::uint64_t hash) {
              if (first_words.MayHold(hash)) found.push_back({second_index, hash});
            });
        return found;
      });
}

// The candidate of the word at `position`: its padded form substituted.
std::string_view CandidateIndex::CandidateOf(std::int32_t position, Scratch& scratch) const {
  const std::string_view word = words_.Trimmed(position);
  if (const auto short_candidate = SubstituteShortWord(word, from_, to_, scratch.short_word)) {
    return *short_candidate;
  }
  scratch.candidate.clear();
  lexicon::AppendSubstituted(scratch.candidate, words_.Padded(position, scratch.padded_word), from_,
                             to_);
  return scratch.candidate;
}

// Equal words give equal candidates; only differing words need substituting.
bool CandidateIndex::SameCandidate(std::size_t candidate, std::size_t other_candidate) {
  const std::int32_t position = second_list_[candidates_[candidate].second_index];
  const std::int32_t other = second_list_[candidates_[other_candidate].second_index];
  return words_.Trimmed(position) == words_.Trimmed(other) ||
         CandidateOf(position, scratch_) == CandidateOf(other, other_scratch_);
}

void CandidateIndex::Insert(std::size_t candidate) {
  const std::uint64_t hash = candidates_[candidate].hash;
  filter_.Add(hash);
  for (std::size_t slot = Home(hash);; slot = (slot + 1) & Mask()) {
    Slot& entry = slots_[slot];
    if (entry.head == kNone) {
      entry = Slot{Tag(hash), static_cast<std::int32_t>(candidate)};
      return;
    }
    if (entry.tag == Tag(hash) && SameCandidate(candidate, static_cast<std::size_t>(entry.head))) {
      next_candidate_[candidate] = entry.head;
      entry.head = static_cast<std::int32_t>(candidate);
      return;
    }
  }
}

// Lays every group's chain out as one run of word positions in members_, the
// last one marked.
void CandidateIndex::LayOutGroups() {
  members_.reserve(next_candidate_.size());
  for (Slot& entry : slots_) {
    if (entry.head == kNone) continue;
    const std::int32_t first = entry.head;
    entry.head = static_cast<std::int32_t>(members_.size());
    for (std::int32_t candidate = first; candidate != kNone;
         candidate = next_candidate_[candidate]) {
      members_.push_back(
          static_cast<std::uint32_t>(second_list_[candidates_[candidate].second_index]));
    }
    members_.back() |= kLastMember;
  }
  next_candidate_ = {};
  candidates_ = {};
}

namespace {

// The hashes of the first-list words, when there is a second list to pair
// them with.
std::unique_ptr<std::uint64_t[]> HashFirstWords(const lexicon::WordList& words,
                                                const PairSearchSide& first,
                                                const PairSearchSide& second, kit::TextHash hash) {
  const std::span<const std::int32_t> first_list = first.positions;
  if (first_list.empty() || second.positions.empty()) return nullptr;
  auto hashes = std::make_unique_for_overwrite<std::uint64_t[]>(first_list.size());
  kit::InTwoHalves(first_list.size(), kSplitFromWords, [&](std::size_t begin, std::size_t end) {
    for (std::size_t index = begin; index < end; ++index) {
      hashes[index] = hash(words.Trimmed(first_list[index]));
    }
  });
  return hashes;
}

}  // namespace

PairIndex::PairIndex(const lexicon::WordList& words, const PairSearchSide& first,
                     const PairSearchSide& second, kit::TextHash hash)
    : PairIndex(words, first, second, hash, HashFirstWords(words, first, second, hash)) {}

PairIndex::PairIndex(const lexicon::WordList& words, const PairSearchSide& first,
                     const PairSearchSide& second, kit::TextHash hash,
                     std::unique_ptr<std::uint64_t[]> first_hashes)
    : words_(words),
      shown_(&words),
      first_list_(first.positions),
      first_shown_(first.symbol.Shown),
      // Without hashes one list is empty, and so is the index; a symbol that
      // cannot occur in the list has no text to match, and its list is empty.
      candidates_(words,
                  std::span<const std::uint64_t>(first_hashes.get(),
                                                 first_hashes ? first.positions.size() : 0),
                  first_hashes ? second.positions : std::span<const std::int32_t>(),
                  first_hashes ? std::string_view(*second.symbol.Match) : std::string_view(),
                  first_hashes ? std::string_view(*first.symbol.Match) : std::string_view(), hash) {
  first_hashes_ = std::move(first_hashes);
}

// The pair lines of a part of the first list, made on another thread, in
// chunks of about kChunkBytes: a chunk is never copied as more come, and the
// memory they take is what they hold.
struct PairIndex::LinesMadeAhead {
  static constexpr std::size_t kChunkBytes = std::size_t{1} << 18;
  std::vector<std::string> chunks;
  // A first-list word's lines: where they stand (not a view, as the chunk may
  // still move while it grows).
  struct WordLines {
    std::size_t first_index;
    std::size_t chunk;
    std::size_t offset;
    std::size_t size;
  };
  std::vector<WordLines> by_word;  // in first-list order, only words with pairs
  std::size_t lines = 0;
};

// Before the first-list word at `first_index`.
void PairIndex::ShowProgress(os::RunHost& host, std::size_t first_index) const {
  const auto position = static_cast<std::int32_t>(first_index + 1);
  if (position % texts::kProgressInterval == 0) {
    host.ShowStatus(
        texts::ProgressText(position, static_cast<std::int32_t>(first_list_.size()), first_shown_));
  }
}

std::size_t PairIndex::WritePairs(os::OutputFile& pairs_file, os::RunHost& host) const {
  const std::size_t count = first_list_.size();
  const auto show_progress = [&](std::size_t first_index) { ShowProgress(host, first_index); };
  if (!first_hashes_) {
    for (std::size_t first_index = 0; first_index < count; ++first_index) {
      show_progress(first_index);
    }
    return 0;
  }
  // The later half of the words is looked up on a thread of its own while
  // the earlier half is looked up and written here; the pairs are written,
  // and the progress shown, in order as ever. The later half's lines wait in
  // memory until it is their turn.
  const std::size_t half = count < kSplitFromWords ? count : count / 2;
  auto later = kit::RunAhead([&] { return MakeLines(half, count); });
  CandidateIndex::Scratch scratch;
  std::size_t lines = 0;
  std::string ended;  // a partner and the line's end, when lines have one
  for (std::size_t first_index = 0; first_index < half; ++first_index) {
    show_progress(first_index);
    const std::string_view first_word = shown_->Trimmed(first_list_[first_index]);
    ForEachPartner(PartnersOf(first_index, half, scratch), [&](std::string_view partner) {
      ++lines;
      if (line_end_.empty()) {
        pairs_file.WriteLine(first_word, "\t", partner);
        return;
      }
      ended.assign(partner);
      ended += line_end_;
      pairs_file.WriteLine(first_word, "\t", ended);
    });
  }
  const LinesMadeAhead later_lines = later.get();
  auto next = later_lines.by_word.begin();
  for (std::size_t first_index = half; first_index < count; ++first_index) {
    show_progress(first_index);
    if (next == later_lines.by_word.end() || next->first_index != first_index) continue;
    pairs_file.WriteLines(
        std::string_view(later_lines.chunks[next->chunk]).substr(next->offset, next->size));
    ++next;
  }
  return lines + later_lines.lines;
}

std::vector<PairRow> PairIndex::Pairs(os::RunHost* progress) const {
  std::vector<PairRow> pairs;
  CandidateIndex::Scratch scratch;
  const std::size_t count = first_list_.size();
  for (std::size_t first_index = 0; first_index < count; ++first_index) {
    if (progress != nullptr) ShowProgress(*progress, first_index);
    if (!first_hashes_) continue;
    for (const std::uint32_t partner : PartnersOf(first_index, count, scratch)) {
      pairs.push_back({first_list_[first_index], CandidateIndex::PositionOf(partner)});
    }
  }
  return pairs;
}

// The pair lines of the first-list words in [begin, end).
PairIndex::LinesMadeAhead PairIndex::MakeLines(std::size_t begin, std::size_t end) const {
  LinesMadeAhead lines;
  CandidateIndex::Scratch scratch;
  for (std::size_t first_index = begin; first_index < end; ++first_index) {
    const auto partners = PartnersOf(first_index, end, scratch);
    if (partners.empty()) continue;
    const std::string_view first_word = shown_->Trimmed(first_list_[first_index]);
    if (lines.chunks.empty() || lines.chunks.back().size() >= LinesMadeAhead::kChunkBytes) {
      lines.chunks.emplace_back().reserve(LinesMadeAhead::kChunkBytes +
                                          LinesMadeAhead::kChunkBytes / 4);
    }
    std::string& chunk = lines.chunks.back();
    const std::size_t offset = chunk.size();
    ForEachPartner(partners, [&](std::string_view partner) {
      chunk += first_word;
      chunk += '\t';
      chunk += partner;
      chunk += line_end_;
      chunk += "\r\n";
      ++lines.lines;
    });
    lines.by_word.push_back({first_index, lines.chunks.size() - 1, offset, chunk.size() - offset});
  }
  return lines;
}

// The partners of the first-list word at `first_index`, in a run of lookups
// that ends before `end`, whose next lookups are asked for ahead. Inline, as
// SecondWordsBecoming.
inline std::span<const std::uint32_t> PairIndex::PartnersOf(
    std::size_t first_index, std::size_t end, CandidateIndex::Scratch& scratch) const {
  if (first_index + CandidateIndex::kLookAhead < end) {
    candidates_.PrefetchFilter(first_hashes_[first_index + CandidateIndex::kLookAhead]);
  }
  return candidates_.SecondWordsBecoming(words_.Trimmed(first_list_[first_index]),
                                         first_hashes_[first_index], scratch);
}

template <typename OnPartner>
void PairIndex::ForEachPartner(std::span<const std::uint32_t> partners,
                               OnPartner&& on_partner) const {
  // The partners lie far apart in the list: asking for all of them at once
  // lets their cache misses overlap.
  for (const std::uint32_t partner : partners) {
    shown_->Prefetch(CandidateIndex::PositionOf(partner));
  }
  for (const std::uint32_t partner : partners) {
    kit::Prefetch(shown_->Trimmed(CandidateIndex::PositionOf(partner)).data());
  }
  for (const std::uint32_t partner : partners) {
    on_partner(shown_->Trimmed(CandidateIndex::PositionOf(partner)));
  }
}

void FindPairs(const lexicon::WordList& words, const PairSearchSide& first,
               const PairSearchSide& second, os::OutputFile& pairs_file, os::RunHost& host) {
  PairIndex(words, first, second).WritePairs(pairs_file, host);
}

}  // namespace search::pairs
