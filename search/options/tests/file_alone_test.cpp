#include "search/options/file_alone.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "search/options/request_reading.h"
#include "temp_folder.h"

namespace search::options {
namespace {

using testing_support::TempFolder;
using Arguments = std::vector<std::string>;

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

// A survey of `file`, which lies in `folder`, read in `format`.
Arguments SurveyOf(const std::filesystem::path& folder, const std::filesystem::path& file,
                   const std::string& format) {
  return {"--survey", "--dir", Utf8(folder), "--input", Utf8(file), "--format", format};
}

TEST(FileAlone, TheExtensionNamesTheFormat) {
  const TempFolder temp;
  const struct {
    std::string name;
    std::string format;
  } cases[] = {
      {"words.tsv", "tsv"},       {"WORDS.Tsv", "tsv"},   {"cmudict.dict", "cmudict"},
      {"cmudict-0.7b", "plain"},  {"in.txt", "plain"},    {"list", "plain"},
      {"table.tsv.txt", "plain"}, {"words.csv", "plain"}, {"W\xC3\xB6rter \xCA\x83.tsv", "tsv"},
  };
  for (const auto& test : cases) {
    temp.Write(testing_support::Utf8Path(test.name), "K AE1 T\n");
    const std::filesystem::path file = temp.path() / testing_support::Utf8Path(test.name);
    EXPECT_EQ(FileAloneArguments({Utf8(file)}), SurveyOf(temp.path(), file, test.format))
        << test.name;
  }
}

// A file manager passes a full path; a name typed at a prompt is found in the
// current folder and made absolute, so that the page can be opened by its path.
TEST(FileAlone, ARelativeNameIsMadeAbsolute) {
  const TempFolder temp;
  temp.Write("words.tsv", "K AE1 T\n");
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(temp.path());
  const std::filesystem::path here = std::filesystem::current_path();
  const auto arguments = FileAloneArguments({"words.tsv"});
  std::filesystem::current_path(before);
  EXPECT_EQ(arguments, SurveyOf(here, here / "words.tsv", "tsv"));
}

TEST(FileAlone, AnythingButOneExistingFileIsNone) {
  const TempFolder temp;
  temp.Write("in.txt", "K AE1 T\n");
  const std::string file = temp.utf8() + "/in.txt";
  const Arguments cases[] = {
      {},
      {temp.utf8()},                   // a folder
      {temp.utf8() + "/missing.tsv"},  // no such file
      {file, "K"},                     // a file and a symbol
      {"K", file},
      {"--survey"},
  };
  for (const Arguments& arguments : cases) {
    EXPECT_EQ(FileAloneArguments(arguments), std::nullopt) << ::testing::PrintToString(arguments);
  }
}

TEST(FileAlone, ReadsAsASurveyMarkedAsGivenAlone) {
  const TempFolder temp;
  temp.Write("lexicon.dict", "CAT  K AE1 T\n");
  RunRequest request;
  std::string error;
  ASSERT_TRUE(ReadRequest({temp.utf8() + "/lexicon.dict"}, request, error)) << error;
  EXPECT_TRUE(request.file_alone);
  EXPECT_EQ(request.action, Action::kSurvey);
  EXPECT_EQ(request.folder, temp.utf8());  // its separators as given
  EXPECT_EQ(request.search.input, temp.utf8() + "/lexicon.dict");
  EXPECT_EQ(request.search.reading.format, lexicon::LexiconFormat::kCmudict);
  EXPECT_TRUE(request.symbols.empty());

  RunRequest typed;
  ASSERT_TRUE(ReadRequest({"--survey", "--dir", temp.utf8()}, typed, error)) << error;
  EXPECT_FALSE(typed.file_alone);
}

}  // namespace
}  // namespace search::options
