// A search both ways against the two searches one way, the survey's word
// pairs and the class run the other way round.
#include <gtest/gtest.h>

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
#include "search/runs/class_run.h"
#include "search/runs/search_run.h"
#include "search/survey/survey_run.h"

namespace search::runs {
namespace {

using options::SearchOptions;
using testing_support::ProgramFolder;

std::vector<std::string> Fields(const std::string& line, char separator) {
  std::vector<std::string> fields;
  std::istringstream stream(line);
  for (std::string field; std::getline(stream, field, separator);) fields.push_back(field);
  return fields;
}

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  for (std::string& line : Fields(text, '\n')) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

WrittenFiles Search(const ProgramFolder& folder, const std::string& first,
                    const std::string& second, SearchOptions options, bool both_ways) {
  options.both_ways = both_ways;
  SearchState state;
  testing_support::RecordingHost host(folder.utf8());
  return RunSearch(first, second, state, host, options);
}

// The plain model: the lines of FIRST SECOND, then those of SECOND FIRST with
// their words swapped, each pair of transcriptions once.
std::string BothWaysModel(const ProgramFolder& folder, const std::string& first,
                          const std::string& second, const SearchOptions& options) {
  std::set<std::string> seen;
  std::string kept;
  const auto keep = [&](const std::string& line) {
    if (seen.insert(line).second) kept += line + "\r\n";
  };
  const auto lines = [&](const std::string& one, const std::string& other) {
    return LinesOf(testing_support::ReadFile(
        testing_support::Utf8Path(Search(folder, one, other, options, false).pairs)));
  };
  for (const std::string& line : lines(first, second)) keep(line);
  for (const std::string& line : lines(second, first)) {
    const std::vector<std::string> words = Fields(line, '\t');
    keep(words.at(1) + '\t' + words.at(0));
  }
  return kept;
}

// The options each random list is searched with.
std::vector<SearchOptions> OptionSets() {
  std::vector<SearchOptions> sets(4);
  sets[1].contexts.push_back(contexts::PositionContext("initial"));
  sets[2].contexts.push_back(contexts::ParseContext("_ A", nullptr));
  sets[3].strip = "1";
  return sets;
}

std::string ListText(std::mt19937& random) {
  static const testing_support::RandomLineShape kShape{
      {"P", "T", "P", "T", "A", "A1", "I", "PT"}, 50, 3, 15, 8, " "};
  std::string list;
  for (const std::string& line : testing_support::RandomLines(random, kShape)) list += line + "\n";
  return list;
}

const std::vector<std::pair<std::string, std::string>> kSymbolPairs = {
    {"P", "T"}, {"T", "P"}, {"A", "I"}, {"A1", "A"}, {"PT", "T"}};

TEST(BothWays, IsTheUnionOfTheTwoSearchesOneWayOnRandomLists) {
  std::mt19937 random(2611);
  const ProgramFolder folder;
  for (int round = 0; round < 6; ++round) {
    const std::string list = ListText(random);
    folder.Write("in.txt", list);
    for (const SearchOptions& options : OptionSets()) {
      for (const auto& [first, second] : kSymbolPairs) {
        std::string context = first;
        context.append(" ").append(second).append(", round ").append(std::to_string(round));
        context.append(", strip '").append(options.strip).append("'\n").append(list);
        const std::string expected = BothWaysModel(folder, first, second, options);
        const WrittenFiles one_way = Search(folder, first, second, options, false);
        const WrittenFiles both = Search(folder, first, second, options, true);
        const std::string pairs = folder.Read(testing_support::Utf8Path(both.pairs));
        EXPECT_EQ(pairs, expected) << context;
        EXPECT_EQ(both.pair_lines, LinesOf(pairs).size()) << context;
        EXPECT_EQ(both.first_list, one_way.first_list) << context;  // the lists keep their names
        EXPECT_TRUE(both.pairs.ends_with("both ways).txt")) << both.pairs;
      }
    }
  }
}

// The counts of a class run's message, one per pair of symbols.
std::vector<std::string> ClassCounts(const ProgramFolder& folder, const SymbolClass& first,
                                     const SymbolClass& second, const SearchOptions& options) {
  SearchState state;
  testing_support::RecordingHost host(folder.utf8());
  RunClassSearch(first, second, state, host, options);
  std::vector<std::string> counts;
  for (const std::string& line : Fields(host.shown.at(host.shown.size() - 2), '\n')) {
    counts.push_back(Fields(line, '\t').back());
  }
  return counts;
}

TEST(BothWays, AClassRunAndItsReverseCountTheSame) {
  const SymbolClass stops{"@stops", {"P", "A", "PT"}};
  const SymbolClass others{"@others", {"T", "I", "T"}};
  std::mt19937 random(26);
  const ProgramFolder folder;
  for (int round = 0; round < 6; ++round) {
    const std::string list = ListText(random);
    folder.Write("in.txt", list);
    for (SearchOptions options : OptionSets()) {
      options.both_ways = true;
      const std::vector<std::string> forth = ClassCounts(folder, stops, others, options);
      EXPECT_EQ(forth, ClassCounts(folder, others, stops, options)) << list;
      for (std::size_t at = 0; at < stops.symbols.size(); ++at) {
        EXPECT_EQ(
            forth[at],
            std::to_string(
                Search(folder, stops.symbols[at], others.symbols[at], options, true).pair_lines))
            << list;
      }
    }
  }
}

// The rows of a survey table after its header, as fields.
std::vector<std::vector<std::string>> TableRows(const ProgramFolder& folder,
                                                const std::string& name) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> lines = LinesOf(folder.Output(name));
  for (std::size_t at = 1; at < lines.size(); ++at) rows.push_back(Fields(lines[at], '\t'));
  return rows;
}

TEST(BothWays, CountsTheSurveysWordPairsOfEachContrast) {
  std::mt19937 random(1926);
  const ProgramFolder folder;
  for (int round = 0; round < 5; ++round) {
    const std::string list = ListText(random);
    folder.Write("in.txt", list);
    for (const SearchOptions& options : OptionSets()) {
      testing_support::RecordingHost host(folder.utf8());
      survey::RunSurvey(host, options);
      const std::string suffix = os::OptionsSuffix(options.NamedInFiles());
      std::map<std::pair<std::string, std::string>, std::string> word_pairs;
      for (const auto& row : TableRows(folder, "SurveyOfContrasts" + suffix + ".tsv")) {
        word_pairs[{row.at(0), row.at(1)}] = row.at(2);
        word_pairs[{row.at(1), row.at(0)}] = row.at(2);
      }
      const auto symbols = TableRows(folder, "SurveyOfSymbols" + suffix + ".tsv");
      for (const auto& first : symbols) {
        for (const auto& second : symbols) {
          if (first == second) continue;
          const auto found = word_pairs.find({first[0], second[0]});
          EXPECT_EQ(std::to_string(Search(folder, first[0], second[0], options, true).pair_lines),
                    found == word_pairs.end() ? "0" : found->second)
              << first[0] << " " << second[0] << ", strip '" << options.strip << "'\n"
              << list;
        }
      }
    }
  }
}

// The rule of the places holds for the search the other way too: T UW1 T and
// D UW1 D differ in two places, of which only one is initial.
TEST(BothWays, KeepsThePairsWhoseReplacedPlacesAllFit) {
  const struct {
    std::vector<std::string> positions;
    std::string pairs;
  } cases[] = {
      {{}, "T UW1 T\tD UW1 D\r\nT UW1 T\tT UW1 D\r\nT UW1 D\tD UW1 D\r\n"},
      {{"initial"}, "T UW1 D\tD UW1 D\r\n"},
      {{"final"}, "T UW1 T\tT UW1 D\r\n"},
  };
  const ProgramFolder folder("T UW1 T\nD UW1 D\nT UW1 D\n");
  for (const auto& c : cases) {
    SearchOptions options;
    for (const std::string& position : c.positions) {
      options.contexts.push_back(contexts::PositionContext(position));
    }
    EXPECT_EQ(folder.Read(testing_support::Utf8Path(Search(folder, "T", "D", options, true).pairs)),
              c.pairs);
  }
}

// cake/take only K T finds, coast/toast only T K; not and knot are one word.
TEST(BothWays, TheTableHasTheFilesRowsWithTheirFrames) {
  const ProgramFolder folder;
  folder.Write("in.tsv",
               "spelling\ttranscription\n"
               "cake\tK EY K\ntake\tT EY K\ncoast\tK OW S T\ntoast\tT OW S T\n"
               "not\tN AA T\nknot\tN AA T\nnote\tN OW T\n");
  SearchOptions options;
  options.input = folder.utf8() + "/in.tsv";
  options.reading.format = lexicon::LexiconFormat::kTsv;
  const std::string header =
      "first spelling\tfirst transcription\tsecond spelling\tsecond transcription\tframe\t"
      "position\r\n";
  Search(folder, "K", "T", options, true);
  EXPECT_EQ(folder.Output("VendrelForKAndT (both ways).txt"),
            "K EY K\tT EY K\r\nK OW S T\tT OW S T\r\n");
  EXPECT_EQ(folder.Output("VendrelForKAndT (both ways).tsv"),
            header +
                "cake\tK EY K\ttake\tT EY K\t_ EY K\tinitial\r\n"
                "coast\tK OW S T\ttoast\tT OW S T\t_ OW S T\tinitial\r\n");
  Search(folder, "T", "K", options, true);
  EXPECT_EQ(folder.Output("VendrelForTAndK (both ways).tsv"),
            header +
                "toast\tT OW S T\tcoast\tK OW S T\t_ OW S T\tinitial\r\n"
                "take\tT EY K\tcake\tK EY K\t_ EY K\tinitial\r\n");
  EXPECT_TRUE(folder.Exists("output/ListOfWordsWith T.tsv"));
  EXPECT_EQ(Search(folder, "AA", "OW", options, false).pair_lines, 2U);
  EXPECT_EQ(Search(folder, "AA", "OW", options, true).pair_lines, 1U);
  EXPECT_EQ(folder.Output("VendrelForAAAndOW (both ways).tsv"),
            header + "not\tN AA T\tnote\tN OW T\tN _ T\tmedial\r\n");
}

}  // namespace
}  // namespace search::runs
