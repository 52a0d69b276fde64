#include "search/word_list_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "search/search_error.h"
#include "search/transcription.h"
#include "temp_folder.h"

namespace search {
namespace {

using testing_support::TempFolder;

std::vector<std::string> WordsOf(const SearchState& state) {
  std::vector<std::string> words;
  for (std::size_t i = 0; i < state.Words.size(); ++i) words.emplace_back(state.Words[i]);
  return words;
}

struct ReadCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> words;
  friend void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }
};

class ReadWordListTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadWordListTest, StoresEveryLinePadded) {
  TempFolder folder;
  folder.Write("in.txt", GetParam().bytes);
  SearchState state;
  ReadWordList(folder.utf8() + "/in.txt", state);
  EXPECT_EQ(WordsOf(state), GetParam().words);
  EXPECT_EQ(state.WordCount, static_cast<std::int32_t>(GetParam().words.size()));
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, ReadWordListTest,
    ::testing::Values(
        ReadCase{"Empty", "", {}},
        ReadCase{"CrLf", "K AE1 T\r\nG AE1 T\r\n", {" K AE1 T ", " G AE1 T "}},
        ReadCase{"Cr", "K AE1 T\rG AE1 T\r", {" K AE1 T ", " G AE1 T "}},
        ReadCase{"Lf", "K AE1 T\nG AE1 T", {" K AE1 T ", " G AE1 T "}},
        ReadCase{"Mixed", "A\r\nB\rC\nD", {" A ", " B ", " C ", " D "}},
        ReadCase{"LfCrIsTwoLineEnds", "A\n\rB", {" A ", "  ", " B "}},
        ReadCase{"BlankLinesCount", "\r\n  \r\nA\r\n\r\n", {"  ", "  ", " A ", "  "}},
        ReadCase{"OnlyALineEnd", "\r\n", {"  "}},
        ReadCase{"SpacesTrimmedTabsKept", "  B AE1 G  \n\tK  AE1 \n", {" B AE1 G ", " \tK  AE1 "}},
        ReadCase{"ByteOrderMarkSkipped", "\xEF\xBB\xBFK AE1 T\r\n", {" K AE1 T "}},
        ReadCase{"ByteOrderMarkOnlyAtTheStart",
                 "A\n\xEF\xBB\xBF"
                 "B\n",
                 {" A ",
                  " \xEF\xBB\xBF"
                  "B "}},
        ReadCase{"NulBytesPassThrough", std::string("A\0B\n", 4), {std::string(" A\0B ", 5)}}),
    [](const ::testing::TestParamInfo<ReadCase>& param_info) { return param_info.param.name; });

TEST(ReadWordList, TellsUtf8FromOlder8BitFiles) {
  TempFolder folder;
  SearchState utf8_state;
  folder.Write("utf8.txt", "\xCA\x83 IY1\n");
  EXPECT_EQ(ReadWordList(folder.utf8() + "/utf8.txt", utf8_state), TextEncoding::kUtf8);

  SearchState legacy_state;
  folder.Write("legacy.txt", "K AE1 T\ncaf\xE9\n");
  EXPECT_EQ(ReadWordList(folder.utf8() + "/legacy.txt", legacy_state), TextEncoding::kWindows1252);
  EXPECT_EQ(WordsOf(legacy_state), (std::vector<std::string>{" K AE1 T ", " caf\xE9 "}));
}

// With or without a byte order mark; the detection rule itself is tested with WideEncodingName.
TEST(ReadWordList, RefusesUtf16AndUtf32ByName) {
  TempFolder folder;
  const std::vector<std::pair<std::string, std::string>> files = {
      {std::string("\xFF\xFEK\0 \0", 6), "UTF-16"},
      {std::string("K\0A\0\n\0G\0", 8), "UTF-16"},
      {std::string("\xFF\xFE\0\0K\0\0\0", 8), "UTF-32"},
      {std::string("\0\0\0K\0\0\0\n", 8), "UTF-32"}};
  for (const auto& [bytes, name] : files) {
    folder.Write("in.txt", bytes);
    SearchState state;
    try {
      ReadWordList(folder.utf8() + "/in.txt", state);
      ADD_FAILURE() << name << " was read";
    } catch (const SearchError& error) {
      EXPECT_EQ(error.what(), "cannot read '" + folder.utf8() + "/in.txt': it is " + name +
                                  " text; save it as UTF-8 and try again");
    }
  }
}

TEST(ReadWordList, NamesAMissingFileAndTheReason) {
  TempFolder folder;
  SearchState state;
  try {
    ReadWordList(folder.utf8() + "/in.txt", state);
    ADD_FAILURE() << "a missing file was read";
  } catch (const SearchError& error) {
    EXPECT_EQ(error.what(),
              "cannot read '" + folder.utf8() + "/in.txt': No such file or directory");
  }
}

TEST(ReadWordList, LongLinesAndLineEndsAtMegabyteBoundaries) {
  const std::string long_word(1 << 20, 'A');
  TempFolder folder;
  folder.Write("in.txt", std::string((1 << 20) - 1, 'B') + "\r\n" + long_word + "\nC");
  SearchState state;
  ReadWordList(folder.utf8() + "/in.txt", state);
  ASSERT_EQ(state.WordCount, 3);
  EXPECT_EQ(state.Words[0].size(), (1u << 20) + 1);
  EXPECT_EQ(state.Words[1], " " + long_word + " ");
  EXPECT_EQ(state.Words[2], " C ");
}

// Words that share their enclosing spaces must still be selected exactly as
// one word at a time would be, also for symbols with spaces that could match
// across two neighbouring words.
TEST(WordList, SelectsInOnePassWhatEachWordContains) {
  const std::vector<std::string> pieces = {"P", "T", "AE1", " ", "  ", "\n", "\r\n", "\r", "\t"};
  const std::vector<std::string> symbols = {" P ",   " T ", " P T ", " T  P ", "  ",
                                            " AE1 ", "   ", " T \t", " AE1 P "};
  std::mt19937 random(7);
  TempFolder folder;
  for (int round = 0; round < 200; ++round) {
    std::string bytes;
    for (int n = std::uniform_int_distribution<int>(0, 60)(random); n > 0; --n) {
      bytes += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
    }
    folder.Write("in.txt", bytes);
    SearchState state;
    ReadWordList(folder.utf8() + "/in.txt", state);
    for (const auto& symbol : symbols) {
      std::vector<std::size_t> expected, selected;
      for (std::size_t j = 0; j < state.Words.size(); ++j) {
        if (ContainsSymbol(state.Words[j], symbol)) expected.push_back(j);
      }
      state.Words.ForEachContaining(symbol, [&](std::size_t j) { selected.push_back(j); });
      ASSERT_EQ(selected, expected) << "symbol \"" << symbol << "\" in \"" << bytes << '"';
    }
  }
}

TEST(IncrementCount, RefusesToPassThe32BitLimit) {
  std::int32_t count = 2147483646;
  IncrementCount(count, "lines in 'in.txt'");
  EXPECT_EQ(count, 2147483647);
  try {
    IncrementCount(count, "lines in 'in.txt'");
    ADD_FAILURE() << "the count overflowed";
  } catch (const SearchError& error) {
    EXPECT_STREQ(error.what(),
                 "more than 2147483647 lines in 'in.txt': the program counts at most that many");
  }
  EXPECT_EQ(count, 2147483647);
}

}  // namespace
}  // namespace search
