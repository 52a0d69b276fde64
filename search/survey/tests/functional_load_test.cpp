#include "search/survey/functional_load.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace search::survey {
namespace {

using Sequence = std::vector<std::uint16_t>;

// A lexicon whose words are written with symbols between spaces, or with one
// symbol per character where `per_character`.
class TestLexicon final {
 public:
  TestLexicon(const std::vector<std::string>& transcriptions, std::vector<double> frequencies,
              bool per_character = false) {
    for (const std::string& transcription : transcriptions) {
      sequences_.push_back(per_character ? Characters(transcription) : Symbols(transcription));
    }
    Fill(std::move(frequencies));
  }
  TestLexicon(std::vector<Sequence> sequences, std::vector<double> frequencies,
              std::size_t id_count)
      : sequences_(std::move(sequences)) {
    Fill(std::move(frequencies));
    words_.id_count = id_count;
  }

  [[nodiscard]] const LoadWords& words() const { return words_; }
  [[nodiscard]] std::uint16_t Id(std::string_view symbol) const {
    return static_cast<std::uint16_t>(std::find(symbols_.begin(), symbols_.end(), symbol) -
                                      symbols_.begin());
  }

 private:
  void Fill(std::vector<double> frequencies) {
    for (const Sequence& sequence : sequences_) words_.words.emplace_back(sequence);
    words_.frequencies = std::move(frequencies);
    words_.id_count = symbols_.size();
  }
  std::uint16_t Intern(const std::string& symbol) {
    const auto at = std::find(symbols_.begin(), symbols_.end(), symbol);
    if (at == symbols_.end()) symbols_.push_back(symbol);
    return Id(symbol);
  }
  Sequence Symbols(const std::string& transcription) {
    Sequence sequence;
    for (std::size_t start = 0; start <= transcription.size();) {
      const std::size_t space = std::min(transcription.find(' ', start), transcription.size());
      sequence.push_back(Intern(transcription.substr(start, space - start)));
      start = space + 1;
    }
    return sequence;
  }
  Sequence Characters(const std::string& transcription) {  // UTF-8 characters
    Sequence sequence;
    for (std::size_t start = 0; start < transcription.size();) {
      std::size_t end = start + 1;
      while (end < transcription.size() && (transcription[end] & 0xC0) == 0x80) ++end;
      sequence.push_back(Intern(transcription.substr(start, end - start)));
      start = end;
    }
    return sequence;
  }

  std::vector<std::string> symbols_;
  std::vector<Sequence> sequences_;
  LoadWords words_;
};

const ContrastLoad* Find(const FunctionalLoads& loads, std::uint16_t a, std::uint16_t b) {
  for (const ContrastLoad& row : loads.contrasts) {
    if (row.first == std::min(a, b) && row.second == std::max(a, b)) return &row;
  }
  return nullptr;
}

double Normalised(double delta, double entropy) { return entropy > 0 ? delta / entropy : 0; }

// The model: every pair of words compared, and every merge made by rewriting
// every word.
double Entropy(const std::map<Sequence, double>& weights) {
  double total = 0, sum = 0;
  for (const auto& [form, weight] : weights) total += weight;
  for (const auto& [form, weight] : weights) {
    if (weight > 0) sum -= weight / total * std::log2(weight / total);
  }
  return sum;
}

std::map<Sequence, double> Forms(const LoadWords& lexicon, std::uint16_t a, std::uint16_t b) {
  std::map<Sequence, double> forms;
  for (std::size_t n = 0; n < lexicon.words.size(); ++n) {
    Sequence form(lexicon.words[n].begin(), lexicon.words[n].end());
    std::replace(form.begin(), form.end(), b, a);
    forms[form] += lexicon.frequencies.empty() ? 1 : lexicon.frequencies[n];
  }
  return forms;
}

std::map<Sequence, double> Trigrams(const std::map<Sequence, double>& forms) {
  constexpr std::uint16_t kBoundary = 0xFFF0;
  std::map<Sequence, double> trigrams;
  for (const auto& [form, weight] : forms) {
    Sequence padded = {kBoundary};
    padded.insert(padded.end(), form.begin(), form.end());
    padded.push_back(kBoundary);
    for (std::size_t i = 0; i + 3 <= padded.size(); ++i) {
      trigrams[Sequence(padded.begin() + static_cast<std::ptrdiff_t>(i),
                        padded.begin() + static_cast<std::ptrdiff_t>(i + 3))] += weight;
    }
  }
  return trigrams;
}

void CountPair(SymbolIds x, SymbolIds y, std::map<std::pair<int, int>, ContrastLoad>& rows) {
  std::set<std::pair<std::uint16_t, std::uint16_t>> differences;
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (x[i] != y[i]) differences.insert({x[i], y[i]});
  }
  if (differences.size() != 1) return;
  const auto [a, b] = std::minmax(differences.begin()->first, differences.begin()->second);
  ContrastLoad& row = rows[{a, b}];
  ++row.same_difference_pairs;
  const auto places = std::mismatch(x.begin(), x.end(), y.begin()).first - x.begin();
  if (std::equal(x.begin() + places + 1, x.end(), y.begin() + places + 1)) ++row.one_place_pairs;
}

FunctionalLoads ModelLoads(const LoadWords& lexicon) {
  std::map<std::pair<int, int>, ContrastLoad> rows;
  for (std::size_t i = 0; i < lexicon.words.size(); ++i) {
    for (std::size_t j = i + 1; j < lexicon.words.size(); ++j) {
      if (lexicon.words[i].size() == lexicon.words[j].size()) {
        CountPair(lexicon.words[i], lexicon.words[j], rows);
      }
    }
  }
  const auto unmerged = Forms(lexicon, 0, 0);
  FunctionalLoads loads;
  loads.types_entropy = std::log2(static_cast<double>(unmerged.size()));
  if (!lexicon.frequencies.empty()) loads.tokens_entropy = Entropy(unmerged);
  const double trigram_entropy = Entropy(Trigrams(unmerged)) / 3;
  const auto ids = static_cast<std::uint16_t>(lexicon.id_count);
  for (std::uint16_t a = 0; a < ids; ++a) {
    for (std::uint16_t b = a + 1; b < ids; ++b) {
      const auto merged = Forms(lexicon, a, b);
      ContrastLoad row = rows[{a, b}];
      row.first = a, row.second = b;
      row.words_with_either = static_cast<std::int64_t>(
          std::count_if(lexicon.words.begin(), lexicon.words.end(), [&](SymbolIds word) {
            return std::find_if(word.begin(), word.end(),
                                [&](auto id) { return id == a || id == b; }) != word.end();
          }));
      row.types_delta = loads.types_entropy - std::log2(static_cast<double>(merged.size()));
      row.types_normalised = Normalised(row.types_delta, loads.types_entropy);
      if (loads.tokens_entropy) {
        row.tokens_delta = *loads.tokens_entropy - Entropy(merged);
        row.tokens_normalised = Normalised(*row.tokens_delta, *loads.tokens_entropy);
      }
      const double trigram_delta = trigram_entropy - Entropy(Trigrams(merged)) / 3;
      row.trigrams_normalised = Normalised(trigram_delta, trigram_entropy);
      if (row.same_difference_pairs > 0 || merged.size() < unmerged.size() ||
          row.tokens_delta.value_or(0) > 1e-9 || trigram_delta > 1e-9) {
        loads.contrasts.push_back(row);
      }
    }
  }
  return loads;
}

void ExpectSameRow(const ContrastLoad& got, const ContrastLoad& want) {
  constexpr double kClose = 1e-9;
  EXPECT_EQ(got.first, want.first);
  EXPECT_EQ(got.second, want.second);
  EXPECT_EQ(got.one_place_pairs, want.one_place_pairs);
  EXPECT_EQ(got.same_difference_pairs, want.same_difference_pairs);
  EXPECT_EQ(got.words_with_either, want.words_with_either);
  EXPECT_NEAR(got.types_delta, want.types_delta, kClose);
  EXPECT_NEAR(got.types_normalised, want.types_normalised, kClose);
  ASSERT_EQ(got.tokens_delta.has_value(), want.tokens_delta.has_value());
  if (want.tokens_delta) {
    EXPECT_NEAR(*got.tokens_delta, *want.tokens_delta, kClose);
    EXPECT_NEAR(*got.tokens_normalised, *want.tokens_normalised, kClose);
  }
  EXPECT_NEAR(got.trigrams_normalised, want.trigrams_normalised, kClose);
}

// Few symbols, so that words pair and merge often, and repeat within a word.
TestLexicon RandomLexicon(std::mt19937& random, bool with_frequencies) {
  const auto ids = std::uniform_int_distribution<std::size_t>(2, 5)(random);
  const auto words = std::uniform_int_distribution<std::size_t>(1, 60)(random);
  std::uniform_int_distribution<int> length(1, 6), symbol(0, static_cast<int>(ids) - 1),
      frequency(0, 20);
  std::set<Sequence> distinct;
  while (distinct.size() < words) {
    Sequence word(static_cast<std::size_t>(length(random)));
    for (auto& id : word) id = static_cast<std::uint16_t>(symbol(random));
    distinct.insert(word);
  }
  std::vector<double> frequencies;
  if (with_frequencies) {
    for (std::size_t n = 0; n < words; ++n) frequencies.push_back(frequency(random));
  }
  std::vector<Sequence> shuffled(distinct.begin(), distinct.end());
  std::shuffle(shuffled.begin(), shuffled.end(), random);
  return TestLexicon(std::move(shuffled), std::move(frequencies), ids);
}

// Words compared one with another for symbols in more places than the bound,
// by keys for the others: every bound must give the same counts.
TEST(FunctionalLoads, AgreeWithComparingEveryPairAndRewritingEveryWord) {
  const std::vector<std::size_t> bounds = {kMaxKeyedPlaces, 2, 1, 0};
  std::mt19937 random(20240611);
  for (int round = 0; round < 240; ++round) {
    const TestLexicon lexicon = RandomLexicon(random, round % 2 == 0);
    const FunctionalLoads want = ModelLoads(lexicon.words());
    const std::size_t bound = bounds[static_cast<std::size_t>(round) % bounds.size()];
    const FunctionalLoads got = MeasureFunctionalLoads(lexicon.words(), bound);
    SCOPED_TRACE("round " + std::to_string(round) + ", bound " + std::to_string(bound));
    EXPECT_NEAR(got.types_entropy, want.types_entropy, 1e-12);
    ASSERT_EQ(got.tokens_entropy.has_value(), want.tokens_entropy.has_value());
    if (want.tokens_entropy) {
      EXPECT_NEAR(*got.tokens_entropy, *want.tokens_entropy, 1e-12);
    }
    ASSERT_EQ(got.contrasts.size(), want.contrasts.size());
    for (std::size_t n = 0; n < want.contrasts.size(); ++n) {
      ExpectSameRow(got.contrasts[n], want.contrasts[n]);
    }
    if (HasFailure()) return;
  }
}

// The published figures, to the digits published.
struct Figure {
  std::string first, second;
  std::int64_t ContrastLoad::*count = nullptr;
  std::int64_t expected_count = 0;
  double ContrastLoad::*measure = nullptr;
  double expected = 0, within = 0;
};

void ExpectFigures(const TestLexicon& lexicon, const std::vector<Figure>& figures) {
  const FunctionalLoads loads = MeasureFunctionalLoads(lexicon.words());
  for (const Figure& figure : figures) {
    SCOPED_TRACE(figure.first + "/" + figure.second);
    const ContrastLoad* row = Find(loads, lexicon.Id(figure.first), lexicon.Id(figure.second));
    ASSERT_NE(row, nullptr);
    if (figure.count != nullptr) {
      EXPECT_EQ(row->*figure.count, figure.expected_count);
    }
    if (figure.measure != nullptr) {
      EXPECT_NEAR(row->*figure.measure, figure.expected, figure.within);
    }
  }
}

constexpr double kEightDigits = 0.5e-8;
const std::vector<std::string> kCorpus1Words = {
    "ɑ t e m ɑ",   "e n u t ɑ",       "m ɑ ʃ o m i s i", "m ɑ t ɑ",     "n ɑ t ɑ",
    "s ɑ s i",     "ʃ ɑ ʃ i",         "ʃ i s ɑ t ɑ",     "ʃ u ʃ o m ɑ", "t ɑ",
    "t ɑ t o m i", "t i ʃ e n i ʃ u", "t o n i",         "t u s ɑ",     "ʃ i"};
const std::vector<double> kCorpus1Frequencies = {11,  11, 5, 2,  2,  139, 43, 3,
                                                 126, 67, 7, 96, 33, 32,  2};
const std::string kSh = "ʃ";

TEST(FunctionalLoads, GiveThePublishedFiguresOfAnInventedLanguage) {
  const TestLexicon lexicon(kCorpus1Words, kCorpus1Frequencies);
  using L = ContrastLoad;
  ExpectFigures(lexicon, {
                             {"s", kSh, &L::same_difference_pairs, 1},
                             {"m", "n", &L::same_difference_pairs, 1},
                             {"e", "o", &L::same_difference_pairs, 0},
                             {"s", kSh, &L::words_with_either, 8},
                             {"m", "n", &L::words_with_either, 9},
                             {"s", kSh, nullptr, 0, &L::types_normalised, 0.02547695, kEightDigits},
                             {"m", "n", nullptr, 0, &L::types_normalised, 0.02547695, kEightDigits},
                             {"e", "o", nullptr, 0, &L::types_normalised, 0, kEightDigits},
                             {"s", kSh, nullptr, 0, &L::types_delta, 0.09953567, kEightDigits},
                         });
  const FunctionalLoads loads = MeasureFunctionalLoads(lexicon.words());
  EXPECT_NEAR(Find(loads, lexicon.Id("s"), lexicon.Id(kSh))->tokens_normalised.value(), 0.08305,
              0.5e-5);
  EXPECT_NEAR(Find(loads, lexicon.Id("m"), lexicon.Id("n"))->tokens_normalised.value(), 0.002314,
              0.5e-6);
}

TEST(FunctionalLoads, GiveThePublishedFiguresWithoutTheRarestWords) {
  std::vector<std::string> words;
  std::vector<double> frequencies;
  for (std::size_t n = 0; n < kCorpus1Words.size(); ++n) {
    if (kCorpus1Frequencies[n] < 3) continue;
    words.push_back(kCorpus1Words[n]);
    frequencies.push_back(kCorpus1Frequencies[n]);
  }
  using L = ContrastLoad;
  ExpectFigures(TestLexicon(words, frequencies),
                {
                    {"s", kSh, &L::same_difference_pairs, 1},
                    {"s", kSh, &L::words_with_either, 7},
                    {"m", "n", &L::same_difference_pairs, 0},
                    {"s", kSh, nullptr, 0, &L::types_normalised, 0.035015954, 0.5e-9},
                });
}

TEST(FunctionalLoads, GiveThePublishedFiguresOfEnglishWords) {
  const TestLexicon lexicon({"hɑt", "sɑŋ", "hæt", "sɪŋ", "tɑt", "dɑt", "hɪp", "hɪd", "tim", "dim",
                             "tut", "dud", "hɪs", "hɪz", "sɪzəl", "dɪzi", "tɪzi"},
                            {2, 4, 1, 6, 3, 5, 2, 7, 5, 5, 9, 2, 3, 5, 4, 3, 4}, true);
  const FunctionalLoads loads = MeasureFunctionalLoads(lexicon.words());
  EXPECT_NEAR(loads.types_entropy, 4.087463, 0.5e-6);
  const ContrastLoad* t_d = Find(loads, lexicon.Id("t"), lexicon.Id("d"));
  ASSERT_NE(t_d, nullptr);
  EXPECT_EQ(t_d->one_place_pairs, 3);
  EXPECT_EQ(t_d->words_with_either, 11);
  EXPECT_NEAR(loads.types_entropy - t_d->types_delta, 3.700440, 0.5e-6);
  EXPECT_NEAR(t_d->types_normalised, 0.094685, 0.5e-6);
  EXPECT_NEAR(t_d->tokens_normalised.value(), 0.116715, 0.5e-6);
  // No pair, and no ΔH of any kind: h begins words and ŋ ends them.
  EXPECT_EQ(Find(loads, lexicon.Id("h"), lexicon.Id("ŋ")), nullptr);
}

}  // namespace
}  // namespace search::survey
