#include "search/lexicon/transcription.h"

#include <gtest/gtest.h>

namespace search::lexicon {
namespace {

TEST(TrimSpaces, RemovesOnlySpacesAtTheEnds) {
  EXPECT_EQ(TrimSpaces("  K AE1 T "), "K AE1 T");
  EXPECT_EQ(TrimSpaces("   "), "");
  EXPECT_EQ(TrimSpaces(""), "");
  EXPECT_EQ(TrimSpaces("\tK AE1 T\r"), "\tK AE1 T\r");
  EXPECT_EQ(TrimSpaces(" K  AE1 "), "K  AE1");
  EXPECT_EQ(TrimSpaces("\xC2\xA0K\xC2\xA0"), "\xC2\xA0K\xC2\xA0");  // no-break spaces stay
}

TEST(PadTranscription, EnclosesTheTrimmedTextInOneSpace) {
  EXPECT_EQ(PadTranscription("  K AE1 T "), " K AE1 T ");
  EXPECT_EQ(PadTranscription(""), "  ");
  EXPECT_EQ(PadTranscription("    "), "  ");
  EXPECT_EQ(PadTranscription("\tK AE1 T"), " \tK AE1 T ");
}

struct ContainsCase {
  const char* word;
  const char* symbol;
  bool expected;
  friend void PrintTo(const ContainsCase& c, std::ostream* out) {
    *out << '"' << c.word << "\" / \"" << c.symbol << '"';
  }
};

class ContainsSymbolTest : public ::testing::TestWithParam<ContainsCase> {};

TEST_P(ContainsSymbolTest, MatchesWholeSymbolsOnly) {
  const auto& c = GetParam();
  EXPECT_EQ(ContainsSymbol(c.word, c.symbol), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ContainsSymbolTest,
    ::testing::Values(ContainsCase{" K AE1 T ", " AE ", false},  // part of a longer symbol
                      ContainsCase{" K AE1 T ", " AE1 ", true},
                      ContainsCase{" K AE1 T ", " k ", false},  // case matters
                      ContainsCase{" K AE1 T ", "  ", false},
                      ContainsCase{"  ", "  ", true},  // an empty symbol finds blank lines
                      ContainsCase{" \tK AE1 T ", " K ", false},  // a tab is not a separator
                      ContainsCase{" K  AE1 ", " K ", true},
                      ContainsCase{" K  AE1 ", " AE1 ", true}, ContainsCase{" K  AE1 ", "  ", true},
                      ContainsCase{" K AE1 T ", " K AE1 ", true}));  // a sequence of symbols

}  // namespace
}  // namespace search::lexicon
