#include "search/lexicon/segment_splitter.h"

#include <cstring>
#include <utility>
#include <vector>

namespace search::lexicon {
namespace {

// The inventory's symbols in `encoding`, each with the key of its first character.
std::vector<InventoryIndex::Entry> EntriesOf(const SegmentInventory& inventory,
                                             texts::TextEncoding encoding) {
  std::vector<InventoryIndex::Entry> entries;
  for (const std::string& symbol : inventory.symbols) {
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

}  // namespace

SegmentSplitter::SegmentSplitter(texts::TextEncoding encoding, const SegmentInventory* inventory)
    : encoding_(encoding) {
  if (inventory != nullptr) inventory_ = InventoryIndex(EntriesOf(*inventory, encoding));
}

SegmentSplitter::Character SegmentSplitter::CharacterAt(std::string_view text,
                                                        std::size_t pos) const {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return {1, kNarrowRoles[lead], lead};
  if (encoding_ == texts::TextEncoding::kWindows1252) return {1, SegmentRole::kBase, lead};
  // Two bytes, U+0080 to U+07FF, hold nearly all of IPA: decoded here.
  if (lead >= 0xC2 && lead <= 0xDF && pos + 1 < text.size() &&
      (static_cast<unsigned char>(text[pos + 1]) & 0xC0) == 0x80) {
    const char32_t code_point =
        ((lead & 0x1FU) << 6) | (static_cast<unsigned char>(text[pos + 1]) & 0x3FU);
    return {2, kNarrowRoles[code_point], code_point};
  }
  char32_t code_point = 0;
  const std::size_t length = texts::DecodeUtf8(text, pos, code_point);
  if (length == 0) return {1, SegmentRole::kBase, InventoryIndex::kNoKey};
  return {length, RoleOf(code_point), code_point};
}

// Where the character at `pos`, which starts a symbol or follows a tie bar,
// ends: or the longest inventory symbol that starts with it.
std::size_t SegmentSplitter::HeadEnd(std::string_view text, std::size_t pos,
                                     const Character& head) const {
  const std::size_t matched = inventory_.LongestAt(text, pos, head.key);
  return pos + (matched != 0 ? matched : head.length);
}

std::size_t SegmentSplitter::SymbolEnd(std::string_view text, std::size_t pos) const {
  const Character head = CharacterAt(text, pos);
  std::size_t end = HeadEnd(text, pos, head);
  if (head.role == SegmentRole::kAlone && end == pos + head.length) return end;
  for (bool tied = false; end < text.size();) {
    const Character next = CharacterAt(text, end);
    if (next.role == SegmentRole::kSpace || next.role == SegmentRole::kAlone ||
        (next.role == SegmentRole::kBase && !tied)) {
      break;
    }
    end = tied ? HeadEnd(text, end, next) : end + next.length;
    tied = next.role == SegmentRole::kTie;
  }
  return end;
}

void SegmentSplitter::Split(std::string_view text, std::string& out) const {
  // Written in place: at most a space after every byte of the text.
  const std::size_t start = out.size();
  out.resize(start + 2 * text.size());
  char* const first = out.data() + start;
  char* write = first;
  for (std::size_t pos = 0; pos < text.size();) {
    if (text[pos] == ' ') {
      ++pos;
      continue;
    }
    const std::size_t end = SymbolEnd(text, pos);
    if (write != first) *write++ = ' ';
    std::memcpy(write, text.data() + pos, end - pos);
    write += end - pos;
    pos = end;
  }
  out.resize(static_cast<std::size_t>(write - out.data()));
}

}  // namespace search::lexicon
