#include "search/lexicon/word_list.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "search/lexicon/transcription.h"
#include "search/lexicon/word_list_reader.h"
#include "temp_folder.h"

namespace search::lexicon {
namespace {

using testing_support::TempFolder;

// Words are found in one pass over the whole text, where their padding
// spaces do not stand; they must still be selected exactly as one padded word
// at a time would be, also for symbols with spaces that could match across two
// neighbouring words.
TEST(SelectWordsContaining, SelectsInOnePassWhatEachWordContains) {
  const std::vector<std::string> pieces = {"P", "T", "AE1", " ", "  ", "\n", "\r\n", "\r", "\t"};
  // Padded symbols as the program makes them, and others whose outer bytes
  // are spaces in some places only, which the word's padding may stand for.
  const std::vector<std::string> symbols = {" P ",  " T ",   " P T ",   " T  P ", "  ",  " AE1 ",
                                            "   ",  " T \t", " AE1 P ", "  P ",   "P  ", " ",
                                            "\tK ", "P",     "T ",      " T",     ""};
  std::mt19937 random(7);
  TempFolder folder;
  for (int round = 0; round < 200; ++round) {
    std::string bytes;
    for (int n = std::uniform_int_distribution<int>(0, 60)(random); n > 0; --n) {
      bytes += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
    }
    folder.Write("in.txt", bytes);
    const WordList words = ReadWordList(folder.utf8() + "/in.txt").words;
    for (const auto& symbol : symbols) {
      std::vector<std::int32_t> expected;
      for (std::size_t j = 0; j < words.size(); ++j) {
        if (ContainsSymbol(words.Padded(j), symbol))
          expected.push_back(static_cast<std::int32_t>(j));
      }
      const std::vector<std::int32_t> selected = SelectWordsContaining(words, symbol);
      ASSERT_EQ(selected, expected) << "symbol \"" << symbol << "\" in \"" << bytes << '"';
    }
  }
}

}  // namespace
}  // namespace search::lexicon
