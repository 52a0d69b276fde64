// A lexicon as people keep it: their own column names, no header, a
// spreadsheet's "Unicode text", IPA written without spaces. Each way of
// writing the same lexicon gives the same files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "program_folder.h"
#include "recording_host.h"
#include "search/options/request_reading.h"
#include "search/runs/prepared_run.h"
#include "search/texts/encoding.h"

namespace search::runs {
namespace {

using testing_support::ProgramFolder;

using Files = std::vector<std::pair<std::string, std::string>>;

// Runs `minpairs ARGUMENTS` in a folder whose lexicon.tsv holds `bytes` and
// returns the output folder's files with their contents; `segments` is written
// as segments.txt.
Files OutputsOf(const std::string& bytes, std::vector<std::string> arguments,
                const std::string& segments = "") {
  const ProgramFolder folder;
  folder.Write("lexicon.tsv", bytes);
  if (!segments.empty()) folder.Write("segments.txt", segments);
  for (std::string& argument : arguments) {
    if (argument == "SEGMENTS") argument = folder.utf8() + "/segments.txt";
  }
  arguments.insert(arguments.end(),
                   {"--dir", folder.utf8(), "--input", folder.utf8() + "/lexicon.tsv"});
  options::RunRequest request;
  std::string error;
  EXPECT_TRUE(options::ReadRequest(arguments, request, error)) << error;
  testing_support::RecordingHost host(folder.utf8());
  SearchState state;
  (void)Run(PrepareRun(std::move(request)), host, state);
  Files files;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path() / "output")) {
    files.emplace_back(entry.path().filename().string(),
                       folder.Read(std::filesystem::path("output") / entry.path().filename()));
  }
  std::sort(files.begin(), files.end());
  return files;
}

// UTF-16 little-endian with its byte order mark, as a spreadsheet saves
// "Unicode text"; every character here is in the basic plane.
std::string Utf16WithMark(std::string_view utf8) {
  std::string wide = "\xFF\xFE";
  for (std::size_t at = 0; at < utf8.size();) {
    char32_t code_point = 0;
    at += texts::DecodeUtf8(utf8, at, code_point);
    wide += static_cast<char>(code_point & 0xFFU);
    wide += static_cast<char>(code_point >> 8U);
  }
  return wide;
}

// The rows of one lexicon: spelling, spaced transcription, frequency, gloss.
const std::vector<std::vector<std::string>> kRows = {
    {"ship", "ʃ ɪ p", "12", "a boat"}, {"sip", "s ɪ p", "3", "to drink slowly"},
    {"chip", "tʃ ɪ p", "5", ""},       {"sheep", "ʃ iː p", "7", "wool"},
    {"seep", "s iː p", "1", ""},       {"chin", "tʃ ɪ n", "4", "a part of the face"},
    {"safe", "s eɪ f", "9", ""},       {"chef", "ʃ eɪ f", "2", "a cook"},
    {"shin", "ʃ ɪ n", "6", ""},        {"sin", "s ɪ n", "8", "a wrong"},
};

// The lexicon as a table: `order` gives the field of each column, `header`
// its first line (none when empty), `spaced` whether the symbols are spaced.
std::string Table(const std::vector<std::size_t>& order, const std::string& header, bool spaced,
                  const std::string& line_end) {
  std::string table = header.empty() ? "" : header + line_end;
  for (const std::vector<std::string>& row : kRows) {
    for (std::size_t column = 0; column < order.size(); ++column) {
      std::string field = row[order[column]];
      if (!spaced && order[column] == 1) std::erase(field, ' ');
      if (column != 0) table += '\t';
      table += field;
    }
    table += line_end;
  }
  return table;
}

TEST(LexiconInputTest, OneLexiconWrittenFourWaysGivesTheSameFiles) {
  const std::vector<std::string> search = {"--format", "tsv", "--sort", "frequency", "s", "ʃ"};
  const auto with = [&](std::vector<std::string> options) {
    options.insert(options.begin(), search.begin(), search.end());
    return options;
  };
  const Files spaced = OutputsOf(
      Table({1, 0, 2, 3}, "transcription\tspelling\tfrequency\tgloss", true, "\n"), search);
  ASSERT_EQ(spaced.size(), 6U);
  EXPECT_EQ(spaced[4].first, "VendrelForsAndʃ.tsv");
  EXPECT_EQ(spaced[4].second,
            "first spelling\tfirst transcription\tfirst frequency\tfirst gloss\t"
            "second spelling\tsecond transcription\tsecond frequency\tsecond gloss\tframe\t"
            "position\r\n"
            "sin\ts ɪ n\t8\ta wrong\tshin\tʃ ɪ n\t6\t\t_ ɪ n\tinitial\r\n"
            "sip\ts ɪ p\t3\tto drink slowly\tship\tʃ ɪ p\t12\ta boat\t_ ɪ p\tinitial\r\n"
            "safe\ts eɪ f\t9\t\tchef\tʃ eɪ f\t2\ta cook\t_ eɪ f\tinitial\r\n"
            "seep\ts iː p\t1\t\tsheep\tʃ iː p\t7\twool\t_ iː p\tinitial\r\n");
  EXPECT_EQ(OutputsOf(Utf16WithMark(Table({0, 1, 2, 3}, "Word\tIPA\tFreq\tNotes", true, "\r\n")),
                      with({"--columns",
                            "transcription=IPA,spelling=Word,frequency=Freq,"
                            " gloss = notes "})),
            spaced);
  EXPECT_EQ(OutputsOf(Table({1, 0, 2, 3}, "transcription\tspelling\tfrequency\tgloss", false, "\n"),
                      with({"--segments", "SEGMENTS"}), "tʃ\n\neɪ\r\n"),
            spaced);
  EXPECT_EQ(OutputsOf(Table({0, 3, 1, 2}, "", true, "\n"),
                      with({"--no-header", "--columns", "spelling,gloss,transcription,frequency"})),
            spaced);
}

// --segments with each format, places and the fold: split first, then fold;
// stress and syllable marks are symbols, so a place after ˈ is medial.
TEST(LexiconInputTest, SplittingComposesWithFormatsPlacesAndTheFold) {
  const std::string plain = "ˈsɪp\nˈʃɪp\nˈsiː.pə\nˈʃiː.pə\nʰtɪˈsɪp\n";
  const struct {
    std::string bytes;
    std::vector<std::string> arguments;
    std::string pairs_file;
    std::string pairs;
  } cases[] = {
      {plain,
       {"--segments", "auto"},
       "VendrelForsAndʃ.txt",
       "ˈ s ɪ p\tˈ ʃ ɪ p\r\nˈ s iː . p ə\tˈ ʃ iː . p ə\r\n"},
      {plain, {"--segments", "auto", "--position", "initial"}, "VendrelForsAndʃ (initial).txt", ""},
      {plain,
       {"--segments", "auto", "--position", "initial", "--strip", "ˈˌ."},
       "VendrelForsAndʃ (initial; strip ˈˌ.).txt",
       "ˈ s ɪ p\tˈ ʃ ɪ p\r\nˈ s iː . p ə\tˈ ʃ iː . p ə\r\n"},
      {plain,
       {"--segments", "auto", "--context", "ˈ _"},
       "VendrelForsAndʃ (ˈ _).txt",
       "ˈ s ɪ p\tˈ ʃ ɪ p\r\nˈ s iː . p ə\tˈ ʃ iː . p ə\r\n"},
      {plain, {"--segments", "auto", "--context", "# _"}, "VendrelForsAndʃ (# _).txt", ""},
      {"SHIP  ʃɪp\nSIP\tsɪp # a note\n",
       {"--format", "cmudict", "--segments", "auto"},
       "VendrelForsAndʃ.tsv",
       "first spelling\tfirst transcription\tsecond spelling\tsecond transcription\tframe\t"
       "position\r\nSIP\ts ɪ p\tSHIP\tʃ ɪ p\t_ ɪ p\tinitial\r\n"},
      // A Windows-1252 list keeps its encoding: é and its files' bytes.
      {"\xE9\xE0p\ns\xE0p\n",
       {"--segments", "auto", "s", "\xC3\xA9"},
       "VendrelForsAnd\xC3\xA9.txt",
       "s \xE0 p\t\xE9 \xE0 p\r\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments = c.arguments;
    if (arguments.back() != "\xC3\xA9") arguments.insert(arguments.end(), {"s", "ʃ"});
    const Files files = OutputsOf(c.bytes, arguments);
    const auto pairs = std::find_if(files.begin(), files.end(),
                                    [&](const auto& file) { return file.first == c.pairs_file; });
    ASSERT_NE(pairs, files.end()) << c.pairs_file;
    EXPECT_EQ(pairs->second, c.pairs) << c.pairs_file;
  }
}

}  // namespace
}  // namespace search::runs
