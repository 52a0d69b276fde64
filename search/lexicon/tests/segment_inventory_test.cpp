#include "search/lexicon/segment_inventory.h"

#include <gtest/gtest.h>

#include "search/texts/search_error.h"
#include "temp_folder.h"

namespace search::lexicon {
namespace {

using Symbols = std::vector<std::string>;

TEST(ReadSegmentsFile, ReadsOneSymbolALine) {
  const testing_support::TempFolder folder;
  // tʃ, dʒ and eɪ after a byte order mark, around spaces, tabs and blank lines
  folder.Write("segments.txt", "\xEF\xBB\xBFt\xCA\x83\r\n\r\n  d\xCA\x92\t\n \t\re\xC9\xAA\rx");
  EXPECT_EQ(ReadSegmentsFile(folder.utf8() + "/segments.txt").symbols,
            (Symbols{"t\xCA\x83", "d\xCA\x92", "e\xC9\xAA", "x"}));
}

// The message for the segments file at `path`, or "no error".
std::string MessageFor(const std::string& path) {
  try {
    (void)ReadSegmentsFile(path);
    return "no error";
  } catch (const texts::SearchError& error) {
    return error.what();
  }
}

TEST(ReadSegmentsFile, NamesTheFileThatCannotBeRead) {
  const testing_support::TempFolder folder;
  const std::string path = folder.utf8() + "/segments.txt";
  EXPECT_EQ(MessageFor(path), "cannot read '" + path + "': No such file or directory");
  folder.Write("segments.txt", std::string("\xFF\xFEt\0\n\0", 6));
  EXPECT_EQ(MessageFor(path),
            "cannot read '" + path + "': it is UTF-16 text; save it as UTF-8 and try again");
}

struct SegmentsError {
  const char* text;
  const char* message;
};

class SegmentsFromTextError : public ::testing::TestWithParam<SegmentsError> {};

TEST_P(SegmentsFromTextError, NamesTheFileAndLine) {
  try {
    (void)SegmentsFromText(GetParam().text, "segments.txt");
    ADD_FAILURE() << "no error";
  } catch (const texts::SearchError& error) {
    EXPECT_STREQ(error.what(), GetParam().message);
  }
}

const SegmentsError kSegmentsErrors[] = {
    {"t\r\n\xFF\n", "'segments.txt' line 2: not UTF-8"},
    {"t\rt\xCA\x83\n t \xCA\x83 ",  // t ʃ
     "'segments.txt' line 3: 't \xCA\x83' holds a space; write one symbol a line"},
    {"d\t\xCA\x92", "'segments.txt' line 1: 'd\\t\xCA\x92' holds a tab; write one symbol a line"},
    {"", "'segments.txt': no symbols"},
    {"\xEF\xBB\xBF \r\n\t\n", "'segments.txt': no symbols"},
};

INSTANTIATE_TEST_SUITE_P(Cases, SegmentsFromTextError, ::testing::ValuesIn(kSegmentsErrors));

}  // namespace
}  // namespace search::lexicon
