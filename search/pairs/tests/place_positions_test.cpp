#include "search/pairs/place_positions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace search::pairs {
namespace {

// Each place where the search replaces the symbol, named by what stands
// before and after it in the word.
TEST(ReplacedPositions, NameEachPlaceByWhatSurroundsIt) {
  struct Case {
    std::string padded_word;
    std::string padded_symbol;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {" K AE1 T ", " K ", "initial"},
      {" K AE1 T ", " AE1 ", "medial"},
      {" K AE1 T ", " T ", "final"},
      {" T ", " T ", "initial"},  // a word of one symbol
      {" T AE1 T ", " T ", "initial+final"},
      {" S T AE1 T AH0 S ", " T ", "medial+medial"},
      {" P P A ", " P ", "initial"},  // the second of two in a row is not replaced
      // A sequence is one place.
      {" K AE1 T ", " K AE1 ", "initial"},
      {" B K AE1 ", " K AE1 ", "final"},
      {" B K AE1 T ", " K AE1 ", "medial"},
      {" K AE1 ", " K AE1 ", "initial"},
      // Empty symbols are no symbols before or after a place.
      {"   T AE1 ", " T ", "initial"},
      {" T AE1    ", " AE1 ", "final"},
      {" K  T AE1 ", " T ", "medial"},
      {" K AE1 T ", " G ", ""},
      {" K AE1 T ", "", ""},
  };
  for (const Case& c : cases) {
    std::string positions = "\t";
    AppendReplacedPositions(positions, c.padded_word, c.padded_symbol);
    EXPECT_EQ(positions, "\t" + c.expected) << c.padded_word << "/" << c.padded_symbol;
  }
}

}  // namespace
}  // namespace search::pairs
