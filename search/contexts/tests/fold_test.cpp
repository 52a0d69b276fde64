#include "search/contexts/fold.h"

#include <gtest/gtest.h>

namespace search::contexts {
namespace {

using texts::TextEncoding;

struct FoldCase {
  const char* chars;
  TextEncoding encoding;
  const char* word;
  const char* folded;
};

class FoldWordTest : public ::testing::TestWithParam<FoldCase> {};

TEST_P(FoldWordTest, RemovesTheCharactersAndTheSymbolsTheyEmpty) {
  const FoldCase& c = GetParam();
  const Fold fold(c.chars, c.encoding);
  EXPECT_EQ(fold.FoldWord(c.word), c.folded);
  // The whole list folds each word alike, blank words included, and a long
  // one in two halves.
  lexicon::WordList words;
  for (int round = 0; round < 700; ++round) {
    for (const char* line : {"", c.word, "1"}) words.AppendLine(line);
  }
  const lexicon::WordList folded = fold.FoldWords(words);
  ASSERT_EQ(folded.size(), words.size());
  for (std::size_t index = 0; index < words.size(); ++index) {
    EXPECT_EQ(folded.Trimmed(index), fold.FoldWord(words.Trimmed(index)));
  }
}

constexpr auto kUtf8 = TextEncoding::kUtf8;
constexpr auto k1252 = TextEncoding::kWindows1252;

INSTANTIATE_TEST_SUITE_P(
    Cases, FoldWordTest,
    ::testing::Values(FoldCase{"012", kUtf8, "K AE1 T", "K AE T"},
                      FoldCase{"012", kUtf8, "T 1 K 0 2", "T K"},  // emptied symbols go
                      FoldCase{"012", kUtf8, "1 2 T", "T"}, FoldCase{"012", kUtf8, "1", ""},
                      FoldCase{"012", kUtf8, "T  K", "T  K"},  // an empty symbol stays
                      FoldCase{"012", kUtf8, "T  1", "T "}, FoldCase{"012", kUtf8, "1  T", " T"},
                      FoldCase{"", kUtf8, "AE1 T", "AE1 T"},
                      FoldCase{"0 ", kUtf8, "AE0 T", "AE T"},  // a space strips nothing
                      // U+02C8 and U+02D0 go; U+02CC shares their first byte and stays.
                      FoldCase{"\xCB\x88\xCB\x90", kUtf8,
                               "\xCB\x88k a\xCB\x90 \xCB\x8C"
                               "b",
                               "k a \xCB\x8C"
                               "b"},
                      FoldCase{"\xCB\x88", kUtf8, "\xCB\x88 k", "k"},
                      // Windows-1252: U+00E9 is the byte E9; U+0283 cannot occur.
                      FoldCase{"\xC3\xA9\xCA\x83", k1252, "caf\xE9 \xE9 \xCA\x83",
                               "caf \xCA\x83"}));

TEST(Fold, FoldsTypedSymbolsUnlessItEmptiesOne) {
  const Fold fold("012", kUtf8);
  EXPECT_EQ(fold.FoldSymbol(" AE1 "), " AE ");
  EXPECT_EQ(fold.FoldSymbol(" K AE1 "), " K AE ");
  EXPECT_EQ(fold.FoldSymbol("  "), "  ");  // the empty symbol is no emptied one
  EXPECT_EQ(fold.FoldSymbol(" 1 "), std::nullopt);
  EXPECT_EQ(fold.FoldSymbol(" K 1 "), std::nullopt);
  EXPECT_TRUE(Fold("\xCA\x83", k1252).empty());
  EXPECT_THROW(Fold("\xFF", kUtf8), ContextError);
}

}  // namespace
}  // namespace search::contexts
