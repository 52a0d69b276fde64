#include "search/lexicon/word_list_reader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "search/os/interruption.h"
#include "search/texts/search_error.h"
#include "temp_folder.h"

namespace search::lexicon {
namespace {

using testing_support::TempFolder;

std::vector<std::string> WordsOf(const WordList& list) {
  std::vector<std::string> words;
  for (std::size_t i = 0; i < list.size(); ++i) words.push_back(list.Padded(i));
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
  EXPECT_EQ(WordsOf(ReadWordList(folder.utf8() + "/in.txt").words), GetParam().words);
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
  folder.Write("utf8.txt", "\xCA\x83 IY1\n");
  EXPECT_EQ(ReadWordList(folder.utf8() + "/utf8.txt").encoding, texts::TextEncoding::kUtf8);

  folder.Write("legacy.txt", "K AE1 T\ncaf\xE9\n");
  const WordListFile legacy = ReadWordList(folder.utf8() + "/legacy.txt");
  EXPECT_EQ(legacy.encoding, texts::TextEncoding::kWindows1252);
  EXPECT_EQ(WordsOf(legacy.words), (std::vector<std::string>{" K AE1 T ", " caf\xE9 "}));

  // A long list is looked over in two halves at once: one bad byte in either
  // half makes the whole list Windows-1252.
  std::string long_list;
  while (long_list.size() < (1 << 18)) long_list += "\xCA\x83 IY1\n";
  for (const std::size_t at : {std::size_t{0}, long_list.size() / 4, long_list.size() - 2}) {
    std::string bytes = long_list;
    bytes[at] = '\xE9';
    folder.Write("long.txt", bytes);
    EXPECT_EQ(ReadWordList(folder.utf8() + "/long.txt").encoding, texts::TextEncoding::kWindows1252)
        << "bad byte at " << at;
  }
}

// UTF-16 without a byte order mark, and UTF-32 with or without one (its mark
// begins as UTF-16's does); the detection rule itself is tested with WideEncodingName.
TEST(ReadWordList, RefusesUtf16WithoutAMarkAndUtf32ByName) {
  TempFolder folder;
  const std::vector<std::pair<std::string, std::string>> files = {
      {std::string("K\0A\0\n\0G\0", 8), "UTF-16"},
      {std::string("\xFF\xFE\0\0K\0\0\0", 8), "UTF-32"},
      {std::string("\0\0\0K\0\0\0\n", 8), "UTF-32"}};
  for (const auto& [bytes, name] : files) {
    folder.Write("in.txt", bytes);
    try {
      ReadWordList(folder.utf8() + "/in.txt");
      ADD_FAILURE() << name << " was read";
    } catch (const texts::SearchError& error) {
      EXPECT_EQ(error.what(), "cannot read '" + folder.utf8() + "/in.txt': it is " + name +
                                  " text; save it as UTF-8 and try again");
    }
  }
}

// A spreadsheet's "Unicode text" is read as its UTF-8, in either byte order.
TEST(ReadWordList, ReadsUtf16WithAByteOrderMarkAsUtf8) {
  TempFolder folder;
  const std::u16string lines = u"\uFEFF\u0283 \u026A p\r\n s \u026A p \r\n";
  for (const bool big : {false, true}) {
    std::string bytes;
    for (const char16_t unit : lines) {
      const auto high = static_cast<char>(unit >> 8);
      const auto low = static_cast<char>(unit & 0xFF);
      (bytes += big ? high : low) += big ? low : high;
    }
    folder.Write("in.txt", bytes);
    const WordListFile list = ReadWordList(folder.utf8() + "/in.txt");
    EXPECT_EQ(list.encoding, texts::TextEncoding::kUtf8);
    ASSERT_EQ(list.words.size(), 2u);
    EXPECT_EQ(list.words.Trimmed(0), "\u0283 \u026A p");
    EXPECT_EQ(list.words.Trimmed(1), "s \u026A p");
  }
  folder.Write("in.txt", std::string("\xFF\xFEK", 3));
  try {
    ReadWordList(folder.utf8() + "/in.txt");
    ADD_FAILURE() << "half a UTF-16 unit was read";
  } catch (const texts::SearchError& error) {
    EXPECT_EQ(error.what(),
              "cannot read '" + folder.utf8() + "/in.txt': it is not valid UTF-16 text");
  }
}

TEST(ReadWordList, NamesAMissingFileAndTheReason) {
  TempFolder folder;
  try {
    ReadWordList(folder.utf8() + "/in.txt");
    ADD_FAILURE() << "a missing file was read";
  } catch (const texts::SearchError& error) {
    EXPECT_EQ(error.what(),
              "cannot read '" + folder.utf8() + "/in.txt': No such file or directory");
  }
}

// The padded lines of `bytes` as a reader that takes one byte at a time sees
// them: a line ends at CR LF, CR or LF.
std::vector<std::string> LinesOneByteAtATime(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  const auto end_line = [&] {
    const std::size_t first = line.find_first_not_of(' ');
    std::string padded(1, ' ');
    if (first != std::string::npos) {
      padded.append(line, first, line.find_last_not_of(' ') + 1 - first);
    }
    lines.push_back(padded + ' ');
    line.clear();
  };
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' || bytes[i] == '\n') {
      if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      end_line();
    } else {
      line += bytes[i];
    }
  }
  if (!line.empty()) end_line();
  return lines;
}

// A long list is read in two halves at once, split at a line end near its
// middle; wherever that falls, among CR LF pairs, lone CRs, blank lines and
// spaces, the lines must come out as one reader would see them.
TEST(ReadWordList, LongListsReadInHalvesKeepEveryLine) {
  const std::vector<std::string> pieces = {"K", "AE1", " ", "  ", "\n", "\r\n", "\r", "\n\r"};
  std::mt19937 random(11);
  TempFolder folder;
  for (int round = 0; round < 30; ++round) {
    std::string bytes;
    while (bytes.size() < 70000) {
      bytes += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
    }
    folder.Write("in.txt", bytes);
    ASSERT_EQ(WordsOf(ReadWordList(folder.utf8() + "/in.txt").words), LinesOneByteAtATime(bytes))
        << "round " << round;
  }
}

// Another program that writes the list while it is read: the result is that of
// one version of the file, or an error, never a mix of two. The change comes
// between the last byte read and the check, after a pause that lets even a
// coarse file clock move on.
TEST(ReadWordList, AListWrittenWhileReadIsRefusedOneReplacedIsNot) {
  const std::string old_list = "K AE1 T\nG AE1 T\n";
  struct ChangeCase {
    const char* name;
    std::function<void(const std::filesystem::path& list)> change;
    bool refused;
  };
  const auto overwrite_in_place = [](const std::filesystem::path& list) {
    std::fstream file(list, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(0);
    file << "P";  // same size: nothing but the times tells
  };
  const auto add_a_line = [](const std::filesystem::path& list) {
    std::ofstream(list, std::ios::app | std::ios::binary) << "B AE1 T\n";
  };
  std::vector<ChangeCase> cases = {{"unchanged", [](const auto&) {}, false},
                                   {"overwritten in place", overwrite_in_place, true},
                                   {"added to", add_a_line, true}};
#ifndef _WIN32  // Windows refuses to rename a file over one that is open
  const auto replace_by_renaming = [](const std::filesystem::path& list) {
    std::ofstream(list.string() + ".new", std::ios::binary) << "D AA1 G\n";
    std::filesystem::rename(list.string() + ".new", list);
  };
  cases.push_back({"replaced by renaming", replace_by_renaming, false});
#endif
  for (const ChangeCase& c : cases) {
    TempFolder folder;
    folder.Write("in.txt", old_list);
    const std::string path = folder.utf8() + "/in.txt";
    const auto change = [&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      c.change(folder.path() / "in.txt");
    };
    try {
      const WordList words = ReadWordList(path, change).words;
      EXPECT_FALSE(c.refused) << c.name;
      EXPECT_EQ(WordsOf(words), (std::vector<std::string>{" K AE1 T ", " G AE1 T "})) << c.name;
    } catch (const texts::SearchError& error) {
      EXPECT_TRUE(c.refused) << c.name;
      EXPECT_EQ(error.what(), "cannot read '" + path + "': it changed while it was read") << c.name;
    }
  }
}

TEST(ReadWordList, LongLinesAndLineEndsAtMegabyteBoundaries) {
  const std::string long_word(1 << 20, 'A');
  TempFolder folder;
  folder.Write("in.txt", std::string((1 << 20) - 1, 'B') + "\r\n" + long_word + "\nC");
  const WordList words = ReadWordList(folder.utf8() + "/in.txt").words;
  ASSERT_EQ(words.size(), 3u);
  EXPECT_EQ(words.Padded(0).size(), (1u << 20) + 1);
  EXPECT_EQ(words.Padded(1), " " + long_word + " ");
  EXPECT_EQ(words.Padded(2), " C ");
}

}  // namespace
}  // namespace search::lexicon
