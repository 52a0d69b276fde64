#include "search/contexts/class_table.h"

#include <gtest/gtest.h>

#include "search/texts/search_error.h"
#include "temp_folder.h"

namespace search::contexts {
namespace {

using Symbols = std::vector<std::string>;

TEST(ReadClassFile, ReadsNamesWithOrWithoutTheirAt) {
  const testing_support::TempFolder folder;
  folder.Write("classes.txt",
               "\xEF\xBB\xBF# stops\r\n@voiceless = P T K  # comment\r\n\r\nvoiced=B\tD G\n"
               "   \nV = \xC9\x91 @ e\r");
  const ClassTable table = ReadClassFile(folder.utf8() + "/classes.txt");
  EXPECT_EQ(table.size(), 3U);
  EXPECT_EQ(table.Get("voiceless"), (Symbols{"P", "T", "K"}));
  EXPECT_EQ(table.Get("voiced"), (Symbols{"B", "D", "G"}));
  EXPECT_EQ(table.Get("V"), (Symbols{"\xC9\x91", "@", "e"}));  // `@` is a symbol there
  EXPECT_EQ(table.Find("@V"), nullptr);
}

TEST(ReadClassFile, NamesTheFileThatCannotBeRead) {
  const testing_support::TempFolder folder;
  const std::string path = folder.utf8() + "/missing.txt";
  EXPECT_THROW(
      {
        try {
          (void)ReadClassFile(path);
        } catch (const texts::SearchError& error) {
          EXPECT_EQ(error.what(), "cannot read '" + path + "': No such file or directory");
          throw;
        }
      },
      texts::SearchError);
}

struct ClassError {
  const char* text;
  const char* message;
};

class ClassTableError : public ::testing::TestWithParam<ClassError> {};

TEST_P(ClassTableError, NamesTheFileAndLine) {
  ClassTable table("classes.txt");
  try {
    table.AddText(GetParam().text);
    (void)table.Get("X");
    ADD_FAILURE() << "no error";
  } catch (const texts::SearchError& error) {
    EXPECT_STREQ(error.what(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClassTableError,
    ::testing::Values(
        ClassError{"V = a\n", "'classes.txt': no class '@X'"},
        ClassError{"V = a e\nP T K\n", "'classes.txt' line 2: no '=' after the class's name"},
        ClassError{"# x\n= a",
                   "'classes.txt' line 2: write one name before '=', as in "
                   "'@voiceless = P T K'"},
        ClassError{"s t = a",
                   "'classes.txt' line 1: write one name before '=', as in "
                   "'@voiceless = P T K'"},
        ClassError{"@ = a", "'classes.txt' line 1: '@' is no class name"},
        ClassError{"@@V = a", "'classes.txt' line 1: '@@V' is no class name"},
        ClassError{"V = # none", "'classes.txt' line 1: the class '@V' has no symbols"},
        ClassError{"V = a = b", "'classes.txt' line 1: a second '='"},
        ClassError{"@V = a\r\n\r\nV = b", "'classes.txt' line 3: the class '@V' is defined twice"},
        ClassError{"V = a\rW = \xFF", "'classes.txt' line 2: not UTF-8"}));

TEST(ClassTable, TakesAtMostAThousandSymbolsAClass) {
  std::string line = "W = a\nV =";
  for (int n = 0; n < 1000; ++n) line += " s" + std::to_string(n);
  ClassTable table("classes.txt");
  table.AddText(line);
  EXPECT_EQ(table.Get("V").size(), 1000u);
  try {
    ClassTable("classes.txt").AddText(line + " s1000");
    ADD_FAILURE() << "a class of 1001 symbols was read";
  } catch (const texts::SearchError& error) {
    EXPECT_STREQ(error.what(),
                 "'classes.txt' line 2: the class '@V' has 1001 symbols; a class may have at most "
                 "1000");
  }
}

}  // namespace
}  // namespace search::contexts
