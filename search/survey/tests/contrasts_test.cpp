#include "search/survey/contrasts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "nested_loop_pairs.h"
#include "random_lines.h"
#include "search/lexicon/transcription.h"
#include "search/survey/survey.h"

namespace search::survey {
namespace {

lexicon::WordList ListOf(const std::vector<std::string>& lines) {
  lexicon::WordList words;
  for (const auto& line : lines) words.AppendLine(line);
  return words;
}

const Contrast* Find(const Survey& survey, std::string_view one, std::string_view other) {
  for (const Contrast& contrast : survey.contrasts) {
    const auto symbols =
        std::minmax(survey.symbols[contrast.earlier], survey.symbols[contrast.later]);
    if (symbols == std::minmax(std::string(one), std::string(other))) return &contrast;
  }
  return nullptr;
}

TEST(Contrasts, WordPairsCountDistinctWordsBothWays) {
  struct Case {
    std::vector<std::string> lines;
    std::vector<std::string> read;  // the lines before a fold; none when empty
    std::string one, other;
    std::int64_t word_pairs;
    std::array<std::int64_t, 3> words;  // with the earlier symbol, the later, both
  };
  const std::vector<Case> cases = {
      // minpairs t d finds no pair, minpairs d t finds one.
      {{"t \xC9\x91 d", "d \xC9\x91 d"}, {}, "t", "d", 1, {2, 1, 1}},
      // 2 lines each way, tat-dad in both.
      {{"t \xC9\x91 d", "d \xC9\x91 d", "t \xC9\x91 t"}, {}, "t", "d", 3, {2, 2, 1}},
      // Duplicate lines are one word.
      {{"n \xC9\x92 t", "n \xC9\x92 t", "n \xC9\x99\xCA\x8A t"},
       {},
       "\xC9\x92",
       "\xC9\x99\xCA\x8A",
       1,
       {1, 1, 0}},
      // Transcriptions that a fold makes alike stay two words...
      {{"n \xC9\x92 t", "n \xC9\x92 t", "n \xC9\x99\xCA\x8A t"},
       {"n \xC9\x92\xCB\x90 t", "n \xC9\x92 t", "n \xC9\x99\xCA\x8A t"},
       "\xC9\x92",
       "\xC9\x99\xCA\x8A",
       2,
       {2, 1, 0}},
      // ... and copies of one transcription one word.
      {{"n \xC9\x92 t", "n \xC9\x92 t", "n \xC9\x99\xCA\x8A t"},
       {"n \xC9\x92\xCB\x90 t", "n \xC9\x92\xCB\x90 t", "n \xC9\x99\xCA\x8A t"},
       "\xC9\x92",
       "\xC9\x99\xCA\x8A",
       1,
       {1, 1, 0}},
      // P P A and T T A never pair: only the first of two in a row is replaced.
      {{"P P A", "T T A", "P T A"}, {}, "P", "T", 2, {2, 2, 1}},
  };
  for (const Case& c : cases) {
    const lexicon::WordList read = ListOf(c.read);
    const Survey survey =
        SurveyMinimalPairs(ListOf(c.lines), "in.txt", {}, c.read.empty() ? nullptr : &read);
    const Contrast* contrast = Find(survey, c.one, c.other);
    ASSERT_NE(contrast, nullptr) << c.lines.back();
    EXPECT_EQ(contrast->word_pairs, c.word_pairs) << c.lines.back();
    EXPECT_EQ((std::array<std::int64_t, 3>{contrast->words_with_earlier, contrast->words_with_later,
                                           contrast->words_with_both}),
              c.words)
        << c.lines.back();
  }
}

// Checks every contrast against the plain model: the lines of the two pairs
// files of its symbols, each word taken as its transcription as read and named
// by its first position, each pair of words once.

void ExpectAgreesWithTheModel(const lexicon::WordList& words, const lexicon::WordList& read,
                              const Survey& survey) {
  // Each word as the first position of its transcription as read.
  std::map<std::string_view, std::int32_t> first_of;
  std::vector<std::int32_t> word_of(words.size());
  for (std::size_t j = 0; j < words.size(); ++j) {
    word_of[j] = first_of.try_emplace(read.Trimmed(j), j).first->second;
  }
  const auto holding = [&](const std::string& padded) {
    std::set<std::int32_t> held;
    for (std::size_t j = 0; j < words.size(); ++j) {
      if (lexicon::ContainsSymbol(words.Padded(j), padded)) held.insert(word_of[j]);
    }
    return held;
  };
  std::size_t with_pairs = 0;
  for (std::size_t a = 0; a < survey.size(); ++a) {
    for (std::size_t b = a + 1; b < survey.size(); ++b) {
      const std::string padded_a = lexicon::PadTranscription(survey.symbols[a]);
      const std::string padded_b = lexicon::PadTranscription(survey.symbols[b]);
      const std::size_t all = words.size() * words.size();
      std::set<std::pair<std::int32_t, std::int32_t>> pairs;
      std::vector<WordPair> oriented;
      const auto add = [&](std::int32_t with_a, std::int32_t with_b) {
        const auto key = std::minmax(word_of[with_a], word_of[with_b]);
        if (pairs.insert(key).second) oriented.push_back({word_of[with_a], word_of[with_b]});
      };
      for (const auto& [first, second] :
           testing_support::CountNestedLoopPairs(words, padded_a, padded_b, all).first_lines) {
        add(first, second);
      }
      for (const auto& [first, second] :
           testing_support::CountNestedLoopPairs(words, padded_b, padded_a, all).first_lines) {
        add(second, first);
      }
      const Contrast* contrast = Find(survey, survey.symbols[a], survey.symbols[b]);
      const std::string name = survey.symbols[a] + " / " + survey.symbols[b];
      if (pairs.empty()) {
        ASSERT_EQ(contrast, nullptr) << name;
        continue;
      }
      ++with_pairs;
      ASSERT_NE(contrast, nullptr) << name;
      ASSERT_EQ(contrast->word_pairs, static_cast<std::int64_t>(pairs.size())) << name;
      const std::set<std::int32_t> with_a = holding(padded_a), with_b = holding(padded_b);
      std::vector<std::int32_t> both;
      std::set_intersection(with_a.begin(), with_a.end(), with_b.begin(), with_b.end(),
                            std::back_inserter(both));
      ASSERT_EQ(contrast->words_with_earlier, static_cast<std::int64_t>(with_a.size())) << name;
      ASSERT_EQ(contrast->words_with_later, static_cast<std::int64_t>(with_b.size())) << name;
      ASSERT_EQ(contrast->words_with_both, static_cast<std::int64_t>(both.size())) << name;
      std::sort(oriented.begin(), oriented.end(), [](const WordPair& x, const WordPair& y) {
        return std::minmax(x.earlier_word, x.later_word) <
               std::minmax(y.earlier_word, y.later_word);
      });
      oriented.resize(std::min(oriented.size(), kContrastExamplePairs));
      ASSERT_EQ(contrast->examples, oriented) << name;
    }
  }
  ASSERT_EQ(survey.contrasts.size(), with_pairs);
  ASSERT_TRUE(std::is_sorted(survey.contrasts.begin(), survey.contrasts.end(),
                             [](const Contrast& x, const Contrast& y) {
                               return std::tuple(-x.word_pairs, x.earlier, x.later) <
                                      std::tuple(-y.word_pairs, y.earlier, y.later);
                             }));
}

TEST(Contrasts, AgreeWithThePairsFilesOnRandomLists) {
  static const testing_support::RandomLineShape kShape{
      {"P", "T", "P", "T", "PT", "A", "A1"}, 40, 4, 20, 8, " "};
  std::mt19937 random(20261208);
  for (int round = 0; round < 600; ++round) {
    const std::vector<std::string> lines = testing_support::RandomLines(random, kShape);
    // Every other round folded: as read, some symbols carry a mark that the
    // fold removed, so that copies of a word differ as read.
    std::vector<std::string> read_lines = lines;
    for (std::size_t j = 0; round % 2 == 1 && j < read_lines.size(); ++j) {
      std::string marked;
      for (const char c : read_lines[j]) {
        if (c == ' ' && random() % 3 == 0) marked += ':';
        marked += c;
      }
      read_lines[j] = marked;
    }
    const lexicon::WordList words = ListOf(lines);
    const lexicon::WordList read = ListOf(read_lines);
    ExpectAgreesWithTheModel(
        words, read, SurveyMinimalPairs(words, "in.txt", {}, round % 2 == 1 ? &read : nullptr));
    if (HasFatalFailure()) FAIL() << "round " << round;
  }
}

}  // namespace
}  // namespace search::survey
