#include "search/encoding.h"

#include <gtest/gtest.h>

namespace search {
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
}

TEST(Utf8ToWindows1252, ConvertsWhatTheCodePageHas) {
  EXPECT_EQ(Utf8ToWindows1252("K AE1"), "K AE1");
  EXPECT_EQ(Utf8ToWindows1252("\xC3\xA9"), "\xE9");                    // é
  EXPECT_EQ(Utf8ToWindows1252("\xE2\x82\xAC \xC5\x93"), "\x80 \x9C");  // € œ
  EXPECT_EQ(Utf8ToWindows1252("\xCA\x83"), std::nullopt);              // ʃ is not in it
  EXPECT_EQ(Utf8ToWindows1252("\xC2\x81"), std::nullopt);              // U+0081 has no byte
  EXPECT_EQ(Utf8ToWindows1252("\xE9"), "\xE9");                        // already 8-bit: unchanged
}

}  // namespace
}  // namespace search
