#include "search/lexicon/inventory_index.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace search::lexicon {
namespace {

// The first eight bytes of `text` as they lie in memory, zeros past its end.
std::uint64_t LoadEight(std::string_view text) {
  std::uint64_t eight = 0;
  if (text.size() >= sizeof eight) {
    std::memcpy(&eight, text.data(), sizeof eight);  // one load
  } else {
    std::memcpy(&eight, text.data(), text.size());
  }
  return eight;
}

}  // namespace

InventoryIndex::InventoryIndex(std::vector<Entry> entries) {
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    if (a.key != b.key) return a.key < b.key;
    if (a.symbol.size() != b.symbol.size()) return a.symbol.size() > b.symbol.size();
    return a.symbol < b.symbol;
  });
  entries.erase(std::unique(entries.begin(), entries.end(),
                            [](const Entry& a, const Entry& b) { return a.symbol == b.symbol; }),
                entries.end());
  groups_.resize(std::bit_ceil(2 * entries.size() + 2));
  for (const Entry& entry : entries) {
    Group& group = groups_[SlotOf(entry.key)];
    if (group.count == 0) {
      group.key = entry.key;
      group.first = static_cast<std::uint32_t>(symbols_.size());
    }
    ++group.count;
    if (entry.key < kNarrowKeys) {
      narrow_starts_[entry.key / 64] |= std::uint64_t{1} << (entry.key % 64);
    } else {
      wide_starts_ = true;
    }
    symbols_.push_back({LoadEight(entry.symbol),
                        LoadEight(std::string(entry.symbol.size(), '\xFF')), entry.symbol});
  }
}

// The group of `key`, or the empty slot where it would go.
std::size_t InventoryIndex::SlotOf(char32_t key) const {
  const std::size_t mask = groups_.size() - 1;
  std::size_t slot = (static_cast<std::uint32_t>(key) * 0x9E3779B9U) >> 16 & mask;
  while (groups_[slot].key != key && groups_[slot].key != kNoKey) slot = (slot + 1) & mask;
  return slot;
}

std::size_t InventoryIndex::LongestInGroup(std::string_view rest, char32_t key) const {
  if (key == kNoKey) return 0;
  const Group& group = groups_[SlotOf(key)];
  const std::uint64_t head = LoadEight(rest);
  for (std::uint32_t i = group.first; i < group.first + group.count; ++i) {
    const Symbol& symbol = symbols_[i];
    if ((head & symbol.mask) == symbol.head && symbol.bytes.size() <= rest.size() &&
        (symbol.bytes.size() <= 8 || rest.starts_with(symbol.bytes))) {
      return symbol.bytes.size();
    }
  }
  return 0;
}

}  // namespace search::lexicon
