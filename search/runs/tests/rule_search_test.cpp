// Searches by --rule one-place and same-difference against a model that
// compares every two words, on random lists whose symbols are several
// characters long and prefixes of each other.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "program_folder.h"
#include "random_lines.h"
#include "recording_host.h"
#include "search/options/request_reading.h"
#include "search/runs/prepared_run.h"

namespace search::runs {
namespace {

using Symbols = std::vector<std::string>;

Symbols SymbolsOf(const std::string& word) {
  Symbols symbols;
  for (std::size_t start = 0;;) {
    const std::size_t space = std::min(word.find(' ', start), word.size());
    symbols.push_back(word.substr(start, space - start));
    if (space == word.size()) return symbols;
    start = space + 1;
  }
}

std::string Trimmed(const std::string& line) {
  const std::size_t start = line.find_first_not_of(' ');
  if (start == std::string::npos) return "";
  return line.substr(start, line.find_last_not_of(' ') - start + 1);
}

// The rules as the manual states them: x and y pair for A and B when they have
// as many symbols and every place where they differ holds A in x and B in y
// (exactly one such place for one-place), and, for `initial`, no symbol
// stands before any of those places.
bool Pairs(const Symbols& x, const Symbols& y, bool one_place, bool initial) {
  if (x.size() != y.size()) return false;
  std::size_t differing = 0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (x[i] == y[i]) continue;
    if (x[i] != "AA1" || y[i] != "AE1") return false;
    for (std::size_t j = 0; j < i && initial; ++j) {
      if (!x[j].empty()) return false;
    }
    ++differing;
  }
  return differing > 0 && (!one_place || differing == 1);
}

// Every pair of distinct transcriptions, by the first line of each.
std::string ModelPairs(const std::vector<std::string>& lines, bool one_place, bool initial) {
  std::vector<std::string> words;
  for (const std::string& line : lines) {
    const std::string word = Trimmed(line);
    if (std::find(words.begin(), words.end(), word) == words.end()) words.push_back(word);
  }
  std::string pairs;
  for (const std::string& x : words) {
    for (const std::string& y : words) {
      if (Pairs(SymbolsOf(x), SymbolsOf(y), one_place, initial)) {
        ((pairs += x) += '\t') += y;
        pairs += "\r\n";
      }
    }
  }
  return pairs;
}

std::string SearchedPairs(const std::vector<std::string>& lines, const std::string& rule,
                          bool initial) {
  std::string list;
  for (const std::string& line : lines) list += line + "\n";
  const testing_support::ProgramFolder folder(list);
  testing_support::RecordingHost host(folder.utf8());
  std::vector<std::string> arguments = {"--dir", folder.utf8(), "--rule", rule, "AA1", "AE1"};
  if (initial) arguments.insert(arguments.begin(), {"--position", "initial"});
  options::RunRequest request;
  std::string error;
  EXPECT_TRUE(options::ReadRequest(arguments, request, error)) << error;
  SearchState state;
  (void)runs::Run(PrepareRun(std::move(request)), host, state);
  return folder.Output("VendrelForAA1AndAE1 (" + std::string(initial ? "initial; " : "") + rule +
                       ").txt");
}

void ExpectAsTheModel(const std::vector<std::string>& lines) {
  for (const bool initial : {false, true}) {
    for (const bool one_place : {true, false}) {
      const std::string rule = one_place ? "one-place" : "same-difference";
      EXPECT_EQ(SearchedPairs(lines, rule, initial), ModelPairs(lines, one_place, initial))
          << rule << (initial ? " initial" : "");
    }
  }
}

TEST(RuleSearch, RandomListsAsTheModelHasThem) {
  std::mt19937 random(27);
  const testing_support::RandomLineShape shape{
      {"K", "AA1", "AE1", "AA1", "AE1", "T", "AA", "AE1 T"}, 30, 4, 15, 5, " "};
  for (int list = 0; list < 40; ++list) {
    SCOPED_TRACE("list " + std::to_string(list));
    ExpectAsTheModel(testing_support::RandomLines(random, shape));
  }
}

// Words that hold a symbol in more places than get keys are compared word by word.
TEST(RuleSearch, CrowdedWordsAsTheModelHasThem) {
  std::string eleven_a, ten_a;
  for (int n = 0; n < 11; ++n) eleven_a += n == 0 ? "AA1" : " AA1";
  for (int n = 0; n < 10; ++n) ten_a += n == 0 ? "AA1" : " AA1";
  std::string eleven_b = eleven_a;
  for (std::size_t at = eleven_b.find("AA1"); at != std::string::npos; at = eleven_b.find("AA1"))
    eleven_b.replace(at, 3, "AE1");
  ExpectAsTheModel({eleven_a, eleven_b, ten_a + " AE1", "AE1 " + ten_a, ten_a + " T",
                    "AE1 AE1 " + ten_a.substr(8) + " T"});
}

// The lexicon table lists every line of the words, their frame the first word
// with _ where the two differ, and the positions of those places.
TEST(RuleSearch, ALexiconsTableHasARowPerPairOfLines) {
  const testing_support::ProgramFolder folder;
  folder.Write("lexicon.tsv",
               "spelling\ttranscription\nsasi\ts ɑ s i\nshashi\tʃ ɑ ʃ i\nsassi\ts ɑ s i\n"
               "shashis\tʃ ɑ ʃ i s\n");
  testing_support::RecordingHost host(folder.utf8());
  options::RunRequest request;
  std::string error;
  ASSERT_TRUE(
      options::ReadRequest({"--dir", folder.utf8(), "--input", folder.utf8() + "/lexicon.tsv",
                            "--format", "tsv", "--rule", "same-difference", "s", "ʃ"},
                           request, error))
      << error;
  SearchState state;
  (void)runs::Run(PrepareRun(std::move(request)), host, state);
  EXPECT_EQ(folder.Output("VendrelForsAndʃ (same-difference).txt"), "s ɑ s i\tʃ ɑ ʃ i\r\n");
  EXPECT_EQ(folder.Output("VendrelForsAndʃ (same-difference).tsv"),
            "first spelling\tfirst transcription\tsecond spelling\tsecond "
            "transcription\tframe\tposition\r\n"
            "sasi\ts ɑ s i\tshashi\tʃ ɑ ʃ i\t_ ɑ _ i\tinitial+medial\r\n"
            "sassi\ts ɑ s i\tshashi\tʃ ɑ ʃ i\t_ ɑ _ i\tinitial+medial\r\n");
}

}  // namespace
}  // namespace search::runs
