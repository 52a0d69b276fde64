#include "search/lexicon/inventory_index.h"

#include <algorithm>
#include <bit>

namespace search::lexicon {

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
    may_start_[static_cast<unsigned char>(entry.symbol.front())] = true;
    symbols_.push_back(entry.symbol);
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
  for (std::uint32_t i = group.first; i < group.first + group.count; ++i) {
    if (rest.starts_with(symbols_[i])) return symbols_[i].size();
  }
  return 0;
}

}  // namespace search::lexicon
