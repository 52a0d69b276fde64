// What the functional-load counts share: words grouped by keys, each key a
// word with some of its places set aside, and tallies by unordered pair of
// symbols. Keys are found through 64-bit hashes and confirmed on the words, so
// a collision of hashes never changes a result.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace search::survey {

// An id that no word holds: a place set aside in a key.
inline constexpr std::uint16_t kSetAside = 0xFFFF;
// Ids that no word holds: a second tag left empty, and the boundary around a
// word in its runs of three symbols, which no key sets aside.
inline constexpr std::uint16_t kNoTag = 0xFFFE;
inline constexpr std::uint16_t kBoundary = 0xFFFD;

// A word under one of its keys. The tags say which places the key sets aside;
// what they mean is up to the count that makes the entries.
struct KeyEntry {
  std::uint64_t hash = 0;
  std::int32_t word = 0;
  std::uint16_t tag = 0;
  std::uint16_t second_tag = kNoTag;
};

// The place of the unordered pair {a, b}, a != b, in a table of every pair of
// ids below some bound: PairCells(bound) places.
inline std::size_t PairCell(std::uint16_t a, std::uint16_t b) {
  const auto [low, high] = std::minmax(a, b);
  return std::size_t{high} * (high - 1) / 2 + low;
}
inline std::size_t PairCells(std::size_t ids) { return ids * (ids - 1) / 2 + 1; }

// Calls visit(group) for each largest set of two or more entries whose keys
// `same_key(entry, entry)` finds equal, as a span of entries; reorders them.
template <typename SameKey, typename Visit>
void ForEachSharedKey(std::vector<KeyEntry>& entries, SameKey&& same_key, Visit&& visit) {
  std::sort(entries.begin(), entries.end(),
            [](const KeyEntry& x, const KeyEntry& y) { return x.hash < y.hash; });
  auto begin = entries.begin();
  while (begin != entries.end()) {
    auto end = std::find_if(begin + 1, entries.end(),
                            [&](const KeyEntry& entry) { return entry.hash != begin->hash; });
    // Equal hashes nearly always mean equal keys; sort out the rare others.
    while (end - begin > 1) {
      const KeyEntry pivot = *begin;
      const auto split =
          std::partition(begin, end, [&](const KeyEntry& entry) { return same_key(pivot, entry); });
      if (split - begin > 1) visit(std::span<const KeyEntry>(begin, split));
      begin = split;
    }
    begin = end;
  }
}

}  // namespace search::survey
