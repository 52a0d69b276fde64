// The survey with a run's options, against the searches with the same options:
// each cell is the line count of the restricted pairs file, each symbol's
// words its list's, and each contrast the distinct word pairs of both
// directions' pairs tables, a word being a distinct transcription as read.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "program_folder.h"
#include "random_lines.h"
#include "recording_host.h"
#include "search/contexts/context.h"
#include "search/os/output_names.h"
#include "search/runs/search_run.h"
#include "search/runs/search_state.h"
#include "search/survey/survey_run.h"
#include "temp_folder.h"

namespace search::survey {
namespace {

using Row = std::vector<std::string>;
using Table = std::vector<Row>;

Table RowsOf(const std::string& text) {
  Table rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    line.pop_back();  // the CR
    Row& row = rows.emplace_back();
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, '\t');) row.push_back(field);
    if (!line.empty() && line.back() == '\t') row.emplace_back();
  }
  return rows;
}

// The transcriptions of a search's table, row by row: a word list's one word, a
// pairs table's first and second word. A word is its transcription as read.
std::vector<std::vector<std::string>> WordsOf(const std::string& table_path) {
  const Table rows = RowsOf(testing_support::ReadFile(testing_support::Utf8Path(table_path)));
  const Row& header = rows.front();
  std::vector<std::vector<std::string>> words;
  for (std::size_t n = 1; n < rows.size(); ++n) {
    std::vector<std::string>& row = words.emplace_back();
    for (std::size_t column = 0; column < header.size(); ++column) {
      if (header[column].ends_with("transcription")) row.push_back(rows[n][column]);
    }
  }
  return words;
}

struct Case {
  std::vector<std::string> places;  // a position's word or a context
  std::string strip;
  std::string suffix;
};

options::SearchOptions OptionsOf(const Case& c, const std::string& input) {
  options::SearchOptions options;
  options.input = input;
  options.reading.format = lexicon::LexiconFormat::kTsv;
  for (const std::string& place : c.places) {
    options.contexts.push_back(place.find('_') == std::string::npos
                                   ? contexts::PositionContext(place)
                                   : contexts::ParseContext(place, nullptr));
  }
  options.strip = c.strip;
  return options;
}

TEST(SurveyWithOptions, AgreesWithTheRestrictedSearchesOnRandomLexica) {
  const std::vector<Case> cases = {
      {{"initial"}, "", " (initial)"},
      {{"_ A"}, "12", " (_ A; strip 12)"},
      {{"medial", "_ #"}, "", " (medial; _ #)"},
      {{}, "1", " (strip 1)"},
      {{"{ P # } _ T"}, "2", " ({ P # } _ T; strip 2)"},
  };
  // Symbols that the folds join (P1 P2 P) or empty (1), next to each other often.
  static const testing_support::RandomLineShape kShape{
      {"P", "T", "P1", "P2", "T", "PT", "A", "A1", "1"}, 30, 3, 20, 8, " "};
  std::mt19937 random(20261215);
  for (const Case& c : cases) {
    for (int round = 0; round < 3; ++round) {
      const testing_support::ProgramFolder folder;
      testing_support::RecordingHost host(folder.utf8());
      // Few spellings, so that homophones are many and copies of a transcription
      // share some.
      std::string lexicon = "spelling\ttranscription\n";
      for (const std::string& line : testing_support::RandomLines(random, kShape)) {
        lexicon.append(1, static_cast<char>('a' + random() % 2)).append("\t").append(line) += '\n';
      }
      folder.Write("words.tsv", lexicon);
      const options::SearchOptions options = OptionsOf(c, folder.utf8() + "/words.tsv");
      const std::string name = c.suffix + " round " + std::to_string(round);
      RunSurvey(host, options);
      const Table cells = RowsOf(folder.Output("SurveyOfMinimalPairs" + c.suffix + ".tsv"));
      const Table symbols = RowsOf(folder.Output("SurveyOfSymbols" + c.suffix + ".tsv"));
      const Table contrasts = RowsOf(folder.Output("SurveyOfContrasts" + c.suffix + ".tsv"));
      ASSERT_TRUE(std::filesystem::exists(folder.path() / "output" /
                                          ("SurveyOfMinimalPairs" + c.suffix + ".html")));
      const std::size_t size = symbols.size() - 1;
      // The distinct words of each symbol's list, and each contrast's word pairs.
      std::vector<std::set<std::string>> words(size);
      std::map<std::pair<std::size_t, std::size_t>, std::set<std::set<std::string>>> word_pairs;
      for (std::size_t a = 0; a < size; ++a) {
        for (std::size_t b = 0; b < size; ++b) {
          if (a == b) continue;
          runs::SearchState state;
          const runs::WrittenFiles written =
              runs::RunSearch(symbols[a + 1][0], symbols[b + 1][0], state, host, options);
          ASSERT_EQ(std::to_string(state.FirstCount), symbols[a + 1][1]) << name;
          const auto lines = WordsOf(os::TablePath(written.pairs));
          ASSERT_EQ(std::to_string(lines.size()), cells[a + 1][b + 1])
              << name << ": " << symbols[a + 1][0] << " for " << symbols[b + 1][0];
          for (const auto& line : lines) {
            word_pairs[std::minmax(a, b)].insert({line[0], line[1]});
          }
          for (const auto& row : WordsOf(os::TablePath(written.first_list))) {
            words[a].insert(row[0]);
          }
        }
      }
      std::vector<Row> expected;
      for (const auto& [contrast, found] : word_pairs) {
        if (found.empty()) continue;
        const auto [earlier, later] = contrast;
        std::size_t both = 0;
        for (const std::string& word : words[earlier]) both += words[later].count(word);
        expected.push_back({symbols[earlier + 1][0], symbols[later + 1][0],
                            std::to_string(found.size()), cells[earlier + 1][later + 1],
                            cells[later + 1][earlier + 1], std::to_string(words[earlier].size()),
                            std::to_string(words[later].size()), std::to_string(both)});
      }
      // Most word pairs first; ties in the table's order, as the map has them.
      std::stable_sort(expected.begin(), expected.end(), [](const Row& x, const Row& y) {
        return std::stoll(x[2]) > std::stoll(y[2]);
      });
      ASSERT_EQ(Table(contrasts.begin() + 1, contrasts.end()), expected) << name;
    }
  }
}

}  // namespace
}  // namespace search::survey
