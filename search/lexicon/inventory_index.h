// Finds the longest symbol of an inventory that starts at a place of a text,
// without allocating: symbols are grouped by their first character's key, the
// groups found by open addressing on the key, a bit for each key below U+0800
// (nearly all of IPA) turns away most places before any lookup, and a symbol's
// first eight bytes are compared in one load.
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
    if (key < kNarrowKeys ? (narrow_starts_[key / 64] >> (key % 64) & 1U) == 0 : !wide_starts_) {
      return 0;
    }
    return LongestInGroup(text.substr(pos), key);
  }

 private:
  struct Group {
    char32_t key = kNoKey;
    std::uint32_t first = 0;  // in symbols_, longest first
    std::uint32_t count = 0;
  };
  // A symbol's first eight bytes, compared with a text's in one load.
  struct Symbol {
    std::uint64_t head;  // as loaded from memory, the bytes past the symbol zero
    std::uint64_t mask;  // the bytes of `head` that belong to the symbol
    std::string bytes;
  };
  [[nodiscard]] std::size_t SlotOf(char32_t key) const;
  [[nodiscard]] std::size_t LongestInGroup(std::string_view rest, char32_t key) const;

  static constexpr char32_t kNarrowKeys = 0x800;
  std::array<std::uint64_t, kNarrowKeys / 64> narrow_starts_{};  // a bit for each key
  bool wide_starts_ = false;  // a symbol starts with a key from kNarrowKeys up
  std::vector<Symbol> symbols_;
  std::vector<Group> groups_;  // open addressing; a power of two, at least half empty
};

}  // namespace search::lexicon
