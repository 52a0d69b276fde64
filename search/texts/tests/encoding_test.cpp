#include "search/texts/encoding.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace search::texts {
namespace {

TEST(IsValidUtf8, AcceptsStrictUtf8Only) {
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8("K AE1 T"));
  EXPECT_TRUE(IsValidUtf8("\xCA\x83 t\xCD\xA1\xCA\x83 \xC9\x9B\xCC\x83"));  // ʃ t͡ʃ ɛ̃
  EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));                             // U+1F600
  EXPECT_FALSE(IsValidUtf8("caf\xE9"));                                     // Windows-1252 é
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));                                    // overlong '/'
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));                                // surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));                            // above U+10FFFF
  EXPECT_FALSE(IsValidUtf8("\xCA"));                                        // cut short
  EXPECT_FALSE(IsValidUtf8("\xE2\x82 x"));                                  // cut short mid-text
  EXPECT_FALSE(IsValidUtf8("\xC3\xC3\xA9"));  // a lead byte where a continuation belongs
  EXPECT_FALSE(IsValidUtf8("\xC3\xC3"));
  EXPECT_FALSE(IsValidUtf8("\xE2\xC3\xA9\xC3\xA9"));
}

// A non-ASCII byte, or a valid two-byte character, at every offset of the
// eight-bytes-at-a-time fast path and of the bytes after it.
TEST(IsValidUtf8, FindsAnInvalidByteAtEveryOffset) {
  for (std::size_t length = 1; length <= 24; ++length) {
    for (std::size_t at = 0; at < length; ++at) {
      std::string text(length, 'a');
      text[at] = '\xFF';
      EXPECT_FALSE(IsValidUtf8(text)) << "0xFF at " << at << " of " << length;
      text[at] = '\x80';
      EXPECT_FALSE(IsValidUtf8(text)) << "0x80 at " << at << " of " << length;
      if (at + 1 < length) {
        text.replace(at, 2, "\xC3\xA9");
        EXPECT_TRUE(IsValidUtf8(text)) << "U+00E9 at " << at << " of " << length;
      }
    }
  }
}

// Every byte from 0x80 to 0x9F, where Windows-1252 is not Latin-1, and from 0xA0 to
// 0xFF, where it is, both ways: the five bytes without a character decode to their
// C1 code points, and these convert back, so that a symbol typed as shown is found.
TEST(Utf8ToWindows1252, CoversTheWholeTableAndTheLatin1RangeBothWays) {
  const char32_t table[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                              0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  const auto utf8 = [](char32_t code_point) {
    std::string text;
    if (code_point < 0x800) {
      text += static_cast<char>(0xC0 | (code_point >> 6));
    } else {
      text += static_cast<char>(0xE0 | (code_point >> 12));
      text += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    }
    return text + static_cast<char>(0x80 | (code_point & 0x3F));
  };
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    const char32_t code_point = byte < 0xA0 ? table[byte - 0x80] : static_cast<char32_t>(byte);
    const std::string eight_bit(1, static_cast<char>(byte));
    EXPECT_EQ(Windows1252ToUtf8(eight_bit), utf8(code_point)) << byte;
    EXPECT_EQ(Utf8ToWindows1252(utf8(code_point)), eight_bit) << byte;
  }
}

struct WideCase {
  std::string bytes;
  std::optional<std::string_view> name;
};

TEST(WideEncodingName, TellsWideTextFromEightBitTextWithNuls) {
  const std::string ipa_utf16(std::string("\x83\x02 \0I\0Y\0\n\0", 10));       // "ʃ IY\n"
  const std::string ipa_utf32(std::string("\x83\x02\0\0 \0\0\0I\0\0\0", 12));  // "ʃ I"
  const std::vector<WideCase> cases = {
      {"\xFF\xFE", "UTF-16"},
      {"\xFE\xFF", "UTF-16"},
      {std::string("\xFF\xFE\0\0", 4), "UTF-32"},
      {std::string("\0\0\xFE\xFF", 4), "UTF-32"},
      {std::string("K\0 \0G\0\n\0", 8), "UTF-16"},
      {std::string("\0K\0 \0G\0\n", 8), "UTF-16"},
      {ipa_utf16, "UTF-16"},
      {std::string("K\0\0\0\n\0\0\0", 8), "UTF-32"},
      {std::string("\0\0\0K\0\0\0\n", 8), "UTF-32"},
      {ipa_utf32, "UTF-32"},
      {"K AE1 T\n", std::nullopt},
      {std::string("A\0B\n", 4), std::nullopt},              // a stray NUL
      {std::string("K\0 \0G\0", 6), std::nullopt},           // too few NULs to tell
      {std::string("K\0", 2), std::nullopt},                 // fewer than four bytes
      {std::string(8, '\0'), std::nullopt},                  // no text at all
      {std::string("K\0 \0G\0\n\0\0\0", 10), std::nullopt},  // a NUL character
      {std::string("K AE1\0T IH1\0N\n", 14) + std::string(4096, 'a') + std::string(8, '\0'),
       std::nullopt},  // NULs beyond the sample
  };
  for (const WideCase& row : cases) {
    EXPECT_EQ(WideEncodingName(row.bytes), row.name) << ::testing::PrintToString(row.bytes);
  }
}

TEST(Utf8ToWindows1252, ConvertsWhatTheCodePageHas) {
  EXPECT_EQ(Utf8ToWindows1252("K AE1"), "K AE1");
  EXPECT_EQ(Utf8ToWindows1252("\xC3\xA9"), "\xE9");                    // é
  EXPECT_EQ(Utf8ToWindows1252("\xE2\x82\xAC \xC5\x93"), "\x80 \x9C");  // € œ
  EXPECT_EQ(Utf8ToWindows1252("\xCA\x83"), std::nullopt);              // ʃ is not in it
  EXPECT_EQ(Utf8ToWindows1252("\xC2\x80"), std::nullopt);              // U+0080 has no byte
  EXPECT_EQ(Utf8ToWindows1252("\xE9"), "\xE9");                        // already 8-bit: unchanged
}

}  // namespace
}  // namespace search::texts
