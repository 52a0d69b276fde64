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

struct SubstituteCase {
  const char* word;
  const char* from;
  const char* to;
  const char* expected;
  friend void PrintTo(const SubstituteCase& c, std::ostream* out) {
    *out << '"' << c.word << "\" \"" << c.from << "\" -> \"" << c.to << '"';
  }
};

class SubstituteSymbolTest : public ::testing::TestWithParam<SubstituteCase> {};

TEST_P(SubstituteSymbolTest, ReplacesLeftmostFirstWithoutRescanning) {
  const auto& c = GetParam();
  EXPECT_EQ(SubstituteSymbol(c.word, c.from, c.to), c.expected);
  // A long word is scanned another way than the few bytes of a usual one.
  std::string long_prefix;
  for (int i = 0; i < 30; ++i) long_prefix += " AA";
  EXPECT_EQ(SubstituteSymbol(long_prefix + c.word, c.from, c.to), long_prefix + c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SubstituteSymbolTest,
    ::testing::Values(
        // Adjacent equal symbols share their space: only every other one is replaced.
        SubstituteCase{" T T ", " T ", " P ", " P T "},
        SubstituteCase{" T T T ", " T ", " P ", " P T P "},
        SubstituteCase{" T T T T ", " T ", " P ", " P T P T "},
        SubstituteCase{" T AE1 T ", " T ", " P ", " P AE1 P "},
        SubstituteCase{" T  T ", " T ", " P ", " P  P "},
        SubstituteCase{" T ", " T ", " T T ", " T T "},  // replacement contains the searched text
        SubstituteCase{" TH AE1 T ", " T ", " D ", " TH AE1 D "},
        SubstituteCase{" G IH1 K ", " G ", " K ", " K IH1 K "},
        SubstituteCase{" K AE1 T ", " K AE1 ", " B OW1 ", " B OW1 T "},
        SubstituteCase{" K AE1 T ", " G ", " K ", " K AE1 T "},
        SubstituteCase{"  ", "  ", " X ", " X "},
        SubstituteCase{" A B ", "", " X ", " A B "}));  // nothing to find: unchanged, terminates

TEST(SubstituteSymbol, AppendKeepsWhatIsAlreadyThere) {
  std::string out = "head|";
  AppendSubstituted(out, " T AE1 T ", " T ", " P ");
  EXPECT_EQ(out, "head| P AE1 P ");
}

}  // namespace
}  // namespace search::lexicon
