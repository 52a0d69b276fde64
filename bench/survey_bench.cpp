// Times the survey against the loop of single searches that it replaces, in one
// run on one word list, and checks that they agree on every pair it times.
// Usage: survey_bench FOLDER [PAIRS]   (reads FOLDER/in.txt; PAIRS single searches, default 300)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "recording_host.h"
#include "search/lexicon/word_list.h"
#include "search/lexicon/word_list_reader.h"
#include "search/pairs/pair_index.h"
#include "search/survey/survey.h"
#include "search/texts/search_error.h"
#include "temp_folder.h"

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The selection and pair search stages of one single search; returns its lines.
std::int64_t SingleSearch(const search::lexicon::WordList& words, const std::string& first_text,
                          const std::string& second_text, const std::string& path) {
  const auto first =
      search::pairs::MakeSearchSymbol(first_text, search::texts::TextEncoding::kUtf8);
  const auto second =
      search::pairs::MakeSearchSymbol(second_text, search::texts::TextEncoding::kUtf8);
  const std::vector<std::int32_t> first_list =
      search::lexicon::SelectWordsContaining(words, *first.Match);
  const std::vector<std::int32_t> second_list =
      search::lexicon::SelectWordsContaining(words, *second.Match);
  testing_support::SilentHost host;
  search::os::OutputFile file(path);
  search::pairs::FindPairs(words, {first, first_list}, {second, second_list}, file, host);
  file.Close();
  const std::string pairs = testing_support::ReadFile(path);
  return static_cast<std::int64_t>(std::count(pairs.begin(), pairs.end(), '\n'));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: survey_bench FOLDER [PAIRS]\n");
    return 2;
  }
  const std::size_t wanted = argc == 3 ? std::strtoull(argv[2], nullptr, 10) : 300;
  try {
    const search::lexicon::WordList words =
        search::lexicon::ReadWordList(std::string(argv[1]) + "/in.txt").words;
    auto start = std::chrono::steady_clock::now();
    const search::survey::Survey survey = search::survey::SurveyMinimalPairs(words, "in.txt", {});
    const double surveying = SecondsSince(start);

    // Every so many cells, row by row, so that common and rare symbols both come up.
    const std::size_t cells = survey.size() * (survey.size() - 1);
    const std::size_t step = std::max<std::size_t>(1, cells / std::max<std::size_t>(wanted, 1));
    const testing_support::TempFolder folder;
    std::size_t searched = 0, disagreements = 0;
    start = std::chrono::steady_clock::now();
    for (std::size_t cell = 0, n = 0; cell < survey.size() * survey.size(); ++cell) {
      const std::size_t a = cell / survey.size(), b = cell % survey.size();
      if (a == b || n++ % step != 0) continue;
      const std::int64_t lines =
          SingleSearch(words, survey.symbols[a], survey.symbols[b], folder.utf8() + "/pairs.txt");
      disagreements += lines == survey.Count(a, b) ? 0 : 1;
      ++searched;
    }
    const double searching = SecondsSince(start);
    const double all_pairs = searching / static_cast<double>(searched) * static_cast<double>(cells);
    std::printf("%zu words, %zu symbols, %lld minimal pairs in %zu ordered pairs of symbols\n",
                words.size(), survey.size(), static_cast<long long>(survey.MinimalPairs()), cells);
    std::printf("survey %.3f s; %zu single searches %.3f s (%.2f ms each)\n", surveying, searched,
                searching, 1000 * searching / static_cast<double>(searched));
    std::printf("single searches for all %zu pairs ~%.1f s: %.0f times the survey; agree: %s\n",
                cells, all_pairs, all_pairs / surveying, disagreements == 0 ? "yes" : "NO");
    return disagreements == 0 ? 0 : 1;
  } catch (const search::texts::SearchError& error) {
    std::fprintf(stderr, "survey_bench: error: %s\n", error.what());
    return 1;
  }
}
