// Finds the longest symbol of an inventory that starts at a place of a text,
// without allocating: symbols are grouped by their first character's key, the
// groups found by open addressing on the key, and a table of first bytes turns
// away most places before any lookup.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace search::lexicon {

class InventoryIndex final {
 public:
  // A key that no character has: where nothing can start.
  static constexpr char32_t kNoKey = 0xFFFFFFFF;

  InventoryIndex() = default;
  // Each of `symbols` (none empty) paired with the key of its first character.
  struct Entry {
    std::string symbol;
    char32_t key;
  };
  explicit InventoryIndex(std::vector<Entry> entries);

  // The length of the longest symbol that text[pos...] starts with, given the
  // key of the character at `pos`; 0 when none does.
  [[nodiscard]] std::size_t LongestAt(std::string_view text, std::size_t pos, char32_t key) const {
    if (!may_start_[static_cast<unsigned char>(text[pos])]) return 0;
    return LongestInGroup(text.substr(pos), key);
  }

 private:
  struct Group {
    char32_t key = kNoKey;
    std::uint32_t first = 0;  // in symbols_, longest first
    std::uint32_t count = 0;
  };
  [[nodiscard]] std::size_t SlotOf(char32_t key) const;
  [[nodiscard]] std::size_t LongestInGroup(std::string_view rest, char32_t key) const;

  std::array<bool, 256> may_start_{};  // by a symbol's first byte
  std::vector<std::string> symbols_;
  std::vector<Group> groups_;  // open addressing; a power of two, at least half empty
};

}  // namespace search::lexicon
