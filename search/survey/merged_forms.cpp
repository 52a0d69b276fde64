#include "search/survey/merged_forms.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "search/survey/load_keys.h"
#include "search/survey/symbol_sequences.h"

namespace search::survey {
namespace {

bool IsTagged(const KeyEntry& entry, std::uint16_t id) {
  return id == entry.tag || id == entry.second_tag;
}

bool SameKey(std::span<const SymbolIds> sequences, const KeyEntry& x, const KeyEntry& y) {
  const SymbolIds a = sequences[static_cast<std::size_t>(x.word)];
  const SymbolIds b = sequences[static_cast<std::size_t>(y.word)];
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const std::uint16_t a_key = IsTagged(x, a[i]) ? kSetAside : a[i];
    const std::uint16_t b_key = IsTagged(y, b[i]) ? kSetAside : b[i];
    if (a_key != b_key) return false;
  }
  return true;
}

class Merger final {
 public:
  Merger(std::span<const SymbolIds> sequences, std::span<const double> weights,
         std::size_t id_count)
      : sequences_(sequences),
        weights_(weights),
        id_count_(id_count),
        aside_(id_count),
        tallies_{std::vector<std::int64_t>(PairCells(id_count)),
                 std::vector<double>(PairCells(id_count))} {}

  MergeTallies Merge() {
    std::size_t entries = 0;
    for (std::size_t n = 0; n < sequences_.size(); ++n) {
      const std::size_t symbols = TakeSymbols(n);
      entries += symbols * (symbols + 1) / 2;
    }
    VisitSharedKeys(
        entries,
        [&](auto&& add) {
          for (std::size_t n = 0; n < sequences_.size(); ++n) AddKeys(n, add);
        },
        [&](const KeyEntry& x, const KeyEntry& y) { return SameKey(sequences_, x, y); },
        [&](std::span<const KeyEntry> group) { MergeGroup(group); });
    return std::move(tallies_);
  }

 private:
  std::size_t TakeSymbols(std::size_t n);

  // One key for each set of one or two of the sequence's symbols.
  template <typename Add>
  void AddKeys(std::size_t n, Add&& add) {
    TakeSymbols(n);
    const auto at = static_cast<std::int32_t>(n);
    const std::size_t length = sequences_[n].size();
    for (std::size_t i = 0; i < symbols_.size(); ++i) {
      const std::uint16_t a = symbols_[i];
      add(KeyEntry{FinishHash(sum_ + aside_[a], length), at, a, kNoTag});
      for (std::size_t j = i + 1; j < symbols_.size(); ++j) {
        const std::uint16_t b = symbols_[j];
        add(KeyEntry{FinishHash(sum_ + aside_[a] + aside_[b], length), at, a, b});
      }
    }
  }
  // A member of a group: its tags, the lower first (kNoTag second for one
  // tag), and its weight; ordered by tags.
  struct Member {
    std::uint16_t low;
    std::uint16_t high;
    double weight;
    bool operator<(const Member& other) const {
      return low != other.low ? low < other.low : high < other.high;
    }
  };
  static const Member* Find(const std::vector<Member>& singles, std::uint16_t tag);
  void MergeGroup(std::span<const KeyEntry> group);
  void MergeForm(std::uint16_t a, std::uint16_t b, std::array<const Member*, 2> alone);

  std::span<const SymbolIds> sequences_;
  std::span<const double> weights_;
  std::size_t id_count_;
  std::vector<std::uint64_t> aside_;    // by id: what setting its places aside adds
  std::vector<std::uint16_t> symbols_;  // of one sequence, mergeable, distinct
  std::vector<Member> singles_;         // of one group
  std::vector<Member> doubles_;
  std::uint64_t sum_ = 0;  // of one sequence's position values
  MergeTallies tallies_;
};

// Takes the sequence's mergeable symbols, what setting each one's places aside
// adds to its hash sum, and the sum; returns how many symbols.
std::size_t Merger::TakeSymbols(std::size_t n) {
  const SymbolIds ids = sequences_[n];
  for (const std::uint16_t symbol : symbols_) aside_[symbol] = 0;
  symbols_.clear();
  sum_ = 0;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    sum_ += PositionValue(i, ids[i]);
    if (ids[i] >= id_count_) continue;
    if (std::find(symbols_.begin(), symbols_.end(), ids[i]) == symbols_.end()) {
      symbols_.push_back(ids[i]);
    }
    aside_[ids[i]] += PositionValue(i, kSetAside) - PositionValue(i, ids[i]);
  }
  return symbols_.size();
}

// Under {a, b}, the members of a group whose tags lie within {a, b} make one
// form: those tagged a, b, or both. Only those tagged with both can be more
// than one (in "a b" and "b a" alike, both places are set aside).
void Merger::MergeGroup(std::span<const KeyEntry> group) {
  singles_.clear();
  doubles_.clear();
  for (const KeyEntry& entry : group) {
    const double weight = weights_[static_cast<std::size_t>(entry.word)];
    if (entry.second_tag == kNoTag) {
      singles_.push_back({entry.tag, kNoTag, weight});
    } else {
      const auto [low, high] = std::minmax(entry.tag, entry.second_tag);
      doubles_.push_back({low, high, weight});
    }
  }
  std::sort(singles_.begin(), singles_.end());
  std::sort(doubles_.begin(), doubles_.end());
  for (std::size_t i = 0; i < singles_.size(); ++i) {
    for (std::size_t j = i + 1; j < singles_.size(); ++j) {
      MergeForm(singles_[i].low, singles_[j].low, {&singles_[i], &singles_[j]});
    }
  }
  // The forms with no member tagged with each symbol alone.
  for (auto run = doubles_.begin(); run != doubles_.end();) {
    const auto end = std::upper_bound(run, doubles_.end(), *run);
    const Member* low = Find(singles_, run->low);
    const Member* high = Find(singles_, run->high);
    if (low == nullptr || high == nullptr) MergeForm(run->low, run->high, {low, high});
    run = end;
  }
}

// The form under {a, b} of the members tagged with both and `alone`, those of
// them that are members.
void Merger::MergeForm(std::uint16_t a, std::uint16_t b, std::array<const Member*, 2> alone) {
  const auto [low, high] = std::minmax(a, b);
  const auto both = std::equal_range(doubles_.begin(), doubles_.end(), Member{low, high, 0});
  double weight = 0, members_loss = 0;
  std::int64_t members = both.second - both.first;
  for (auto member = both.first; member != both.second; ++member) {
    weight += member->weight, members_loss += WeightedLog(member->weight);
  }
  for (const Member* member : alone) {
    if (member == nullptr) continue;
    ++members, weight += member->weight, members_loss += WeightedLog(member->weight);
  }
  if (members < 2) return;
  const std::size_t cell = PairCell(a, b);
  tallies_.lost[cell] += members - 1;
  tallies_.weighted_loss[cell] += WeightedLog(weight) - members_loss;
}

const Merger::Member* Merger::Find(const std::vector<Member>& singles, std::uint16_t tag) {
  const auto at = std::lower_bound(singles.begin(), singles.end(), Member{tag, kNoTag, 0});
  return at != singles.end() && at->low == tag ? &*at : nullptr;
}

}  // namespace

double WeightedLog(double x) { return x > 0 ? x * std::log2(x) : 0; }

MergeTallies MergeEveryPair(std::span<const SymbolIds> sequences, std::span<const double> weights,
                            std::size_t id_count) {
  return Merger(sequences, weights, id_count).Merge();
}

}  // namespace search::survey
