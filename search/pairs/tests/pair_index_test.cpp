#include "search/pairs/pair_index.h"

#include <gtest/gtest.h>

#include <random>

#include "nested_loop_pairs.h"
#include "random_lines.h"
#include "recording_host.h"
#include "search/kit/hash_mixing.h"
#include "search/lexicon/transcription.h"
#include "search/texts/status_texts.h"
#include "temp_folder.h"

namespace search::pairs {
namespace {

using testing_support::RecordingHost;
using testing_support::TempFolder;

// The words and lists a run would hand over, selected word by word, for words
// given without padding.
struct Lists {
  lexicon::WordList words;
  std::vector<std::int32_t> first;
  std::vector<std::int32_t> second;
};

Lists StateFor(const std::vector<std::string>& lines, const SearchSymbol& first,
               const SearchSymbol& second) {
  Lists lists;
  for (const auto& line : lines) lists.words.AppendLine(line);
  for (std::size_t j = 0; j < lists.words.size(); ++j) {
    const auto position = static_cast<std::int32_t>(j);
    if (lexicon::ContainsSymbol(lists.words.Padded(j), *first.Match))
      lists.first.push_back(position);
    if (lexicon::ContainsSymbol(lists.words.Padded(j), *second.Match))
      lists.second.push_back(position);
  }
  return lists;
}

SearchSymbol Symbol(std::string_view typed) {
  return MakeSearchSymbol(typed, texts::TextEncoding::kUtf8);
}

struct Result {
  std::string pairs;
  std::vector<std::string> shown;
};

template <typename Search>
Result RunPairSearch(Search search, const Lists& lists, const SearchSymbol& first,
                     const SearchSymbol& second) {
  TempFolder folder;
  RecordingHost host(folder.utf8());
  os::OutputFile file(folder.utf8() + "/pairs.txt");
  search(lists.words, {first, lists.first}, {second, lists.second}, file, host);
  file.Close();
  return {folder.Read("pairs.txt"), host.shown};
}

TEST(FindPairs, DirectionalAndAllOccurrences) {
  const auto first = Symbol("P"), second = Symbol("T");
  const auto state = StateFor(
      {"T T AE1", "P T AE1", "P P AE1", "P IH1 T", "T IH1 T", "P IH1 P", "T IH1 P", "P IH1 P"},
      first, second);
  const Result result = RunPairSearch(FindPairs, state, first, second);
  // " T T AE1 " becomes " P T AE1 ": adjacent symbols are replaced one by one.
  // "T IH1 P" never pairs with "P IH1 T": the second word is turned, never the first.
  EXPECT_EQ(result.pairs,
            "P T AE1\tT T AE1\r\nP P AE1\tP T AE1\r\n"
            "P IH1 P\tP IH1 T\r\nP IH1 P\tT IH1 T\r\nP IH1 P\tT IH1 P\r\n"
            "P IH1 P\tP IH1 T\r\nP IH1 P\tT IH1 T\r\nP IH1 P\tT IH1 P\r\n");
}

TEST(FindPairs, ProgressOnlyAtMultiplesOfAHundred) {
  const auto first = Symbol("K"), second = Symbol("G");
  for (const int count : {0, 99, 100, 250}) {
    std::vector<std::string> lines(static_cast<std::size_t>(count), "K AE1 T");
    const auto state = StateFor(lines, first, second);
    std::vector<std::string> expected;
    for (int i = 100; i <= count; i += 100) {
      expected.push_back("Completed " + texts::CountText(i) + " / " + texts::CountText(count) +
                         " words containing  K .");
    }
    EXPECT_EQ(RunPairSearch(FindPairs, state, first, second).shown, expected) << count << " words";
  }
}

// Random word lists with the awkward cases mixed in: repeated and adjacent
// symbols, symbols that are prefixes of others, blank lines, double spaces and
// duplicates. The indexed search must give exactly the nested loops' output.
std::vector<std::string> RandomLines(std::mt19937& random) {
  static const testing_support::RandomLineShape kShape{
      {"P", "T", "K", "AE1", "AE", "T", "P", "S", "PT"}, 400, 5, 10, 5, "  "};
  return testing_support::RandomLines(random, kShape);
}

// Words with hundreds of partners each: the later half's pair lines, made on
// another thread, fill many pieces of memory before they are written.
TEST(FindPairs, ManyPartnersKeepTheirOrderAcrossPieces) {
  std::vector<std::string> lines;
  for (int copy = 0; copy < 700; ++copy) {
    lines.push_back("P AE1 " + std::to_string(copy % 7));
    lines.push_back("T AE1 " + std::to_string(copy % 7));
  }
  const auto first = Symbol("P"), second = Symbol("T");
  const auto state = StateFor(lines, first, second);
  const Result nested = RunPairSearch(testing_support::NestedLoopPairs, state, first, second);
  ASSERT_GT(nested.pairs.size(), std::size_t{1} << 20);
  const Result indexed = RunPairSearch(FindPairs, state, first, second);
  EXPECT_EQ(indexed.pairs, nested.pairs);
  EXPECT_EQ(indexed.shown, nested.shown);
}

// Hashes that place many different candidates alike, so that the index must
// tell them apart by their text: one slot for all, and the length alone.
std::uint64_t SameForAll(std::string_view /*text*/) { return 0x1234567890ABCDEFu; }
std::uint64_t LengthOnly(std::string_view text) { return text.size() * kit::kGoldenRatio; }

struct NamedHash {
  const char* name;
  kit::TextHash hash;
};

TEST(FindPairs, MatchesTheNestedLoopsOnRandomLists) {
  const std::vector<std::pair<std::string, std::string>> symbol_pairs = {
      {"P", "T"}, {"T", "P"}, {"P", "P"}, {"AE1", "AE"}, {"P T", "K"}, {"", "S"}, {"PT", "T T"}};
  const std::vector<NamedHash> hashes = {
      {"HashText", kit::HashText}, {"SameForAll", SameForAll}, {"LengthOnly", LengthOnly}};
  std::mt19937 random(20261207);
  for (int round = 0; round < 60; ++round) {
    const auto lines = RandomLines(random);
    for (const auto& [first_text, second_text] : symbol_pairs) {
      const auto first = Symbol(first_text), second = Symbol(second_text);
      const auto state = StateFor(lines, first, second);
      const Result nested = RunPairSearch(testing_support::NestedLoopPairs, state, first, second);
      for (const NamedHash& named : hashes) {
        const auto search = [&](const lexicon::WordList& words, const PairSearchSide& first_side,
                                const PairSearchSide& second_side, os::OutputFile& file,
                                os::RunHost& host) {
          PairIndex(words, first_side, second_side, named.hash).WritePairs(file, host);
        };
        const Result indexed = RunPairSearch(search, state, first, second);
        ASSERT_EQ(indexed.pairs, nested.pairs)
            << "round " << round << ", " << first_text << "/" << second_text << ", " << named.name;
        ASSERT_EQ(indexed.shown, nested.shown);
      }
      ASSERT_EQ(RunPairSearch(FindPairs, state, first, second).pairs, nested.pairs);
    }
  }
}

}  // namespace
}  // namespace search::pairs
