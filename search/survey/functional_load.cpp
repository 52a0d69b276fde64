#include "search/survey/functional_load.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_map>

#include "search/survey/load_keys.h"
#include "search/survey/merged_forms.h"
#include "search/survey/same_difference_pairs.h"

namespace search::survey {
namespace {

// The distinct runs of three symbols of the padded words, with their weights.
struct Trigrams {
  std::vector<std::uint16_t> ids;  // three per run
  std::vector<SymbolIds> runs;
  std::vector<double> weights;
};

Trigrams TrigramsOf(std::span<const SymbolIds> words, std::span<const double> weights) {
  Trigrams trigrams;
  std::unordered_map<std::uint64_t, std::size_t> found;
  std::vector<std::uint16_t> padded;
  for (std::size_t word = 0; word < words.size(); ++word) {
    padded.assign(1, kBoundary);
    padded.insert(padded.end(), words[word].begin(), words[word].end());
    padded.push_back(kBoundary);
    for (std::size_t i = 0; i + 3 <= padded.size(); ++i) {
      const std::uint64_t key =
          std::uint64_t{padded[i]} << 32 | std::uint64_t{padded[i + 1]} << 16 | padded[i + 2];
      const auto [at, added] = found.try_emplace(key, trigrams.weights.size());
      if (added) {
        trigrams.ids.insert(trigrams.ids.end(), padded.begin() + static_cast<std::ptrdiff_t>(i),
                            padded.begin() + static_cast<std::ptrdiff_t>(i + 3));
        trigrams.weights.push_back(0);
      }
      trigrams.weights[at->second] += weights[word];
    }
  }
  for (std::size_t n = 0; n < trigrams.weights.size(); ++n) {
    trigrams.runs.push_back(SymbolIds(trigrams.ids).subspan(3 * n, 3));
  }
  return trigrams;
}

// The entropy in bits of the distribution that the weights are shares of: 0
// when they add up to nothing.
double Entropy(std::span<const double> weights) {
  const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
  if (total <= 0) return 0;
  double weighted_logs = 0;
  for (const double weight : weights) weighted_logs += WeightedLog(weight);
  return std::log2(total) - weighted_logs / total;
}

double Normalised(double delta, double entropy) { return entropy > 0 ? delta / entropy : 0; }

// Everything counted, by pair of symbols, and what the rows are made from.
struct Tallies {
  PairTallies pairs;
  SymbolWords symbol_words;
  MergeTallies words;
  MergeTallies trigrams;
  double word_count = 0;
  double token_total = 0;
  double trigram_total = 0;
  double trigram_entropy = 0;
  bool has_frequencies = false;
};

ContrastLoad Row(const Tallies& tallies, const FunctionalLoads& loads, std::uint16_t first,
                 std::uint16_t second) {
  const std::size_t cell = PairCell(first, second);
  ContrastLoad row;
  row.first = first;
  row.second = second;
  row.one_place_pairs = tallies.pairs.one_place[cell];
  row.same_difference_pairs = tallies.pairs.same_difference[cell];
  row.words_with_either = tallies.symbol_words.with[first] + tallies.symbol_words.with[second] -
                          tallies.symbol_words.both[cell];
  const auto forms = tallies.word_count - static_cast<double>(tallies.words.lost[cell]);
  row.types_delta = loads.types_entropy - std::log2(forms);
  row.types_normalised = Normalised(row.types_delta, loads.types_entropy);
  if (tallies.has_frequencies) {
    row.tokens_delta =
        tallies.token_total > 0 ? tallies.words.weighted_loss[cell] / tallies.token_total : 0;
    row.tokens_normalised = Normalised(*row.tokens_delta, *loads.tokens_entropy);
  }
  const double trigrams_delta =
      tallies.trigram_total > 0 ? tallies.trigrams.weighted_loss[cell] / tallies.trigram_total / 3
                                : 0;
  row.trigrams_normalised = Normalised(trigrams_delta, tallies.trigram_entropy);
  return row;
}

bool HasLoad(const Tallies& tallies, std::size_t cell) {
  return tallies.pairs.same_difference[cell] > 0 || tallies.words.lost[cell] > 0 ||
         tallies.words.weighted_loss[cell] > 0 || tallies.trigrams.weighted_loss[cell] > 0;
}

}  // namespace

SymbolWords CountSymbolWords(std::span<const SymbolIds> words, std::size_t id_count) {
  SymbolWords counts{std::vector<std::int64_t>(id_count),
                     std::vector<std::int64_t>(PairCells(id_count))};
  std::vector<std::uint16_t> held;
  for (const SymbolIds word : words) {
    held.assign(word.begin(), word.end());
    std::sort(held.begin(), held.end());
    held.erase(std::unique(held.begin(), held.end()), held.end());
    for (std::size_t i = 0; i < held.size(); ++i) {
      ++counts.with[held[i]];
      for (std::size_t j = i + 1; j < held.size(); ++j) ++counts.both[PairCell(held[i], held[j])];
    }
  }
  return counts;
}

FunctionalLoads MeasureFunctionalLoads(const LoadWords& lexicon, std::size_t max_keyed_places) {
  const std::span<const SymbolIds> words = lexicon.words;
  const std::size_t ids = lexicon.id_count;
  Tallies tallies;
  tallies.has_frequencies = !lexicon.frequencies.empty();
  const std::vector<double> weights =
      tallies.has_frequencies ? lexicon.frequencies : std::vector<double>(words.size(), 1.0);
  tallies.pairs = CountSameDifferencePairs(words, ids, max_keyed_places);
  tallies.symbol_words = CountSymbolWords(words, ids);
  tallies.words = MergeEveryPair(words, weights, ids);
  const Trigrams trigrams = TrigramsOf(words, weights);
  tallies.trigrams = MergeEveryPair(trigrams.runs, trigrams.weights, ids);
  tallies.word_count = static_cast<double>(words.size());
  tallies.token_total = std::accumulate(weights.begin(), weights.end(), 0.0);
  tallies.trigram_total = std::accumulate(trigrams.weights.begin(), trigrams.weights.end(), 0.0);
  tallies.trigram_entropy = Entropy(trigrams.weights) / 3;

  FunctionalLoads loads;
  loads.types_entropy = words.empty() ? 0 : std::log2(tallies.word_count);
  if (tallies.has_frequencies) loads.tokens_entropy = Entropy(weights);
  for (std::size_t first = 0; first < ids; ++first) {
    for (std::size_t second = first + 1; second < ids; ++second) {
      const auto a = static_cast<std::uint16_t>(first), b = static_cast<std::uint16_t>(second);
      if (HasLoad(tallies, PairCell(a, b))) loads.contrasts.push_back(Row(tallies, loads, a, b));
    }
  }
  return loads;
}

}  // namespace search::survey
