#include "search/pairs/search_run.h"

#include <future>
#include <optional>
#include <string>
#include <vector>

#include "search/kit/run_ahead.h"
#include "search/lexicon/transcription.h"
#include "search/lexicon/word_list.h"
#include "search/os/output_file.h"
#include "search/os/output_names.h"
#include "search/pairs/lexicon_tables.h"
#include "search/pairs/matched_list.h"
#include "search/pairs/pair_index.h"
#include "search/pairs/run_steps.h"
#include "search/pairs/search_symbol.h"
#include "search/texts/status_texts.h"

// What runs at once. RunSearch is one road; three of its steps start work that
// goes on beside it, each on a thread of its own:
//  - SelectBothLists selects the second list while this thread selects the
//    first, and returns when both are done;
//  - StartPairIndex builds the pair index from then on, while the lists are
//    written and the summary waits for the user;
//  - every output file writes one buffer while the next is filled.
// Long lists are also worked through in two halves at once inside a step:
// reading the list (lexicon::ReadWordList), and hashing, filtering and looking
// up in the pair index (PairIndex). So at most four threads are busy at once:
// this one writing the first list, its file's writer, and the pair index in
// two halves.
namespace search::pairs {
namespace {

// What the run matches, and the symbols as matched there. The pair index
// reads it, so it outlives the index.
struct Matching {
  Matching(const lexicon::WordList& read, std::string_view first_text, std::string_view second_text,
           texts::TextEncoding encoding, const SearchOptions& options)
      : list(read, encoding, options),
        first(list.Symbol(first_text)),
        second(list.Symbol(second_text)) {}

  MatchedList list;
  SearchSymbol first;
  SearchSymbol second;
  // With a rule, the second-list words whose every replaced place fits: those
  // that pair. Without, the second list.
  std::vector<std::int32_t> second_pairing;
};

// Fills both lists of the state, the second on a thread of its own.
void SelectBothLists(SearchState& state, Matching& matching) {
  auto second_selected = kit::RunAhead([&] {
    std::vector<std::int32_t> second = matching.list.Select(matching.second);
    matching.second_pairing = matching.list.SelectPairing(matching.second);
    return second;
  });
  state.FirstList = matching.list.Select(matching.first);
  state.SecondList = second_selected.get();
  state.FirstCount = static_cast<std::int32_t>(state.FirstList.size());
  state.SecondCount = static_cast<std::int32_t>(state.SecondList.size());
}

// Builds the pair index on a thread of its own. It reads the lists of the
// state and what it matches, which the caller keeps for longer than the run,
// and copies what it needs of the symbols; the future waits for it when it goes.
std::future<PairIndex> StartPairIndex(const SearchState& state, const Matching& matching) {
  const std::span<const std::int32_t> second_list =
      matching.list.Restricted() ? std::span(matching.second_pairing) : std::span(state.SecondList);
  return kit::RunAhead([&words = matching.list.Words(), &shown = state.Words,
                        first_list = std::span(state.FirstList), second_list,
                        first = matching.first, second = matching.second] {
    PairIndex index(words, {first, first_list}, {second, second_list});
    index.ShowWordsOf(shown);
    return index;
  });
}

}  // namespace

WrittenFiles RunSearch(std::string_view first_text, std::string_view second_text,
                       SearchState& state, RunHost& host, const SearchOptions& options) {
  const std::string_view first_name = lexicon::TrimSpaces(first_text);
  const std::string_view second_name = lexicon::TrimSpaces(second_text);
  const RunPaths paths = PathsFor(host.ApplicationDirectory(), first_name, second_name, options);

  host.ShowStatus(texts::kReadingStatus);
  const texts::TextEncoding encoding = ReadWords(paths.word_list, options.reading, state);
  const LexiconView lexicon{state.Words, state.columns, encoding};
  std::optional<Matching> matching;
  std::future<PairIndex> pair_index;
  Writing(paths.first_list, [&] {
    os::OutputFile file(paths.first_list);  // a missing output folder shows before the lists
    host.ShowStatus(texts::kMakingListsStatus);
    matching.emplace(state.Words, first_text, second_text, encoding, options);
    SelectBothLists(state, *matching);
    pair_index = StartPairIndex(state, *matching);
    WriteList(file, state.Words, state.FirstList);
  });
  WriteListTable(paths.first_list, lexicon, state.FirstList);
  WrittenFiles written = NameWrittenFiles(paths, first_name != second_name);
  written.word_list_encoding = encoding;
  Writing(written.second_list, [&] {
    os::OutputFile file(written.second_list);
    WriteList(file, state.Words, state.SecondList);
  });
  WriteListTable(written.second_list, lexicon, state.SecondList);

  const SearchSymbol& first = matching->first;
  const SearchSymbol& second = matching->second;
  host.ShowMessage(
      texts::SummaryText(state.FirstCount, first.Shown, state.SecondCount, second.Shown));
  host.ShowStatus(texts::kBegunSearchStatus);
  std::optional<PairIndex> index;
  Writing(paths.pairs, [&] {
    os::OutputFile file(paths.pairs);
    index.emplace(pair_index.get());  // the index's running out of memory counts here
    index->WritePairs(file, host);
    file.Close();
  });
  if (lexicon.columns.Any()) {
    const std::string table_path = os::TablePath(paths.pairs);
    Writing(table_path, [&] {
      os::OutputFile table(table_path);
      WritePairTable(table, lexicon, index->Pairs(),
                     {matching->list.Words(), second.Match.value_or("")},
                     options.sort_by_frequency);
    });
  }
  host.ShowStatus(texts::kDoneStatus);
  return written;
}

}  // namespace search::pairs
