#include "search/pairs/pair_search.h"

#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "search/kit/prefetch.h"
#include "search/kit/run_ahead.h"
#include "search/lexicon/transcription.h"
#include "search/pairs/candidate_index.h"
#include "search/texts/status_texts.h"

namespace search::pairs {
namespace {

constexpr std::uint64_t kGoldenRatio = 0x9E3779B97F4A7C15u;

std::uint64_t MixIn(std::uint64_t hash, std::uint64_t eight_bytes) {
  hash = (hash ^ eight_bytes) * kGoldenRatio;
  return hash ^ (hash >> 29);
}

}  // namespace

class PairIndex::Search final {
 public:
  Search(const lexicon::WordList& words, const PairSearchSide& first, const PairSearchSide& second,
         TextHash hash)
      : words_(words), first_list_(first.positions), shown_(first.symbol.Shown) {
    if (first_list_.empty() || second.positions.empty()) return;
    // Each first-list word is hashed once, for the filter that turns most
    // second-list words away and again for its own lookup.
    first_hashes_ = std::make_unique_for_overwrite<std::uint64_t[]>(first_list_.size());
    kit::InTwoHalves(first_list_.size(), CandidateIndex::kSplitFrom,
                     [&](std::size_t begin, std::size_t end) {
                       for (std::size_t n = begin; n < end; ++n)
                         first_hashes_[n] = hash(words.Trimmed(first_list_[n]));
                     });
    index_.emplace(words, std::span(first_hashes_.get(), first_list_.size()), second.positions,
                   *second.symbol.Match, *first.symbol.Match, hash);
  }

  void WritePairs(os::OutputFile& pairs_file, RunHost& host) {
    const std::size_t count = first_list_.size();
    const auto first_count = static_cast<std::int32_t>(count);
    const auto show_progress = [&](std::size_t n) {  // before the (n + 1)-th word
      const auto i = static_cast<std::int32_t>(n + 1);
      if (i % texts::kProgressInterval == 0)
        host.ShowStatus(texts::ProgressText(i, first_count, shown_));
    };
    if (!index_) {
      for (std::size_t n = 0; n < count; ++n) show_progress(n);
      return;
    }
    // The later half of the words is looked up on a thread of its own while
    // the earlier half is looked up and written here; the pairs are written,
    // and the progress shown, in order as ever.
    const std::size_t half = count < CandidateIndex::kSplitFrom ? count : count / 2;
    auto later = kit::RunAhead([&] { return Look(half, count); });
    // The earlier half goes straight to the file; the later half's lines wait
    // in memory until it is their turn.
    CandidateIndex::Scratch scratch;
    for (std::size_t n = 0; n < half; ++n) {
      show_progress(n);
      const std::string_view current = words_.Trimmed(first_list_[n]);
      ForEachPartner(PartnersOf(n, half, scratch), [&](std::string_view partner) {
        pairs_file.WriteLine(current, "\t", partner);
      });
    }
    const Pairs later_pairs = later.get();
    auto next = later_pairs.words.begin();
    for (std::size_t n = half; n < count; ++n) {
      show_progress(n);
      if (next == later_pairs.words.end() || next->n != n) continue;
      pairs_file.WriteLines(
          std::string_view(later_pairs.pieces[next->piece]).substr(next->start, next->size));
      ++next;
    }
  }

 private:
  // The pair lines of a part of the first list, made on another thread, in
  // pieces of about kPieceBytes: a piece is never copied as more come, and
  // the memory they take is what they hold.
  static constexpr std::size_t kPieceBytes = std::size_t{1} << 18;
  struct Pairs {
    std::vector<std::string> pieces;
    // A first-list word's lines, by its place in the first list: where they
    // stand (not a view, as the piece may still move while it grows).
    struct Word {
      std::size_t n;
      std::size_t piece;
      std::size_t start;
      std::size_t size;
    };
    std::vector<Word> words;
  };

  // The pair lines of the first-list words in [begin, end).
  Pairs Look(std::size_t begin, std::size_t end) const {
    Pairs pairs;
    CandidateIndex::Scratch scratch;
    for (std::size_t n = begin; n < end; ++n) {
      const auto partners = PartnersOf(n, end, scratch);
      if (partners.empty()) continue;
      const std::string_view current = words_.Trimmed(first_list_[n]);
      if (pairs.pieces.empty() || pairs.pieces.back().size() >= kPieceBytes) {
        pairs.pieces.emplace_back().reserve(kPieceBytes + kPieceBytes / 4);
      }
      std::string& piece = pairs.pieces.back();
      const std::size_t start = piece.size();
      ForEachPartner(partners, [&](std::string_view partner) {
        piece += current;
        piece += '\t';
        piece += partner;
        piece += "\r\n";
      });
      pairs.words.push_back({n, pairs.pieces.size() - 1, start, piece.size() - start});
    }
    return pairs;
  }

  // The partners of the n-th first-list word, in a run of lookups that ends
  // before `end`, whose next lookups are asked for ahead.
  std::span<const std::uint32_t> PartnersOf(std::size_t n, std::size_t end,
                                            CandidateIndex::Scratch& scratch) const {
    if (n + CandidateIndex::kLookAhead < end) {
      index_->PrefetchFilter(first_hashes_[n + CandidateIndex::kLookAhead]);
    }
    return index_->Find(words_.Trimmed(first_list_[n]), first_hashes_[n], scratch);
  }

  template <typename OnPartner>
  void ForEachPartner(std::span<const std::uint32_t> partners, OnPartner&& on_partner) const {
    // The partners lie far apart in the list: asking for all of them at once
    // lets their cache misses overlap.
    for (const std::uint32_t partner : partners) {
      words_.Prefetch(CandidateIndex::PositionOf(partner));
    }
    for (const std::uint32_t partner : partners) {
      kit::Prefetch(words_.Trimmed(CandidateIndex::PositionOf(partner)).data());
    }
    for (const std::uint32_t partner : partners) {
      on_partner(words_.Trimmed(CandidateIndex::PositionOf(partner)));
    }
  }

  const lexicon::WordList& words_;
  std::span<const std::int32_t> first_list_;
  std::string_view shown_;
  std::unique_ptr<std::uint64_t[]> first_hashes_;
  std::optional<CandidateIndex> index_;
};

PairIndex::PairIndex(const lexicon::WordList& words, const PairSearchSide& first,
                     const PairSearchSide& second, TextHash hash)
    : search_(std::make_unique<Search>(words, first, second, hash)) {}
PairIndex::PairIndex(PairIndex&&) noexcept = default;
PairIndex& PairIndex::operator=(PairIndex&&) noexcept = default;
PairIndex::~PairIndex() = default;

void WriteIndexedPairs(PairIndex& index, os::OutputFile& pairs_file, RunHost& host) {
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

void FindPairs(const lexicon::WordList& words, const PairSearchSide& first,
               const PairSearchSide& second, os::OutputFile& pairs_file, RunHost& host) {
  FindPairsWithHash(words, first, second, pairs_file, host, PairSearchHash);
}

void FindPairsWithHash(const lexicon::WordList& words, const PairSearchSide& first,
                       const PairSearchSide& second, os::OutputFile& pairs_file, RunHost& host,
                       TextHash text_hash) {
  PairIndex index(words, first, second, text_hash);
  WriteIndexedPairs(index, pairs_file, host);
}

}  // namespace search::pairs
