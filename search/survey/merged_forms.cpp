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
    for (std::size_t n = 0; n < sequences_.size(); ++n) AddKeys(n);
    ForEachSharedKey(
        entries_, [&](const KeyEntry& x, const KeyEntry& y) { return SameKey(sequences_, x, y); },
        [&](std::span<const KeyEntry> group) { MergeGroup(group); });
    return std::move(tallies_);
  }

 private:
  void AddKeys(std::size_t n);
  void MergeGroup(std::span<const KeyEntry> group);
  void MergeForm(std::span<const KeyEntry> group, std::uint16_t a, std::uint16_t b);

  std::span<const SymbolIds> sequences_;
  std::span<const double> weights_;
  std::size_t id_count_;
  std::vector<std::uint64_t> aside_;    // by id: what setting its places aside adds
  std::vector<std::uint16_t> symbols_;  // of one sequence, mergeable, distinct
  std::vector<std::pair<std::uint16_t, std::uint16_t>> candidates_;  // that a group may merge
  std::vector<KeyEntry> entries_;
  MergeTallies tallies_;
};

void Merger::AddKeys(std::size_t n) {
  const SymbolIds ids = sequences_[n];
  for (const std::uint16_t symbol : symbols_) aside_[symbol] = 0;
  symbols_.clear();
  std::uint64_t sum = 0;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    sum += PositionValue(i, ids[i]);
    if (ids[i] >= id_count_) continue;
    if (std::find(symbols_.begin(), symbols_.end(), ids[i]) == symbols_.end()) {
      symbols_.push_back(ids[i]);
    }
    aside_[ids[i]] += PositionValue(i, kSetAside) - PositionValue(i, ids[i]);
  }
  const auto at = static_cast<std::int32_t>(n);
  for (std::size_t i = 0; i < symbols_.size(); ++i) {
    const std::uint16_t a = symbols_[i];
    entries_.push_back({FinishHash(sum + aside_[a], ids.size()), at, a, kNoTag});
    for (std::size_t j = i + 1; j < symbols_.size(); ++j) {
      const std::uint16_t b = symbols_[j];
      entries_.push_back({FinishHash(sum + aside_[a] + aside_[b], ids.size()), at, a, b});
    }
  }
}

// Two entries of a group whose tags together are two symbols merge under
// them, with every other entry whose tags lie within the two.
void Merger::MergeGroup(std::span<const KeyEntry> group) {
  candidates_.clear();
  for (std::size_t i = 0; i < group.size(); ++i) {
    for (std::size_t j = i + 1; j < group.size(); ++j) {
      std::array<std::uint16_t, 4> tags = {group[i].tag, group[i].second_tag, group[j].tag,
                                           group[j].second_tag};
      std::sort(tags.begin(), tags.end());  // kNoTag last
      const auto distinct =
          static_cast<std::size_t>(std::unique(tags.begin(), tags.end()) - tags.begin());
      if (distinct == 2 + (tags[distinct - 1] == kNoTag ? 1U : 0U)) {
        candidates_.emplace_back(tags[0], tags[1]);
      }
    }
  }
  std::sort(candidates_.begin(), candidates_.end());
  candidates_.erase(std::unique(candidates_.begin(), candidates_.end()), candidates_.end());
  for (const auto& [a, b] : candidates_) MergeForm(group, a, b);
}

void Merger::MergeForm(std::span<const KeyEntry> group, std::uint16_t a, std::uint16_t b) {
  std::int64_t members = 0;
  double weight = 0, members_loss = 0;
  for (const KeyEntry& entry : group) {
    const bool within =
        (entry.tag == a || entry.tag == b) &&
        (entry.second_tag == kNoTag || entry.second_tag == a || entry.second_tag == b);
    if (!within) continue;
    const double member_weight = weights_[static_cast<std::size_t>(entry.word)];
    ++members;
    weight += member_weight;
    members_loss += WeightedLog(member_weight);
  }
  const std::size_t cell = PairCell(a, b);
  tallies_.lost[cell] += members - 1;
  tallies_.weighted_loss[cell] += WeightedLog(weight) - members_loss;
}

}  // namespace

double WeightedLog(double x) { return x > 0 ? x * std::log2(x) : 0; }

MergeTallies MergeEveryPair(std::span<const SymbolIds> sequences, std::span<const double> weights,
                            std::size_t id_count) {
  return Merger(sequences, weights, id_count).Merge();
}

}  // namespace search::survey
