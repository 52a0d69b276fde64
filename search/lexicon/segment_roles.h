// What each character does when a transcription written without spaces is
// split into symbols (segment_splitter.h): the one table of the modifier
// letters that join the symbol before them, and the role of every code point.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace search::lexicon {

enum class SegmentRole : std::uint8_t {
  kBase,      // starts a symbol
  kAttached,  // a combining mark or attaching modifier letter: joins the symbol before it
  kTie,       // a tie bar: joins the symbol before it to the next character
  kAlone,     // a stress or syllable mark: always a symbol of its own
  kSpace,     // separates symbols
};

// The modifier letters that join the symbol before them, in code point order.
// Every other modifier letter (tone letters ˥˦˧˨˩ among them) is a base.
inline constexpr std::array<char32_t, 25> kAttachingModifiers = {
    0x02B0,  // ʰ aspirated
    0x02B1,  // ʱ breathy-voiced aspirated
    0x02B2,  // ʲ palatalised
    0x02B7,  // ʷ labialised
    0x02BC,  // ʼ ejective
    0x02C0,  // ˀ glottalised
    0x02C1,  // ˁ pharyngealised (older usage)
    0x02D0,  // ː long
    0x02D1,  // ˑ half-long
    0x02DE,  // ˞ rhotic
    0x02E0,  // ˠ velarised
    0x02E1,  // ˡ lateral release
    0x02E3,  // ˣ velar fricative release
    0x02E4,  // ˤ pharyngealised
    0x1D4A,  // ᵊ mid central vowel release
    0x1D50,  // ᵐ bilabial nasal release
    0x1D51,  // ᵑ velar nasal release
    0x1D5D,  // ᵝ compressed (bilabial labialisation)
    0x1D9E,  // ᶞ voiced dental fricative release
    0x1DA3,  // ᶣ labial-palatalised
    0x1DAE,  // ᶮ palatal nasal release
    0x1DAF,  // ᶯ retroflex nasal release
    0x1DBF,  // ᶿ dental fricative release
    0x207F,  // ⁿ nasal release
    0xA71D,  // ꜝ click release
};

static_assert(std::is_sorted(kAttachingModifiers.begin(), kAttachingModifiers.end()));

inline constexpr char32_t kTieAbove = 0x0361;  // ͡ as in t͡ʃ
inline constexpr char32_t kTieBelow = 0x035C;  // ͜ as in k͜p

// The role of a code point, by range and table. Combining marks are the blocks
// U+0300–036F, U+1AB0–1AFF, U+1DC0–1DFF, U+20D0–20FF and U+FE20–FE2F.
constexpr SegmentRole RoleByRanges(char32_t code_point) {
  const auto within = [&](char32_t first, char32_t last) {
    return code_point >= first && code_point <= last;
  };
  if (code_point == kTieAbove || code_point == kTieBelow) return SegmentRole::kTie;
  if (within(0x0300, 0x036F) || within(0x1AB0, 0x1AFF) || within(0x1DC0, 0x1DFF) ||
      within(0x20D0, 0x20FF) || within(0xFE20, 0xFE2F) ||
      std::binary_search(kAttachingModifiers.begin(), kAttachingModifiers.end(), code_point)) {
    return SegmentRole::kAttached;
  }
  if (code_point == ' ') return SegmentRole::kSpace;
  if (code_point == '.' || code_point == 0x02C8 || code_point == 0x02CC) return SegmentRole::kAlone;
  return SegmentRole::kBase;
}

// Code points below U+0800, one or two bytes in UTF-8, which is nearly all of
// IPA, are looked up in a table built at compile time.
inline constexpr char32_t kNarrowEnd = 0x800;
inline constexpr auto kNarrowRoles = [] {
  std::array<SegmentRole, kNarrowEnd> roles{};
  for (char32_t code_point = 0; code_point < kNarrowEnd; ++code_point) {
    roles[code_point] = RoleByRanges(code_point);
  }
  return roles;
}();

constexpr SegmentRole RoleOf(char32_t code_point) {
  return code_point < kNarrowEnd ? kNarrowRoles[code_point] : RoleByRanges(code_point);
}

}  // namespace search::lexicon
