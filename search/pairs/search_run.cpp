#include "search/pairs/search_run.h"

#include <future>
#include <new>
#include <string>
#include <vector>

#include "search/kit/run_ahead.h"
#include "search/lexicon/transcription.h"
#include "search/lexicon/word_list.h"
#include "search/lexicon/word_list_reader.h"
#include "search/os/output_file.h"
#include "search/os/output_names.h"
#include "search/os/platform.h"
#include "search/pairs/pair_search.h"
#include "search/pairs/search_symbol.h"
#include "search/texts/search_error.h"
#include "search/texts/status_texts.h"

namespace search::pairs {
namespace {

// The files of one run, named after the trimmed symbols.
struct RunPaths {
  std::string word_list;
  std::string first_list;
  std::string second_list;
  std::string pairs;
};

RunPaths PathsFor(const std::string& folder, std::string_view first_name,
                  std::string_view second_name) {
  const std::string output = folder + "/output/";
  const auto list_path = [&](std::string_view name) {
    return output + "ListOfWordsWith " + std::string(name) + ".txt";
  };
  return RunPaths{
      folder + "/in.txt", list_path(first_name), list_path(second_name),
      output + "VendrelFor" + std::string(first_name) + "And" + std::string(second_name) + ".txt"};
}

// Runs a stage that writes the file at `path`; memory running out is reported
// as the failure to write it, and the file goes as any unfinished one does.
template <typename Stage>
auto Writing(const std::string& path, Stage&& stage) {
  try {
    return stage();
  } catch (const std::bad_alloc&) {
    throw texts::SearchError("not enough memory to write '" + path + "'");
  }
}

// The positions of the words that contain `symbol`, in order.
std::vector<std::int32_t> SelectWords(const lexicon::WordList& words, const SearchSymbol& symbol) {
  if (!symbol.Match) return {};
  return lexicon::SelectWordsContaining(words, *symbol.Match);
}

// Writes the file at `path`, one padded word per line: the words at
// `positions`, which `before_writing` may fill as it runs once the file is open.
template <typename BeforeWriting>
void WriteSymbolList(const std::string& path, const lexicon::WordList& words,
                     const std::vector<std::int32_t>& positions, BeforeWriting&& before_writing) {
  Writing(path, [&] {
    os::OutputFile file(path);
    before_writing();
    for (const std::int32_t position : positions) file.WriteLine(" ", words.Trimmed(position), " ");
    file.Close();
  });
}

void WritePairs(const std::string& path, std::future<PairIndex>& pair_index, RunHost& host) {
  Writing(path, [&] {
    os::OutputFile file(path);
    PairIndex index = pair_index.get();  // its running out of memory counts as this file's
    WriteIndexedPairs(index, file, host);
    file.Close();
  });
}

// The names the run writes to. The second list's may be a derived one, which
// shows only once the first list exists under its name.
WrittenFiles NameWrittenFiles(const RunPaths& paths, bool symbols_differ) {
  WrittenFiles written{paths.first_list,
                       os::SecondListPath(paths.first_list, paths.second_list, symbols_differ),
                       paths.pairs};
  written.second_list_derived = written.second_list != paths.second_list;
  return written;
}

void FillState(SearchState& state, lexicon::WordList words, std::int32_t word_count,
               std::vector<std::int32_t> first_list, std::vector<std::int32_t> second_list) {
  state.Words = std::move(words);
  state.WordCount = word_count;
  state.FirstCount = static_cast<std::int32_t>(first_list.size());
  state.FirstList = std::move(first_list);
  state.SecondCount = static_cast<std::int32_t>(second_list.size());
  state.SecondList = std::move(second_list);
}

}  // namespace

WrittenFiles RunSearch(std::string_view first_text, std::string_view second_text,
                       SearchState& state, RunHost& host) {
  const std::string_view first_name = lexicon::TrimSpaces(first_text);
  const std::string_view second_name = lexicon::TrimSpaces(second_text);
  os::CheckSymbolForFileName(first_name, "first");
  os::CheckSymbolForFileName(second_name, "second");
  const RunPaths paths = PathsFor(host.ApplicationDirectory(), first_name, second_name);
  os::CheckOutputPathLengths(paths.first_list, paths.second_list, paths.pairs,
                             first_name != second_name);

  host.ShowStatus(texts::kReadingStatus);
  lexicon::WordListFile list = lexicon::ReadWordList(paths.word_list);
  const std::int32_t word_count =
      CheckedCount(list.words.size(), "lines in '" + paths.word_list + "'");
  const SearchSymbol first = MakeSearchSymbol(first_text, list.encoding);
  const SearchSymbol second = MakeSearchSymbol(second_text, list.encoding);

  const lexicon::WordList& words = list.words;
  std::vector<std::int32_t> first_list;
  std::vector<std::int32_t> second_list;
  // Declared after everything it reads, so that an early end waits for it.
  std::future<PairIndex> pair_index;
  WriteSymbolList(paths.first_list, words, first_list, [&] {
    host.ShowStatus(texts::kMakingListsStatus);
    auto second_selected = kit::RunAhead([&] { return SelectWords(words, second); });
    first_list = SelectWords(words, first);
    second_list = second_selected.get();
    // Built while the lists are written.
    pair_index = kit::RunAhead([&words, first_side = PairSearchSide{first, first_list},
                                second_side = PairSearchSide{second, second_list}] {
      return PairIndex(words, first_side, second_side);
    });
  });
  WrittenFiles written = NameWrittenFiles(paths, first_name != second_name);
  WriteSymbolList(written.second_list, words, second_list, [] {});

  host.ShowMessage(texts::SummaryText(static_cast<std::int32_t>(first_list.size()), first.Shown,
                                      static_cast<std::int32_t>(second_list.size()), second.Shown));
  host.ShowStatus(texts::kBegunSearchStatus);
  WritePairs(paths.pairs, pair_index, host);
  FillState(state, std::move(list.words), word_count, std::move(first_list),
            std::move(second_list));
  host.ShowStatus(texts::kDoneStatus);
  return written;
}

}  // namespace search::pairs
