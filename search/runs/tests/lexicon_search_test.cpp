// Searches of lexica with columns: the text files are those of the plain list
// of their transcriptions, and the tables beside them add the columns.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "program_folder.h"
#include "random_lines.h"
#include "recording_host.h"
#include "search/runs/search_run.h"
#include "temp_folder.h"

namespace search::runs {
namespace {

using options::SearchOptions;

using testing_support::ProgramFolder;
using testing_support::RecordingHost;

struct Folder {
  // The output folder's files, by name, with their contents.
  [[nodiscard]] std::vector<std::pair<std::string, std::string>> Outputs() const {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path() / "output")) {
      files.emplace_back(entry.path().filename().string(), testing_support::ReadFile(entry.path()));
    }
    std::sort(files.begin(), files.end());
    return files;
  }
  void Search(std::string_view first, std::string_view second,
              const SearchOptions& options = {}) const {
    RecordingHost host(folder.utf8());
    SearchState state;
    RunSearch(first, second, state, host, options);
  }
  ProgramFolder folder;
};

// A field as a spreadsheet may write it: quoted now and then, and always when
// it starts with a quote.
std::string SpreadsheetField(std::mt19937& random, const std::string& text) {
  if (!text.starts_with('"') && random() % 3 != 0) return text;
  std::string quoted = "\"";
  for (const char character : text) quoted += character == '"' ? "\"\"" : std::string(1, character);
  return quoted + "\"";
}

// Random tables in one encoding throughout give the plain list's three files
// byte for byte; the only other files are the three tables.
TEST(LexiconSearchTest, TextFilesAreThoseOfThePlainListOfTranscriptions) {
  const std::vector<std::string> headers[] = {
      {"transcription", "spelling"},
      {"Gloss", "", "Transcription", "frequency", "notes", "notes"},
      {"spelling", "frequency", "transcription"},
  };
  std::mt19937 random(18);
  for (int round = 0; round < 24; ++round) {
    SCOPED_TRACE(round);
    const bool windows_1252 = round % 3 == 2;
    const std::string accent = windows_1252 ? "\xE9" : "\xC3\xA9";
    const std::vector<std::string> transcriptions = testing_support::RandomLines(
        random, {.symbols = {"t", "d", "t", "a", "e" + accent, "\"", "@", "t\"a"},
                 .max_lines = 60,
                 .max_symbols = 4,
                 .duplicate_percent = 10,
                 .double_space_percent = 10,
                 .blank_start = " "});
    const std::vector<std::string>& header = headers[round % 3];
    std::string table = round % 4 == 0 ? "\xEF\xBB\xBF" : "";
    std::string plain = table;
    const std::string line_end = round % 2 == 0 ? "\r\n" : "\n";
    for (std::size_t column = 0; column < header.size(); ++column) {
      if (column != 0) table += '\t';
      table += header[column];
    }
    table += line_end;
    for (std::size_t word = 0; word < transcriptions.size(); ++word) {
      // Now and then a missing trailing field, when it is not the transcription.
      const bool last_optional = header.back() != "transcription";
      const std::size_t fields = header.size() - (last_optional ? random() % 2 : 0);
      for (std::size_t column = 0; column < fields; ++column) {
        std::string field;
        if (header[column] == "frequency") field = std::to_string(random() % 5);
        if (header[column] == "spelling") (field = "w") += accent + std::to_string(word % 7);
        if (header[column] == "transcription" || header[column] == "Transcription") {
          field = transcriptions[word];
        }
        if (column != 0) table += '\t';
        table += SpreadsheetField(random, field);
      }
      table += line_end;
      plain += transcriptions[word] + line_end;
    }
    Folder columns, lines;
    columns.folder.Write("lexicon.tsv", table);
    lines.folder.Write("in.txt", plain);
    SearchOptions options;
    options.input = columns.folder.utf8() + "/lexicon.tsv";
    options.reading.format = lexicon::LexiconFormat::kTsv;
    columns.Search("t", "d", options);
    lines.Search("t", "d");
    std::vector<std::pair<std::string, std::string>> texts = columns.Outputs();
    std::erase_if(texts, [](const auto& file) { return file.first.ends_with(".tsv"); });
    EXPECT_EQ(texts, lines.Outputs());
    EXPECT_EQ(columns.Outputs().size(), 6U);
  }
}

class SpelledLexiconTest : public ::testing::Test {
 protected:
  SpelledLexiconTest() {
    lexicon.folder.Write("words.tsv",
                         "spelling\ttranscription\tfrequency\tgloss\n"
                         "not\tn o t\t500\tnegation\n"
                         "knot\tn o t\t20\t\n"
                         "note\tn @ t\t80\t\"a \"\"written\"\"\tword \\\"\n"
                         "tot\tt o t\t5\n"
                         "toot\tt u t\t9\n"
                         "newt\tn u n\t300\n");
    options.input = lexicon.folder.utf8() + "/words.tsv";
    options.reading.format = lexicon::LexiconFormat::kTsv;
  }
  [[nodiscard]] std::string Output(std::string_view name) const {
    return lexicon.folder.Output(name);
  }
  Folder lexicon;
  SearchOptions options;
};

// Homophones stay two words; the frame shows where the contrast sits, every
// replaced place of it, and the position names those places; ordering by
// frequency orders the table only.
TEST_F(SpelledLexiconTest, PairsTableShowsSpellingsFramesAndCommonWordsFirst) {
  options.sort_by_frequency = true;
  lexicon.Search("o", "@", options);
  lexicon.Search("t", "n", options);
  EXPECT_EQ(Output("VendrelForoAnd@.txt"), "n o t\tn @ t\r\nn o t\tn @ t\r\n");
  EXPECT_EQ(Output("VendrelForoAnd@.tsv"),
            "first spelling\tfirst transcription\tfirst frequency\tfirst gloss\t"
            "second spelling\tsecond transcription\tsecond frequency\tsecond gloss\tframe\t"
            "position\r\n"
            "not\tn o t\t500\tnegation\tnote\tn @ t\t80\ta \"written\"\\tword \\\\\tn _ t\t"
            "medial\r\n"
            "knot\tn o t\t20\t\tnote\tn @ t\t80\ta \"written\"\\tword \\\\\tn _ t\t"
            "medial\r\n");
  EXPECT_EQ(Output("ListOfWordsWith @.tsv"),
            "spelling\ttranscription\tfrequency\tgloss\r\nnote\tn @ t\t80\ta \"written\"\\tword "
            "\\\\\r\n");
  // n u n becomes t u t through both its places.
  EXPECT_EQ(Output("VendrelFortAndn.txt"), "t o t\tn o t\r\nt o t\tn o t\r\nt u t\tn u n\r\n");
  EXPECT_EQ(Output("VendrelFortAndn.tsv"),
            "first spelling\tfirst transcription\tfirst frequency\tfirst gloss\t"
            "second spelling\tsecond transcription\tsecond frequency\tsecond gloss\tframe\t"
            "position\r\n"
            "toot\tt u t\t9\t\tnewt\tn u n\t300\t\t_ u _\tinitial+final\r\n"
            "tot\tt o t\t5\t\tnot\tn o t\t500\tnegation\t_ o t\tinitial\r\n"
            "tot\tt o t\t5\t\tknot\tn o t\t20\t\t_ o t\tinitial\r\n");
}

// A backslash alone, with no quote anywhere in the lexicon, is escaped too.
TEST(LexiconSearchTest, ABackslashInAFieldIsEscapedInTheTables) {
  Folder lexicon;
  lexicon.folder.Write("words.tsv",
                       "spelling\ttranscription\tgloss\nc\\at\tK AE1 T\tone\\two\n"
                       "gat\tG AE1 T\t\n");
  SearchOptions options;
  options.input = lexicon.folder.utf8() + "/words.tsv";
  options.reading.format = lexicon::LexiconFormat::kTsv;
  lexicon.Search("K", "G", options);
  EXPECT_EQ(lexicon.folder.Output("ListOfWordsWith K.tsv"),
            "spelling\ttranscription\tgloss\r\nc\\\\at\tK AE1 T\tone\\\\two\r\n");
  EXPECT_EQ(lexicon.folder.Output("VendrelForKAndG.tsv"),
            "first spelling\tfirst transcription\tfirst gloss\t"
            "second spelling\tsecond transcription\tsecond gloss\tframe\tposition\r\n"
            "c\\\\at\tK AE1 T\tone\\\\two\tgat\tG AE1 T\t\t_ AE1 T\tinitial\r\n");
}

TEST_F(SpelledLexiconTest, AThresholdLeavesTheUnfilteredFilesAndNamesItsOwn) {
  lexicon.Search("o", "@", options);
  options.reading.min_frequency = lexicon::FrequencyThreshold{50, "50"};
  lexicon.Search("o", "@", options);
  EXPECT_EQ(Output("VendrelForoAnd@.txt"), "n o t\tn @ t\r\nn o t\tn @ t\r\n");
  EXPECT_EQ(Output("VendrelForoAnd@ (min-frequency 50).txt"), "n o t\tn @ t\r\n");
  EXPECT_EQ(lexicon.Outputs().size(), 12U);
}

}  // namespace
}  // namespace search::runs
