#include "search/survey/same_difference_pairs.h"

#include <algorithm>
#include <bit>

#include "search/survey/load_keys.h"
#include "search/survey/symbol_sequences.h"

namespace search::survey {
namespace {

// A symbol of a word in more places than keys are made for.
struct CrowdedSymbol {
  std::int32_t word;
  std::uint16_t symbol;
};

class PairCounter final {
 public:
  PairCounter(std::span<const SymbolIds> words, std::size_t id_count, std::size_t max_places,
              const PlacesFit& fits)
      : words_(words),
        fits_(fits),
        max_places_(std::min<std::size_t>(max_places, 16)),
        tallies_{std::vector<std::int64_t>(PairCells(id_count)),
                 std::vector<std::int64_t>(PairCells(id_count))} {}

  PairTallies Count() {
    std::size_t entries = 0;
    for (std::size_t word = 0; word < words_.size(); ++word) {
      ForEachSymbol(word, [&](std::uint16_t symbol) {
        if (places_.size() > max_places_) {
          crowded_.push_back({static_cast<std::int32_t>(word), symbol});
        } else {
          entries += (std::size_t{1} << places_.size()) - 1;
        }
      });
    }
    VisitSharedKeys(
        entries,
        [&](auto&& add) {
          for (std::size_t word = 0; word < words_.size(); ++word) AddKeys(word, add);
        },
        [&](const KeyEntry& x, const KeyEntry& y) { return SameKey(x, y); },
        [&](std::span<const KeyEntry> group) { CountGroup(group); });
    for (const CrowdedSymbol& crowded : crowded_) CompareWithAll(crowded);
    return std::move(tallies_);
  }

 private:
  // Calls visit(symbol) for each distinct symbol of the word, with places_
  // holding its places.
  template <typename Visit>
  void ForEachSymbol(std::size_t word, Visit&& visit) {
    const SymbolIds ids = words_[word];
    for (std::size_t i = 0; i < ids.size(); ++i) {
      if (std::find(ids.begin(), ids.begin() + static_cast<std::ptrdiff_t>(i), ids[i]) !=
          ids.begin() + static_cast<std::ptrdiff_t>(i)) {
        continue;
      }
      places_.clear();
      for (std::size_t j = i; j < ids.size(); ++j) {
        if (ids[j] == ids[i]) places_.push_back(j);
      }
      visit(ids[i]);
    }
  }

  // The subsets of a symbol's places are numbered by bit masks over its
  // places, the first lowest.
  template <typename Add>
  void AddKeys(std::size_t word, Add&& add) {
    const SymbolIds ids = words_[word];
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < ids.size(); ++i) sum += PositionValue(i, ids[i]);
    ForEachSymbol(word, [&](std::uint16_t symbol) {
      if (places_.size() > max_places_) return;
      subset_sums_.assign(std::size_t{1} << places_.size(), 0);
      for (std::size_t mask = 1; mask < subset_sums_.size(); ++mask) {
        const std::size_t place = places_[static_cast<std::size_t>(std::countr_zero(mask))];
        subset_sums_[mask] = subset_sums_[mask & (mask - 1)] + PositionValue(place, kSetAside) -
                             PositionValue(place, symbol);
        if (fits_ && !SubsetFits(word, mask)) continue;
        add(KeyEntry{FinishHash(sum + subset_sums_[mask], ids.size()),
                     static_cast<std::int32_t>(word), symbol, static_cast<std::uint16_t>(mask)});
      }
    });
  }

  [[nodiscard]] bool SubsetFits(std::size_t word, std::size_t mask) {
    chosen_.clear();
    for (std::size_t bit = 0; bit < places_.size(); ++bit) {
      if (((mask >> bit) & 1U) != 0) chosen_.push_back(places_[bit]);
    }
    return fits_(word, chosen_);
  }
  [[nodiscard]] bool SameKey(const KeyEntry& x, const KeyEntry& y) const;
  void CountGroup(std::span<const KeyEntry> group);
  void Tally(std::uint16_t a, std::uint16_t b, std::size_t places);
  void CompareWithAll(const CrowdedSymbol& crowded);
  [[nodiscard]] std::size_t Places(SymbolIds word, std::uint16_t symbol) const {
    return static_cast<std::size_t>(std::count(word.begin(), word.end(), symbol));
  }

  std::span<const SymbolIds> words_;
  const PlacesFit& fits_;
  std::size_t max_places_;  // at most 16, the bits of a KeyEntry tag
  PairTallies tallies_;
  std::vector<CrowdedSymbol> crowded_;
  std::vector<std::size_t> places_;         // of one symbol in one word
  std::vector<std::uint64_t> subset_sums_;  // what setting each subset aside adds
  std::vector<std::size_t> chosen_;         // the places of one subset, or where words differ
};

bool PairCounter::SameKey(const KeyEntry& x, const KeyEntry& y) const {
  const SymbolIds a = words_[static_cast<std::size_t>(x.word)];
  const SymbolIds b = words_[static_cast<std::size_t>(y.word)];
  if (a.size() != b.size()) return false;
  unsigned a_seen = 0, b_seen = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const bool a_aside = a[i] == x.tag && ((x.second_tag >> a_seen++) & 1U) != 0;
    const bool b_aside = b[i] == y.tag && ((y.second_tag >> b_seen++) & 1U) != 0;
    if (a_aside != b_aside || (!a_aside && a[i] != b[i])) return false;
  }
  return true;
}

void PairCounter::CountGroup(std::span<const KeyEntry> group) {
  const auto places = static_cast<std::size_t>(std::popcount(group.front().second_tag));
  for (std::size_t i = 0; i < group.size(); ++i) {
    for (std::size_t j = i + 1; j < group.size(); ++j) Tally(group[i].tag, group[j].tag, places);
  }
}

void PairCounter::Tally(std::uint16_t a, std::uint16_t b, std::size_t places) {
  const std::size_t cell = PairCell(a, b);
  ++tallies_.same_difference[cell];
  if (places == 1) ++tallies_.one_place[cell];
}

// Finds the crowded symbol's pairs word by word. A pair of two crowded symbols
// is counted from its earlier word.
void PairCounter::CompareWithAll(const CrowdedSymbol& crowded) {
  const SymbolIds word = words_[static_cast<std::size_t>(crowded.word)];
  for (std::size_t other = 0; other < words_.size(); ++other) {
    const SymbolIds ids = words_[other];
    if (ids.size() != word.size() || other == static_cast<std::size_t>(crowded.word)) continue;
    std::uint16_t put = kNoTag;
    bool pairs = true;
    chosen_.clear();
    for (std::size_t i = 0; i < ids.size() && pairs; ++i) {
      if (word[i] == ids[i]) continue;
      pairs = word[i] == crowded.symbol && (put == kNoTag || put == ids[i]);
      put = ids[i];
      chosen_.push_back(i);
    }
    if (!pairs ||
        (Places(ids, put) > max_places_ && other < static_cast<std::size_t>(crowded.word))) {
      continue;
    }
    if (fits_ &&
        !(fits_(static_cast<std::size_t>(crowded.word), chosen_) && fits_(other, chosen_))) {
      continue;
    }
    Tally(crowded.symbol, put, chosen_.size());
  }
}

}  // namespace

PairTallies CountSameDifferencePairs(std::span<const SymbolIds> words, std::size_t id_count,
                                     std::size_t max_keyed_places, const PlacesFit& fits) {
  return PairCounter(words, id_count, max_keyed_places, fits).Count();
}

}  // namespace search::survey
