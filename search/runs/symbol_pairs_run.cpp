#include "search/runs/symbol_pairs_run.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <future>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "search/kit/run_ahead.h"
#include "search/lexicon/transcription.h"
#include "search/os/output_file.h"
#include "search/os/output_names.h"
#include "search/pairs/lexicon_tables.h"
#include "search/pairs/matched_list.h"
#include "search/pairs/pair_index.h"
#include "search/runs/run_steps.h"
#include "search/texts/class_texts.h"
#include "search/texts/status_texts.h"
#include "search/texts/tsv_field.h"

// What runs at once. The lists of every pair of symbols are selected first,
// the first symbols' on this thread and the second symbols' on another; then
// each pair's index is built on a thread of its own, the first one while the
// word lists are written and the summary waits for the user, each next one
// while the previous pair's lines are written. Every output file writes one
// buffer on a thread of its own while the next is filled. Inside a step, long
// lists are worked through in two halves at once: reading a plain or tsv list
// (lexicon::ReadLexicon), folding it (contexts::Fold), and hashing, filtering
// and looking up in the pair index (pairs::PairIndex).
namespace search::runs {
namespace {

// One pair of symbols and what its search matches.
struct SymbolPair {
  std::string_view first_typed;
  std::string_view second_typed;
  pairs::SearchSymbol first;
  pairs::SearchSymbol second;
  std::vector<std::int32_t> first_list;
  std::vector<std::int32_t> second_list;
  std::vector<std::int32_t> second_pairing;  // with contexts, the second words that pair
  std::string line_end;                      // a class run's "<TAB>P<TAB>B", in the list's encoding
  std::vector<pairs::PairRow> rows;          // the pairs, for a lexicon's table
};

// The symbol as the pairs file shows it: in the list's encoding, unfolded.
std::string_view InListEncoding(std::string_view typed, texts::TextEncoding encoding,
                                std::string& converted) {
  converted = pairs::MakeSearchSymbol(typed, encoding).Match.value_or(std::string());
  return lexicon::TrimSpaces(converted);
}

std::vector<SymbolPair> PairsOf(const SymbolPairsRequest& request, const pairs::MatchedList& list,
                                texts::TextEncoding encoding) {
  std::vector<SymbolPair> pairs(request.symbols.size());
  std::string converted;
  for (std::size_t at = 0; at < pairs.size(); ++at) {
    SymbolPair& pair = pairs[at];
    std::tie(pair.first_typed, pair.second_typed) = request.symbols[at];
    pair.first = list.Symbol(pair.first_typed);
    pair.second = list.Symbol(pair.second_typed);
    if (!request.class_run) continue;
    pair.line_end += '\t';
    pair.line_end += InListEncoding(pair.first_typed, encoding, converted);
    pair.line_end += '\t';
    pair.line_end += InListEncoding(pair.second_typed, encoding, converted);
  }
  return pairs;
}

// The positions in any of the ascending `lists`, ascending, each once.
std::vector<std::int32_t> Union(const std::vector<const std::vector<std::int32_t>*>& lists) {
  if (lists.size() == 1) return *lists.front();
  std::vector<std::int32_t> all;
  std::vector<std::int32_t> merged;
  for (const std::vector<std::int32_t>* list : lists) {
    merged.clear();
    std::set_union(all.begin(), all.end(), list->begin(), list->end(), std::back_inserter(merged));
    all.swap(merged);
  }
  return all;
}

// Selects every pair's lists and fills the state with the union of each side's.
void SelectAllLists(SearchState& state, std::vector<SymbolPair>& pairs,
                    const pairs::MatchedList& list) {
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

// Builds the pair index of `pair` on a thread of its own; the list, the shown
// words and the pair stay in place until the future is gone.
std::future<pairs::PairIndex> StartPairIndex(const pairs::MatchedList& list,
                                             const lexicon::WordList& shown,
                                             const SymbolPair& pair) {
  const std::span<const std::int32_t> second_list =
      list.Restricted() ? std::span(pair.second_pairing) : std::span(pair.second_list);
  return kit::RunAhead(
      [&words = list.Words(), &shown, first_list = std::span(pair.first_list), second_list, &pair] {
        pairs::PairIndex index(words, {pair.first, first_list}, {pair.second, second_list});
        index.ShowWordsOf(shown);
        if (!pair.line_end.empty()) index.EndLinesWith(pair.line_end);
        return index;
      });
}

// A class run's "<TAB>P<TAB>B" for the pairs table, in UTF-8 as typed.
std::string TableCells(const SymbolPair& pair) {
  std::string cells;
  cells += '\t';
  texts::AppendTsvField(cells, pair.first_typed);
  cells += '\t';
  texts::AppendTsvField(cells, pair.second_typed);
  return cells;
}

void WritePairsTable(const std::string& pairs_path, const pairs::LexiconView& lexicon,
                     std::vector<SymbolPair>& symbol_pairs, const pairs::MatchedList& list,
                     const SymbolPairsRequest& request, bool by_frequency) {
  const std::string path = os::TablePath(pairs_path);
  Writing(path, [&] {
    os::OutputFile table(path);
    pairs::WritePairTableHeader(table, lexicon,
                                request.class_run ? "\tfirst symbol\tsecond symbol" : "");
    for (SymbolPair& pair : symbol_pairs) {
      pairs::WritePairTableRows(table, lexicon, std::move(pair.rows),
                                {list.Words(), pair.second.Match.value_or("")}, by_frequency,
                                request.class_run ? TableCells(pair) : std::string());
    }
    table.Close();
  });
}

}  // namespace

WrittenFiles RunSymbolPairs(const SymbolPairsRequest& request, SearchState& state,
                            os::RunHost& host, const options::SearchOptions& options) {
  const RunPaths paths =
      PathsFor(host.ApplicationDirectory(), request.first_name, request.second_name, options);

  host.ShowStatus(texts::kReadingStatus);
  const texts::TextEncoding encoding = ReadWords(paths.word_list, options.reading, state);
  const pairs::LexiconView lexicon{state.Words, state.columns, encoding};
  std::optional<pairs::MatchedList> list;
  std::vector<SymbolPair> symbol_pairs;
  std::future<pairs::PairIndex> next_index;
  Writing(paths.first_list, [&] {
    os::OutputFile file(paths.first_list);  // a missing output folder shows before the lists
    host.ShowStatus(texts::kMakingListsStatus);
    list.emplace(state.Words, encoding, options);
    symbol_pairs = PairsOf(request, *list, encoding);
    SelectAllLists(state, symbol_pairs, *list);
    if (!symbol_pairs.empty())
      next_index = StartPairIndex(*list, state.Words, symbol_pairs.front());
    WriteList(file, state.Words, state.FirstList);
  });
  WriteListTable(paths.first_list, lexicon, state.FirstList);
  WrittenFiles written = NameWrittenFiles(paths, request.first_name != request.second_name);
  written.word_list_encoding = encoding;
  Writing(written.second_list, [&] {
    os::OutputFile file(written.second_list);
    WriteList(file, state.Words, state.SecondList);
  });
  WriteListTable(written.second_list, lexicon, state.SecondList);

  if (!request.class_run) {
    host.ShowMessage(texts::SummaryText(state.FirstCount, symbol_pairs.front().first.Shown,
                                        state.SecondCount, symbol_pairs.front().second.Shown));
  }
  host.ShowStatus(texts::kBegunSearchStatus);
  std::vector<texts::ClassPairCount> counts;
  Writing(paths.pairs, [&] {
    os::OutputFile file(paths.pairs);
    for (std::size_t at = 0; at < symbol_pairs.size(); ++at) {
      const pairs::PairIndex index = next_index.get();  // its running out of memory counts here
      if (at + 1 < symbol_pairs.size()) {
        next_index = StartPairIndex(*list, state.Words, symbol_pairs[at + 1]);
      }
      SymbolPair& pair = symbol_pairs[at];
      counts.push_back({pair.first_typed, pair.second_typed, index.WritePairs(file, host)});
      if (lexicon.columns.Any()) pair.rows = index.Pairs();
    }
    file.Close();
  });
  if (lexicon.columns.Any()) {
    WritePairsTable(paths.pairs, lexicon, symbol_pairs, *list, request, options.sort_by_frequency);
  }
  if (request.class_run) host.ShowMessage(texts::ClassPairCountsText(counts));
  host.ShowStatus(texts::kDoneStatus);
  return written;
}

}  // namespace search::runs
