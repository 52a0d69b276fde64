// What the functional-load counts share: words grouped by keys, each key a
// word with some of its places set aside, and tallies by unordered pair of
// symbols. Keys are found through 64-bit hashes and confirmed on the words, so
// a collision of hashes never changes a result.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
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

// Orders entries by hash: first into buckets by 12 bits of the hash, through
// `scratch`, then each bucket, small enough to stay in the cache, in place.
// Twice as fast as sorting the whole at once.
inline void SortByHash(std::vector<KeyEntry>& entries, std::vector<KeyEntry>& scratch) {
  constexpr unsigned kBits = 12, kShift = 20;  // below the bits that choose a pass
  std::vector<std::size_t> starts((std::size_t{1} << kBits) + 1);
  const auto bucket = [](const KeyEntry& entry) {
    return static_cast<std::size_t>(entry.hash >> kShift) & ((std::size_t{1} << kBits) - 1);
  };
  for (const KeyEntry& entry : entries) ++starts[bucket(entry) + 1];
  std::partial_sum(starts.begin(), starts.end(), starts.begin());
  scratch.resize(entries.size());
  std::vector<std::size_t> next(starts.begin(), starts.end() - 1);
  for (const KeyEntry& entry : entries) scratch[next[bucket(entry)]++] = entry;
  entries.swap(scratch);
  for (std::size_t n = 0; n + 1 < starts.size(); ++n) {
    std::sort(entries.begin() + static_cast<std::ptrdiff_t>(starts[n]),
              entries.begin() + static_cast<std::ptrdiff_t>(starts[n + 1]),
              [](const KeyEntry& x, const KeyEntry& y) { return x.hash < y.hash; });
  }
}

// Calls visit(group) for each largest set of two or more entries whose keys
// `same_key(entry, entry)` finds equal, as a span of entries; reorders them.
template <typename SameKey, typename Visit>
void VisitSharedKeys(std::vector<KeyEntry>& entries, std::vector<KeyEntry>& scratch,
                     SameKey&& same_key, Visit&& visit) {
  SortByHash(entries, scratch);
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

// At most about this many entries are held at once, twice (16 MB): fewer
// passes would make each entry again less often, and hold more memory.
inline constexpr std::size_t kEntriesPerPass = std::size_t{1} << 19;

// VisitSharedKeys for the entries that `make_entries(add)` passes to add, about
// `entry_count` of them: in as many passes as keep kEntriesPerPass at once,
// each over the entries whose hashes fall in its share of the range.
template <typename MakeEntries, typename SameKey, typename Visit>
void VisitSharedKeys(std::size_t entry_count, MakeEntries&& make_entries, SameKey&& same_key,
                     Visit&& visit) {
  const std::size_t passes = entry_count / kEntriesPerPass + 1;
  std::vector<KeyEntry> entries, scratch;
  entries.reserve(entry_count / passes + entry_count / passes / 8 + 64);
  scratch.reserve(entries.capacity());
  for (std::size_t pass = 0; pass < passes; ++pass) {
    entries.clear();
    make_entries([&](const KeyEntry& entry) {
      if (((entry.hash >> 32) * passes >> 32) == pass) entries.push_back(entry);
    });
    VisitSharedKeys(entries, scratch, same_key, visit);
  }
}

}  // namespace search::survey
