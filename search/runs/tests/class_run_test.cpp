// A class run against the single searches of its pairs of symbols.
#include "search/runs/class_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "program_folder.h"
#include "random_lines.h"
#include "recording_host.h"
#include "search/contexts/context.h"
#include "search/runs/search_run.h"
#include "temp_folder.h"

namespace search::runs {
namespace {

using options::SearchOptions;

const SymbolClass kVoiceless{"@voiceless", {"P", "T", "K"}};
const SymbolClass kOthers{"@others", {"B", "D", "T"}};  // T in both, against K

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// What the single searches of the classes' pairs of symbols write.
struct SingleSearches {
  std::vector<std::string> pair_lines;  // the symbols appended
  std::string counts;
  std::vector<std::int32_t> first_list;
  std::vector<std::int32_t> second_list;
};

SingleSearches SearchEachPair(const std::string& folder, const SearchOptions& options,
                              bool tables) {
  SingleSearches searches;
  std::size_t total = 0;
  for (std::size_t at = 0; at < kVoiceless.symbols.size(); ++at) {
    const std::string& first = kVoiceless.symbols[at];
    const std::string& second = kOthers.symbols[at];
    SearchState state;
    testing_support::RecordingHost host(folder);
    const WrittenFiles written = RunSearch(first, second, state, host, options);
    std::vector<std::string> lines = Lines(testing_support::ReadFile(
        tables ? written.pairs.substr(0, written.pairs.size() - 3) + "tsv" : written.pairs));
    if (tables) lines.erase(lines.begin());  // the header
    for (const std::string& line : lines) {
      searches.pair_lines.push_back(line);
      searches.pair_lines.back().append("\t").append(first).append("\t").append(second);
    }
    searches.counts.append(first).append("\t").append(second).append("\t");
    searches.counts.append(std::to_string(lines.size())).append("\n");
    total += lines.size();
    std::vector<std::int32_t> merged;
    std::set_union(searches.first_list.begin(), searches.first_list.end(), state.FirstList.begin(),
                   state.FirstList.end(), std::back_inserter(merged));
    searches.first_list = merged;
    merged.clear();
    std::set_union(searches.second_list.begin(), searches.second_list.end(),
                   state.SecondList.begin(), state.SecondList.end(), std::back_inserter(merged));
    searches.second_list = merged;
  }
  searches.counts += "total\t" + std::to_string(total);
  return searches;
}

std::string ListOf(const lexicon::WordList& words, const std::vector<std::int32_t>& positions) {
  std::string list;
  for (const std::int32_t position : positions) {
    ((list += ' ') += words.Trimmed(position)) += " \r\n";
  }
  return list;
}

TEST(ClassRun, IsTheSingleSearchesOfItsPairsOfSymbolsOnOneReading) {
  struct Case {
    std::vector<std::string> positions;
    std::string strip;
  };
  const std::vector<Case> cases = {{{}, ""}, {{"initial"}, ""}, {{}, "1"}, {{"final"}, "1"}};
  const testing_support::RandomLineShape shape{
      {"P", "B", "T", "T", "T1", "D", "K", "AE1", "AE", "1"}, 60, 4, 10, 10, " "};
  std::mt19937 random(1920);
  const testing_support::ProgramFolder folder;
  for (int round = 0; round < 10; ++round) {
    std::string list;
    for (const std::string& line : testing_support::RandomLines(random, shape)) list += line + "\n";
    folder.Write("in.txt", list);
    for (const Case& run_case : cases) {
      SearchOptions options;
      options.strip = run_case.strip;
      for (const std::string& position : run_case.positions) {
        options.contexts.push_back(contexts::PositionContext(position));
      }
      const SingleSearches expected = SearchEachPair(folder.utf8(), options, false);
      SearchState state;
      testing_support::RecordingHost host(folder.utf8());
      const WrittenFiles written = RunClassSearch(kVoiceless, kOthers, state, host, options);
      const std::string context = "round " + std::to_string(round) + ", strip '" + run_case.strip +
                                  "', " + std::to_string(run_case.positions.size()) +
                                  " positions\n" + list;
      EXPECT_EQ(Lines(folder.Read(written.pairs)), expected.pair_lines) << context;
      EXPECT_EQ(folder.Read(written.first_list), ListOf(state.Words, expected.first_list))
          << context;
      EXPECT_EQ(folder.Read(written.second_list), ListOf(state.Words, expected.second_list))
          << context;
      ASSERT_FALSE(host.shown.empty());
      EXPECT_EQ(host.shown[host.shown.size() - 2], "message: " + expected.counts) << context;
      EXPECT_EQ(host.shown.back(), "Done!  Click again to exit.");
    }
  }
}

TEST(ClassRun, TablesOfALexiconEndInTheSymbols) {
  const testing_support::ProgramFolder folder;
  folder.Write("lexicon.tsv",
               "spelling\ttranscription\tfrequency\n"
               "pat\tP AE1 T\t5\nbat\tB AE1 T\t9\ntap\tT AE1 P\t2\ndap\tD AE1 P\t7\n"
               "kin\tK IH1 N\t1\ntin\tT IH1 N\t3\n");
  SearchOptions options;
  options.input = folder.utf8() + "/lexicon.tsv";
  options.reading.format = lexicon::LexiconFormat::kTsv;
  options.sort_by_frequency = true;
  options.reading.needs_frequency = true;
  const SingleSearches expected = SearchEachPair(folder.utf8(), options, true);
  SearchState state;
  testing_support::RecordingHost host(folder.utf8());
  RunClassSearch(kVoiceless, kOthers, state, host, options);
  const std::vector<std::string> table =
      Lines(folder.Read("output/VendrelFor@voicelessAnd@others.tsv"));
  ASSERT_FALSE(table.empty());
  EXPECT_EQ(table.front(),
            "first spelling\tfirst transcription\tfirst frequency\tsecond spelling\tsecond "
            "transcription\tsecond frequency\tframe\tposition\tfirst symbol\tsecond symbol");
  EXPECT_EQ(std::vector<std::string>(table.begin() + 1, table.end()), expected.pair_lines);
  EXPECT_EQ(expected.pair_lines.size(), 3U);  // P/B, T/D, K/T: one each
  EXPECT_TRUE(folder.Exists("output/ListOfWordsWith @voiceless.tsv"));
}

}  // namespace
}  // namespace search::runs
