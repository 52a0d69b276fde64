// Times the indexed pair search against the straightforward nested loops on one
// word list, in one run, and checks that both wrote the same bytes.
// Usage: pair_search_bench FOLDER FIRST SECOND [--indexed-only]   (reads FOLDER/in.txt)
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "nested_loop_pairs.h"
#include "recording_host.h"
#include "search/lexicon/word_list.h"
#include "search/lexicon/word_list_reader.h"
#include "search/pairs/pair_index.h"
#include "search/texts/search_error.h"
#include "temp_folder.h"

namespace {

struct Lists {
  search::lexicon::WordList words;
  std::vector<std::int32_t> first;
  std::vector<std::int32_t> second;
};

template <typename Search>
double TimeSearch(Search search, const Lists& lists, const search::pairs::SearchSymbol& first,
                  const search::pairs::SearchSymbol& second, const std::string& path) {
  testing_support::SilentHost host;
  const auto start = std::chrono::steady_clock::now();
  search::os::OutputFile file(path);
  search(lists.words, {first, lists.first}, {second, lists.second}, file, host);
  file.Close();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const bool indexed_only = argc == 5 && std::string(argv[4]) == "--indexed-only";
  if (argc != 4 && !indexed_only) {
    std::fprintf(stderr, "usage: pair_search_bench FOLDER FIRST SECOND [--indexed-only]\n");
    return 2;
  }
  try {
    const auto read_start = std::chrono::steady_clock::now();
    search::lexicon::WordListFile list =
        search::lexicon::ReadWordList(std::string(argv[1]) + "/in.txt");
    const auto first = search::pairs::MakeSearchSymbol(argv[2], list.encoding);
    const auto second = search::pairs::MakeSearchSymbol(argv[3], list.encoding);
    Lists lists{std::move(list.words), {}, {}};
    if (first.Match)
      lists.first = search::lexicon::SelectWordsContaining(lists.words, *first.Match);
    if (second.Match)
      lists.second = search::lexicon::SelectWordsContaining(lists.words, *second.Match);
    const double reading =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - read_start).count();

    const testing_support::TempFolder folder;
    const double indexed =
        TimeSearch(search::pairs::FindPairs, lists, first, second, folder.utf8() + "/indexed.txt");
    if (indexed_only) {
      std::printf("reading and selecting %.3f s, indexed pair search %.3f s\n", reading, indexed);
      return 0;
    }
    const double nested = TimeSearch(testing_support::NestedLoopPairs, lists, first, second,
                                     folder.utf8() + "/nested.txt");
    const std::string indexed_pairs = folder.Read("indexed.txt");
    const bool same = indexed_pairs == folder.Read("nested.txt");
    std::printf("words %zu, first list %zu, second list %zu, pair bytes %zu\n", lists.words.size(),
                lists.first.size(), lists.second.size(), indexed_pairs.size());
    std::printf("nested loops %.3f s, indexed %.4f s, ratio %.0fx, same output: %s\n", nested,
                indexed, nested / indexed, same ? "yes" : "NO");
    return same ? 0 : 1;
  } catch (const search::texts::SearchError& error) {
    std::fprintf(stderr, "pair_search_bench: error: %s\n", error.what());
    return 1;
  }
}
