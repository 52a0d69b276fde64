// Times folding a whole word list and selecting the words whose places fit a
// context, against selecting the words that hold the symbol, on one list.
// Usage: contexts_bench FOLDER STRIP SYMBOL CONTEXT   (reads FOLDER/in.txt)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "search/contexts/places.h"
#include "search/lexicon/word_list_reader.h"
#include "search/pairs/search_symbol.h"
#include "search/texts/search_error.h"

namespace {

// The median of seven runs, in seconds.
template <typename Work>
double Median(Work work) {
  std::vector<double> times;
  for (int run = 0; run < 7; ++run) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: contexts_bench FOLDER STRIP SYMBOL CONTEXT\n");
    return 2;
  }
  try {
    namespace contexts = search::contexts;
    const auto list = search::lexicon::ReadWordList(std::string(argv[1]) + "/in.txt");
    const contexts::Fold fold(argv[2], list.encoding);
    const auto symbol = search::pairs::MakeSearchSymbol(argv[3], list.encoding).Match.value();
    const std::string folded_symbol = fold.FoldSymbol(symbol).value();
    const contexts::PlaceRule rule({contexts::ParseContext(argv[4], nullptr)}, list.encoding,
                                   &fold);
    const double reading =
        Median([&] { (void)search::lexicon::ReadWordList(std::string(argv[1]) + "/in.txt"); });
    search::lexicon::WordList folded;
    const std::clock_t cpu_start = std::clock();
    const double folding = Median([&] { folded = fold.FoldWords(list.words); });
    // Processor time of both threads, which a busy machine distorts less.
    const double folding_cpu = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC / 7;
    std::size_t counts[3] = {};
    const double containing = Median(
        [&] { counts[0] = search::lexicon::SelectWordsContaining(folded, folded_symbol).size(); });
    const double fitting = Median([&] {
      counts[1] = contexts::SelectWordsWithFittingPlace(folded, folded_symbol, rule).size();
    });
    const double replaced = Median([&] {
      counts[2] = contexts::SelectWordsWhoseReplacedPlacesFit(folded, folded_symbol, rule).size();
    });
    std::printf("%zu words; medians of 7 runs:\n", list.words.size());
    std::printf("reading the list                  %.4f s\n", reading);
    std::printf("fold (strip '%s')                 %.4f s (%.4f s of processor time)\n", argv[2],
                folding, folding_cpu);
    std::printf("words holding '%s' (folded list)  %.4f s, %zu words\n", argv[3], containing,
                counts[0]);
    std::printf("some place fits '%s'             %.4f s, %zu words\n", argv[4], fitting,
                counts[1]);
    std::printf("every replaced place fits         %.4f s, %zu words\n", replaced, counts[2]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "contexts_bench: %s\n", error.what());
    return 1;
  }
  return 0;
}
