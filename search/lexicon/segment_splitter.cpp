#include "search/lexicon/segment_splitter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "search/lexicon/segment_roles.h"

namespace search::lexicon {
namespace {

// The inventory's symbols in `encoding`, each with the key of its first character.
std::vector<InventoryIndex::Entry> EntriesOf(const SegmentInventory& inventory,
                                             texts::TextEncoding encoding) {
  std::vector<InventoryIndex::Entry> entries;
  for (const std::string& symbol : inventory.symbols) {
    if (symbol.empty()) continue;
    if (encoding == texts::TextEncoding::kWindows1252) {
      if (auto bytes = texts::Utf8ToWindows1252(symbol)) {
        const auto key = static_cast<unsigned char>(bytes->front());
        entries.push_back({std::move(*bytes), key});
      }
      continue;
    }
    char32_t key = InventoryIndex::kNoKey;
    if (texts::DecodeUtf8(symbol, 0, key) == 0) continue;
    entries.push_back({symbol, key});
  }
  return entries;
}

struct Character {
  std::size_t length;
  SegmentRole role;
  char32_t key;  // its code point, or byte in Windows-1252
};

// A character of three or four bytes, or a byte that is not part of valid UTF-8.
Character WideUtf8Character(std::string_view text, std::size_t pos) {
  char32_t code_point = 0;
  const std::size_t length = texts::DecodeUtf8(text, pos, code_point);
  if (length == 0) return {1, SegmentRole::kBase, InventoryIndex::kNoKey};
  return {length, RoleOf(code_point), code_point};
}

// One and two bytes, U+0000 to U+07FF, which hold nearly all of IPA, are
// decoded here without a branch on the length, whose mix is unforeseeable.
struct Utf8Characters {
  static Character At(std::string_view text, std::size_t pos) {
    const unsigned lead = static_cast<unsigned char>(text[pos]);
    const unsigned next = static_cast<unsigned char>(text[std::min(pos + 1, text.size() - 1)]);
    const unsigned two = static_cast<unsigned>(lead - 0xC2U <= 0xDFU - 0xC2U) &
                         static_cast<unsigned>((next & 0xC0U) == 0x80U);
    if ((lead >> 7) > two) return WideUtf8Character(text, pos);
    const unsigned two_mask = 0U - two;
    const char32_t code_point =
        (lead & ~two_mask) | ((((lead & 0x1FU) << 6) | (next & 0x3FU)) & two_mask);
    return {1U + two, kNarrowRoles[code_point], code_point};
  }
};

// Every byte is a character; those from 0x80 up are bases, as are U+0080 to U+00FF.
struct Windows1252Characters {
  static Character At(std::string_view text, std::size_t pos) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    return {1, kNarrowRoles[byte], byte};
  }
};

// Where the splitting stands after a character.
enum SplitState : std::uint8_t {
  kNothingYet,  // no symbol written
  kBetween,     // after a space, stress or syllable mark: a mark or modifier has no base
  kJoinable,    // the last symbol takes marks and modifiers
  kTied,        // ... and, after a tie bar, the next character
};

// What a character does in each state.
struct Step {
  std::uint8_t starts;  // a symbol, or the far side of a tie, starts with it
  std::uint8_t space;   // a space goes before it
  std::uint8_t copied;  // it is written (all but spaces)
  SplitState next;
};

constexpr Step kStart{1, 1, 1, kJoinable};
constexpr Step kStartTied{1, 1, 1, kTied};
constexpr Step kStartAlone{1, 1, 1, kBetween};
constexpr Step kJoin{0, 0, 1, kJoinable};
constexpr Step kJoinTied{0, 0, 1, kTied};
constexpr Step kJoinStart{1, 0, 1, kJoinable};

// By state, then by role: base, attached, tie, alone, space.
constexpr Step kSteps[4][5] = {
    // kNothingYet: no space before the first symbol
    {{1, 0, 1, kJoinable},
     {1, 0, 1, kJoinable},
     {1, 0, 1, kTied},
     {1, 0, 1, kBetween},
     {0, 0, 0, kNothingYet}},
    // kBetween: every character starts a symbol
    {kStart, kStart, kStartTied, kStartAlone, {0, 0, 0, kBetween}},
    // kJoinable: marks, modifiers and tie bars join
    {kStart, kJoin, kJoinTied, kStartAlone, {0, 0, 0, kBetween}},
    // kTied: the next character joins, but a stress or syllable mark or a space
    {kJoinStart, kJoinStart, {1, 0, 1, kTied}, kStartAlone, {0, 0, 0, kBetween}},
};

// Writes the symbols of `text` at `out`, which has room for 2 * text.size()
// bytes, and returns their end. Each character's step is looked up, and one
// or two bytes are copied as two, so that the unforeseeable mix of roles and
// lengths costs no branch; only the inventory and longer characters branch.
template <typename Characters>
char* SplitText(std::string_view text, char* const out, const InventoryIndex* inventory) {
  char* write = out;
  SplitState state = kNothingYet;
  for (std::size_t pos = 0; pos < text.size();) {
    const Character character = Characters::At(text, pos);
    const Step& step = kSteps[state][static_cast<std::size_t>(character.role)];
    *write = ' ';
    write += step.space;
    state = step.next;
    std::size_t length = character.length;
    if (inventory != nullptr && step.starts != 0) {
      const std::size_t matched = inventory->LongestAt(text, pos, character.key);
      if (matched != 0) {
        length = matched;
        state = kJoinable;
      }
    }
    if (length <= 2) {
      // Room: `write` is at most 2 * pos bytes on, `out` has 2 * text.size().
      write[0] = text[pos];
      write[1] = text[std::min(pos + 1, text.size() - 1)];
    } else {
      std::memcpy(write, text.data() + pos, length);
    }
    write += length * step.copied;
    pos += length;
  }
  return write;
}

}  // namespace

SegmentSplitter::SegmentSplitter(texts::TextEncoding encoding, const SegmentInventory* inventory)
    : encoding_(encoding) {
  if (inventory == nullptr) return;
  inventory_ = InventoryIndex(EntriesOf(*inventory, encoding));
  has_inventory_ = true;
}

char* SegmentSplitter::SplitTo(std::string_view text, char* out) const {
  const InventoryIndex* inventory = has_inventory_ ? &inventory_ : nullptr;
  return encoding_ == texts::TextEncoding::kUtf8
             ? SplitText<Utf8Characters>(text, out, inventory)
             : SplitText<Windows1252Characters>(text, out, inventory);
}

void SegmentSplitter::Split(std::string_view text, std::string& out) const {
  const std::size_t start = out.size();
  out.resize(start + RoomToSplit(text.size()));
  out.resize(static_cast<std::size_t>(SplitTo(text, out.data() + start) - out.data()));
}

}  // namespace search::lexicon
