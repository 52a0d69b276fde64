#include "search/pairs/class_run.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <future>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "search/kit/run_ahead.h"
#include "search/lexicon/transcription.h"
#include "search/os/output_file.h"
#include "search/os/output_names.h"
#include "search/pairs/lexicon_tables.h"
#include "search/pairs/matched_list.h"
#include "search/pairs/pair_index.h"
#include "search/pairs/run_steps.h"
#include "search/texts/class_texts.h"
#include "search/texts/status_texts.h"
#include "search/texts/tsv_field.h"

// A class run is the searches of its pairs of symbols on one list read once:
// all lists are selected first, the first class's on this thread and the
// second's on another, then each pair's index is built on a thread of its own
// while the previous pair's lines are written.
namespace search::pairs {
namespace {

// One pair of symbols of the classes and what its search matches.
struct SymbolPair {
  std::string_view first_typed;
  std::string_view second_typed;
  SearchSymbol first;
  SearchSymbol second;
  std::vector<std::int32_t> first_list;
  std::vector<std::int32_t> second_list;
  std::vector<std::int32_t> second_pairing;  // with contexts, the second words that pair
  std::string line_end;                      // "<TAB>P<TAB>B" in the list's encoding
  std::vector<PairRow> rows;                 // the pairs, for a lexicon's table
};

// The symbol as the pairs file shows it: in the list's encoding, unfolded.
std::string_view InListEncoding(std::string_view typed, texts::TextEncoding encoding,
                                std::string& converted) {
  converted = MakeSearchSymbol(typed, encoding).Match.value_or(std::string());
  return lexicon::TrimSpaces(converted);
}

std::vector<SymbolPair> PairsOf(const SymbolClass& first, const SymbolClass& second,
                                const MatchedList& list, texts::TextEncoding encoding) {
  std::vector<SymbolPair> pairs(first.symbols.size());
  std::string converted;
  for (std::size_t at = 0; at < pairs.size(); ++at) {
    SymbolPair& pair = pairs[at];
    pair.first_typed = first.symbols[at];
    pair.second_typed = second.symbols[at];
    pair.first = list.Symbol(pair.first_typed);
    pair.second = list.Symbol(pair.second_typed);
    pair.line_end += '\t';
    pair.line_end += InListEncoding(pair.first_typed, encoding, converted);
    pair.line_end += '\t';
    pair.line_end += InListEncoding(pair.second_typed, encoding, converted);
  }
  return pairs;
}

// The positions in any of the ascending `lists`, ascending, each once.
std::vector<std::int32_t> Union(const std::vector<const std::vector<std::int32_t>*>& lists) {
  std::vector<std::int32_t> all;
  std::vector<std::int32_t> merged;
  for (const std::vector<std::int32_t>* list : lists) {
    merged.clear();
    std::set_union(all.begin(), all.end(), list->begin(), list->end(), std::back_inserter(merged));
    all.swap(merged);
  }
  return all;
}

// Selects every pair's lists and fills the state with both classes' lists.
void SelectAllLists(SearchState& state, std::vector<SymbolPair>& pairs, const MatchedList& list) {
  kit::BothAtOnce(
      [&] {
        for (SymbolPair& pair : pairs) pair.first_list = list.Select(pair.first);
      },
      [&] {
        for (SymbolPair& pair : pairs) {
          pair.second_list = list.Select(pair.second);
          pair.second_pairing = list.SelectPairing(pair.second);
        }
      });
  std::vector<const std::vector<std::int32_t>*> firsts;
  std::vector<const std::vector<std::int32_t>*> seconds;
  for (const SymbolPair& pair : pairs) {
    firsts.push_back(&pair.first_list);
    seconds.push_back(&pair.second_list);
  }
  state.FirstList = Union(firsts);
  state.SecondList = Union(seconds);
  state.FirstCount = static_cast<std::int32_t>(state.FirstList.size());
  state.SecondCount = static_cast<std::int32_t>(state.SecondList.size());
}

// Builds the pair index of `pair` on a thread of its own, as RunSearch does;
// the list, the shown words and the pair stay in place until it is gone.
std::future<PairIndex> StartPairIndex(const MatchedList& list, const lexicon::WordList& shown,
                                      const SymbolPair& pair) {
  const std::span<const std::int32_t> second_list =
      list.Restricted() ? std::span(pair.second_pairing) : std::span(pair.second_list);
  return kit::RunAhead(
      [&words = list.Words(), &shown, first_list = std::span(pair.first_list), second_list, &pair] {
        PairIndex index(words, {pair.first, first_list}, {pair.second, second_list});
        index.ShowWordsOf(shown);
        index.EndLinesWith(pair.line_end);
        return index;
      });
}

// "<TAB>P<TAB>B" for the pairs table, in UTF-8 as typed.
std::string TableCells(const SymbolPair& pair) {
  std::string cells;
  cells += '\t';
  texts::AppendTsvField(cells, pair.first_typed);
  cells += '\t';
  texts::AppendTsvField(cells, pair.second_typed);
  return cells;
}

void WriteClassPairTable(const std::string& pairs_path, const LexiconView& lexicon,
                         std::vector<SymbolPair>& pairs, const MatchedList& list,
                         bool by_frequency) {
  const std::string path = os::TablePath(pairs_path);
  Writing(path, [&] {
    os::OutputFile table(path);
    WritePairTableHeader(table, lexicon, "\tfirst symbol\tsecond symbol");
    for (SymbolPair& pair : pairs) {
      WritePairTableRows(table, lexicon, std::move(pair.rows),
                         {list.Words(), pair.second.Match.value_or("")}, by_frequency,
                         TableCells(pair));
    }
    table.Close();
  });
}

}  // namespace

WrittenFiles RunClassSearch(const SymbolClass& first, const SymbolClass& second, SearchState& state,
                            RunHost& host, const SearchOptions& options) {
  const std::string_view first_name = lexicon::TrimSpaces(first.name);
  const std::string_view second_name = lexicon::TrimSpaces(second.name);
  if (first.symbols.size() != second.symbols.size()) {
    throw texts::SearchError(texts::ClassSizesDifferText(first_name, first.symbols.size(),
                                                         second_name, second.symbols.size()));
  }
  const RunPaths paths = PathsFor(host.ApplicationDirectory(), first_name, second_name, options);

  host.ShowStatus(texts::kReadingStatus);
  const texts::TextEncoding encoding = ReadWords(paths.word_list, options.reading, state);
  const LexiconView lexicon{state.Words, state.columns, encoding};
  std::optional<MatchedList> list;
  std::vector<SymbolPair> pairs;
  std::future<PairIndex> next_index;
  Writing(paths.first_list, [&] {
    os::OutputFile file(paths.first_list);  // a missing output folder shows before the lists
    host.ShowStatus(texts::kMakingListsStatus);
    list.emplace(state.Words, encoding, options);
    pairs = PairsOf(first, second, *list, encoding);
    SelectAllLists(state, pairs, *list);
    if (!pairs.empty()) next_index = StartPairIndex(*list, state.Words, pairs.front());
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

  host.ShowStatus(texts::kBegunSearchStatus);
  std::vector<texts::ClassPairCount> counts;
  Writing(paths.pairs, [&] {
    os::OutputFile file(paths.pairs);
    for (std::size_t at = 0; at < pairs.size(); ++at) {
      const PairIndex index = next_index.get();  // its running out of memory counts here
      if (at + 1 < pairs.size()) next_index = StartPairIndex(*list, state.Words, pairs[at + 1]);
      counts.push_back(
          {pairs[at].first_typed, pairs[at].second_typed, index.WritePairs(file, host)});
      if (lexicon.columns.Any()) pairs[at].rows = index.Pairs();
    }
    file.Close();
  });
  if (lexicon.columns.Any()) {
    WriteClassPairTable(paths.pairs, lexicon, pairs, *list, options.sort_by_frequency);
  }
  host.ShowMessage(texts::ClassPairCountsText(counts));
  host.ShowStatus(texts::kDoneStatus);
  return written;
}

}  // namespace search::pairs
