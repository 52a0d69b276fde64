#include "search/survey/survey.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "nested_loop_pairs.h"
#include "program_folder.h"
#include "random_lines.h"
#include "recording_host.h"
#include "search/lexicon/transcription.h"
#include "search/lexicon/word_list_reader.h"
#include "search/pairs/pair_index.h"
#include "search/runs/search_state.h"
#include "search/texts/search_error.h"
#include "temp_folder.h"

namespace search::survey {
namespace {

using testing_support::CountNestedLoopPairs;
using testing_support::ProgramFolder;
using testing_support::RecordingHost;

lexicon::WordList ListOf(const std::vector<std::string>& lines) {
  lexicon::WordList words;
  for (const auto& line : lines) words.AppendLine(line);
  return words;
}

Survey SurveyOf(const lexicon::WordList& words) { return SurveyMinimalPairs(words, "in.txt", {}); }

std::int64_t CountFor(const Survey& survey, std::string_view first, std::string_view second) {
  const auto at = [&](std::string_view symbol) {
    return static_cast<std::size_t>(
        std::find(survey.symbols.begin(), survey.symbols.end(), symbol) - survey.symbols.begin());
  };
  return survey.Count(at(first), at(second));
}

// The non-empty runs of characters other than the space, found afresh.
std::set<std::string> SymbolsOf(const lexicon::WordList& words) {
  std::set<std::string> symbols;
  for (std::size_t j = 0; j < words.size(); ++j) {
    std::string run;
    for (const char character : words.Padded(j)) {
      if (character != ' ') {
        run += character;
      } else if (!run.empty()) {
        symbols.insert(run);
        run.clear();
      }
    }
  }
  return symbols;
}

// Checks every cell, word count and the order against the straightforward search.
void ExpectAgreesWithNestedLoops(const lexicon::WordList& words, const Survey& survey) {
  ASSERT_EQ(std::set<std::string>(survey.symbols.begin(), survey.symbols.end()), SymbolsOf(words));
  for (std::size_t a = 0; a < survey.size(); ++a) {
    const std::string padded_a = lexicon::PadTranscription(survey.symbols[a]);
    std::int64_t containing = 0;
    for (std::size_t j = 0; j < words.size(); ++j)
      containing += lexicon::ContainsSymbol(words.Padded(j), padded_a);
    ASSERT_EQ(survey.word_counts[a], containing) << survey.symbols[a];
    if (a > 0) {
      ASSERT_GE(survey.word_counts[a - 1], survey.word_counts[a]);
    }
    for (std::size_t b = 0; b < survey.size(); ++b) {
      if (a == b) continue;
      const auto expected =
          CountNestedLoopPairs(words, padded_a, lexicon::PadTranscription(survey.symbols[b]),
                               words.size() * words.size());
      ASSERT_EQ(survey.Count(a, b), expected.lines)
          << survey.symbols[a] << " / " << survey.symbols[b];
      // The examples: the first lines, each with words not seen in a line before.
      std::vector<std::pair<std::int32_t, std::int32_t>> examples, first_distinct;
      for (const SurveyPair& pair : survey.Examples(a, b)) {
        examples.emplace_back(pair.first_word, pair.second_word);
      }
      std::set<std::pair<std::string_view, std::string_view>> seen;
      for (const auto& [first, second] : expected.first_lines) {
        if (seen.emplace(words.Trimmed(first), words.Trimmed(second)).second &&
            first_distinct.size() < kSurveyExamplePairs) {
          first_distinct.emplace_back(first, second);
        }
      }
      ASSERT_EQ(examples, first_distinct) << survey.symbols[a] << " / " << survey.symbols[b];
    }
  }
}

TEST(SurveyMinimalPairs, CountsFollowTheSubstitution) {
  struct Case {
    std::vector<std::string> lines;
    std::string first, second;
    std::int64_t expected;
  };
  const std::vector<Case> cases = {
      {{"K AE1 T", "G AE1 T", "K OW1 T", "G OW1 L", "  B AE1 G  ", "B AE1 K", "K IH1 K", "G IH1 K",
        "K IH1 G", "G IH1 G"},
       "K",
       "G",
       5},
      {{"T T AE1", "P P AE1"}, "P", "T", 0},  // only the first of adjacent T's is replaced
      {{"T T AE1", "P T AE1"}, "P", "T", 1},
      {{"T T T", "P T P", "P P P"}, "P", "T", 2},       // never T T T with P P P
      {{"T  T", "P  P", "P  T", "T  P"}, "P", "T", 3},  // two spaces: both T's are replaced
      {{"P AE1", "P AE1", "T AE1", "T AE1", "T AE1"}, "P", "T", 6},
      {{"P AE1", "T AE1", "PT AE1"}, "PT", "T", 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CountFor(SurveyOf(ListOf(c.lines)), c.first, c.second), c.expected)
        << c.lines.front() << ": " << c.first << " for " << c.second;
  }
}

TEST(SurveyMinimalPairs, SymbolsByWordsThenFirstAppearance) {
  const Survey survey = SurveyOf(ListOf({"B A", "C C", "A  D", "", "D D D", "C"}));
  EXPECT_EQ(survey.symbols, (std::vector<std::string>{"A", "C", "D", "B"}));
  EXPECT_EQ(survey.word_counts, (std::vector<std::int64_t>{2, 2, 2, 1}));
}

// Small lists over a tiny alphabet, so that words pair often and the awkward
// cases come up: adjacent repeats, duplicates, blank lines, double spaces,
// symbols made of other symbols' characters.
std::vector<std::string> RandomLines(std::mt19937& random) {
  static const testing_support::RandomLineShape kShape{
      {"P", "T", "P", "T", "PT", "A", "A1", "\\"}, 14, 4, 15, 8, " "};
  return testing_support::RandomLines(random, kShape);
}

TEST(SurveyMinimalPairs, AgreesWithTheNestedLoopsOnRandomLists) {
  std::mt19937 random(20261207);
  for (int round = 0; round < 3000; ++round) {
    const lexicon::WordList words = ListOf(RandomLines(random));
    ExpectAgreesWithNestedLoops(words, SurveyOf(words));
    if (HasFatalFailure()) FAIL() << "round " << round;
  }
}

TEST(SurveyMinimalPairs, RefusesMoreThanAThousandSymbols) {
  std::vector<std::string> lines;
  lines.reserve(1001);
  for (int n = 0; n < 1000; ++n) lines.push_back(std::string("S").append(std::to_string(n)));
  EXPECT_EQ(SurveyOf(ListOf(lines)).size(), 1000u);
  lines.emplace_back("one more");
  try {
    SurveyOf(ListOf(lines));
    FAIL() << "no error";
  } catch (const texts::SearchError& error) {
    EXPECT_STREQ(error.what(),
                 "cannot survey 'in.txt': it has more than 1000 different symbols (are the "
                 "symbols of each word separated by spaces?)");
  }
}

// The lines that the real pair search writes for two symbols of `words`.
std::string SearchedPairs(const lexicon::WordList& words, const std::string& first_text,
                          const std::string& second_text, const ProgramFolder& folder) {
  const pairs::SearchSymbol first = pairs::MakeSearchSymbol(first_text, texts::TextEncoding::kUtf8);
  const pairs::SearchSymbol second =
      pairs::MakeSearchSymbol(second_text, texts::TextEncoding::kUtf8);
  std::vector<std::int32_t> first_list, second_list;
  for (std::size_t j = 0; j < words.size(); ++j) {
    const auto position = static_cast<std::int32_t>(j);
    if (lexicon::ContainsSymbol(words.Padded(j), *first.Match)) first_list.push_back(position);
    if (lexicon::ContainsSymbol(words.Padded(j), *second.Match)) second_list.push_back(position);
  }
  RecordingHost host(folder.utf8());
  os::OutputFile file(folder.utf8() + "/pairs.txt");
  pairs::FindPairs(words, {first, first_list}, {second, second_list}, file, host);
  file.Close();
  return folder.Read("pairs.txt");
}

// Every pair of symbols of the sample list: the survey against the real pair
// search, its number of lines and its first lines.
TEST(SurveyMinimalPairs, AgreesWithTheSearchOnTheSampleList) {
  const ProgramFolder folder(testing_support::ReadFile(MINPAIRS_SAMPLE_LIST));
  const lexicon::WordList words = lexicon::ReadWordList(folder.utf8() + "/in.txt").words;
  const Survey survey = SurveyOf(words);
  ASSERT_GT(survey.size(), 40u);
  for (std::size_t a = 0; a < survey.size(); ++a) {
    for (std::size_t b = 0; b < survey.size(); ++b) {
      if (a == b) continue;
      const std::string& first = survey.symbols[a];
      const std::string& second = survey.symbols[b];
      const std::string pairs = SearchedPairs(words, first, second, folder);
      std::string examples;
      for (const SurveyPair& pair : survey.Examples(a, b)) {
        examples += std::string(words.Trimmed(pair.first_word)) + "\t" +
                    std::string(words.Trimmed(pair.second_word)) + "\r\n";
      }
      std::string first_distinct;
      std::set<std::string> seen;
      std::istringstream lines(pairs);
      for (std::string line; std::getline(lines, line) && seen.size() < kSurveyExamplePairs;) {
        if (seen.insert(line).second) first_distinct += line + "\n";
      }
      ASSERT_EQ(std::count(pairs.begin(), pairs.end(), '\n'), survey.Count(a, b))
          << first << "/" << second;
      ASSERT_EQ(examples, first_distinct) << first << "/" << second;
    }
  }
}

}  // namespace
}  // namespace search::survey
