// Times the functional loads of every pair of symbols on one word list, each
// stage alone and the whole, without frequencies and with made-up ones, and
// reports the process's peak memory before and after.
// Usage: functional_load_bench FOLDER   (reads FOLDER/in.txt; Linux, for the memory;
// bench/run runs it on the pronouncing dictionary)
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "search/lexicon/word_list.h"
#include "search/lexicon/word_list_reader.h"
#include "search/survey/functional_load.h"
#include "search/survey/merged_forms.h"
#include "search/survey/same_difference_pairs.h"
#include "search/survey/symbol_sequences.h"
#include "search/texts/decimal_text.h"
#include "search/texts/search_error.h"

namespace {

constexpr int kRuns = 5;

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

struct Seconds {
  double wall = 1e9;
  double processor = 1e9;  // counts no waits for a busy processor
};

// The best of kRuns runs of `work`.
template <typename Work>
Seconds BestSeconds(Work&& work) {
  Seconds best;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t processor_start = std::clock();
    work();
    best.processor = std::min(best.processor,
                              static_cast<double>(std::clock() - processor_start) / CLOCKS_PER_SEC);
    best.wall = std::min(
        best.wall, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

search::survey::LoadWords LoadWordsOf(const search::survey::SymbolSequences& sequences) {
  search::survey::LoadWords words;
  for (std::size_t word = 0; word < sequences.size(); ++word) {
    words.words.push_back(sequences[word]);
  }
  words.id_count = sequences.symbol_count() + 1;
  return words;
}

// Zipf-like whole frequencies, repeating every 5,000 words: 1,000,000 / n + 1
// for the n-th, rounded down.
std::vector<double> MadeUpFrequencies(std::size_t words) {
  std::vector<double> frequencies;
  frequencies.reserve(words);
  for (std::size_t n = 0; n < words; ++n) {
    const std::size_t frequency = 1000000 / (n % 5000 + 1) + 1;
    frequencies.push_back(static_cast<double>(frequency));
  }
  return frequencies;
}

void PrintTopContrasts(const search::survey::SymbolSequences& sequences,
                       search::survey::FunctionalLoads loads) {
  std::sort(loads.contrasts.begin(), loads.contrasts.end(),
            [](const auto& x, const auto& y) { return x.types_normalised > y.types_normalised; });
  loads.contrasts.resize(std::min<std::size_t>(loads.contrasts.size(), 3));
  for (const search::survey::ContrastLoad& row : loads.contrasts) {
    std::printf("  %s/%s: %lld same-difference pairs, ΔH types normalised %s, trigrams %s\n",
                std::string(sequences.symbol(row.first)).c_str(),
                std::string(sequences.symbol(row.second)).c_str(),
                static_cast<long long>(row.same_difference_pairs),
                search::texts::EightDigitText(row.types_normalised).c_str(),
                search::texts::EightDigitText(row.trigrams_normalised).c_str());
  }
}

void Measure(const search::survey::SymbolSequences& sequences) {
  search::survey::LoadWords words = LoadWordsOf(sequences);
  const long read_kb = PeakKilobytes();
  const std::vector<double> ones(words.words.size(), 1.0);
  const Seconds pairs = BestSeconds([&] {
    search::survey::CountSameDifferencePairs(words.words, words.id_count,
                                             search::survey::kMaxKeyedPlaces);
  });
  const Seconds merges =
      BestSeconds([&] { search::survey::MergeEveryPair(words.words, ones, words.id_count); });
  search::survey::FunctionalLoads loads;
  const Seconds plain = BestSeconds([&] { loads = search::survey::MeasureFunctionalLoads(words); });
  words.frequencies = MadeUpFrequencies(words.words.size());
  const Seconds weighted = BestSeconds([&] { search::survey::MeasureFunctionalLoads(words); });
  std::printf("%zu distinct words, %zu symbols, %zu pairs of symbols with a load\n",
              words.words.size(), sequences.symbol_count(), loads.contrasts.size());
  std::printf("best of %d, wall clock (processor time):\n", kRuns);
  std::printf("  same-difference pairs %.3f s (%.3f s), merged words %.3f s (%.3f s)\n", pairs.wall,
              pairs.processor, merges.wall, merges.processor);
  std::printf("  all measures %.3f s (%.3f s) without frequencies, %.3f s (%.3f s) with\n",
              plain.wall, plain.processor, weighted.wall, weighted.processor);
  std::printf("peak memory %ld KB once read, %ld KB after (%ld KB more)\n", read_kb,
              PeakKilobytes(), PeakKilobytes() - read_kb);
  PrintTopContrasts(sequences, loads);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: functional_load_bench FOLDER\n");
    return 2;
  }
  try {
    const search::lexicon::WordList list =
        search::lexicon::ReadWordList(std::string(argv[1]) + "/in.txt").words;
    const search::survey::SymbolSequences sequences(list, "in.txt");
    Measure(sequences);
    return 0;
  } catch (const search::texts::SearchError& error) {
    std::fprintf(stderr, "functional_load_bench: error: %s\n", error.what());
    return 1;
  }
}
