#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "search/lexicon/transcription.h"
#include "search/pairs/short_substitution.h"

// Every way the search substitutes a word, on the same cases: the rule itself
// and the short-word path of the pair index, on words of a few bytes and on
// words past what the short path takes.
namespace search::pairs {
namespace {

struct SubstituteCase {
  const char* word;
  const char* from;
  const char* to;
  const char* expected;
  friend void PrintTo(const SubstituteCase& c, std::ostream* out) {
    *out << '"' << c.word << "\" \"" << c.from << "\" -> \"" << c.to << '"';
  }
};

class SubstitutionTest : public ::testing::TestWithParam<SubstituteCase> {};

TEST_P(SubstitutionTest, ReplacesLeftmostFirstWithoutRescanning) {
  const auto& c = GetParam();
  for (const int prefix_symbols : {0, 30, 100}) {
    std::string prefix;
    for (int i = 0; i < prefix_symbols; ++i) prefix += " AA";
    const std::string word = prefix + c.word;
    const std::string expected = prefix + c.expected;
    EXPECT_EQ(lexicon::SubstituteSymbol(word, c.from, c.to), expected) << prefix_symbols;

    ShortWordBytes bytes;
    const auto short_result =
        SubstituteShortWord(std::string_view(word).substr(1, word.size() - 2), c.from, c.to, bytes);
    // It takes every word of a few bytes, and none of hundreds.
    if (prefix_symbols == 0 && std::strlen(c.from) >= 2) {
      ASSERT_TRUE(short_result);
    }
    if (prefix_symbols == 100) {
      ASSERT_FALSE(short_result);
    }
    if (short_result) {
      EXPECT_EQ(*short_result, expected) << prefix_symbols;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SubstitutionTest,
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
        SubstituteCase{" AE1 T AE1 ", " AE1 ", " T ", " T T T "},  // shorter replacement
        SubstituteCase{" K AE1 T ", " G ", " K ", " K AE1 T "},
        SubstituteCase{" K AE1 T ", " AE ", " EH ", " K AE1 T "},  // part of a longer symbol
        SubstituteCase{"  ", "  ", " X ", " X "},
        SubstituteCase{" A B ", "", " X ", " A B "}));  // nothing to find: unchanged, terminates

TEST(SubstituteSymbol, AppendKeepsWhatIsAlreadyThere) {
  std::string out = "head|";
  lexicon::AppendSubstituted(out, " T AE1 T ", " T ", " P ");
  EXPECT_EQ(out, "head| P AE1 P ");
}

}  // namespace
}  // namespace search::pairs
