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
#include "search/pairs/both_ways.h"
#include "search/pairs/lexicon_tables.h"
#include "search/pairs/matched_list.h"
#include "search/pairs/pair_index.h"
#include "search/runs/rule_pairs_lines.h"
#include "search/runs/run_steps.h"
#include "search/survey/practice_sheet.h"
#include "search/survey/survey_page.h"
#include "search/texts/class_texts.h"
#include "search/texts/status_texts.h"
#include "search/texts/tsv_field.h"

// What runs at once. The lists of every pair of symbols are selected first,
// the first symbols' on this thread and the second symbols' on another; then
// each pair's index is built on a thread of its own (both ways: its two
// indexes, one after the other), the first one while the word lists are
// written and the summary waits for the user, each next one while the
// previous pair's lines are written. Every output file writes one
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
  std::vector<std::int32_t> first_pairing;   // the same the other way, when both ways
  std::string line_end;                      // a class run's "<TAB>P<TAB>B", in the list's encoding
  std::vector<pairs::PairRow> rows;          // the pairs, for a lexicon's table
  std::vector<pairs::FramedPairRow> framed;  // the pairs of a --rule search, for the table
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
                    const pairs::MatchedList& list, bool both_ways) {
  kit::BothAtOnce(
      [&] {
        for (SymbolPair& pair : pairs) {
          pair.first_list = list.Select(pair.first);
          if (both_ways) pair.first_pairing = list.SelectPairing(pair.first);
        }
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

// The index of a pair of symbols, and both ways that of the symbols swapped.
struct PairIndexes {
  pairs::PairIndex this_way;
  std::optional<pairs::PairIndex> other_way;
};

// Builds the pair indexes of `pair` on a thread of its own; the list, the
// shown words and the pair stay in place until the future is gone.
std::future<PairIndexes> StartPairIndex(const pairs::MatchedList& list,
                                        const lexicon::WordList& shown, const SymbolPair& pair,
                                        bool both_ways) {
  // With contexts, a second word pairs only when its every replaced place fits.
  const auto second_side = [&list](const pairs::SearchSymbol& symbol,
                                   const std::vector<std::int32_t>& selected,
                                   const std::vector<std::int32_t>& pairing) {
    return pairs::PairSearchSide{symbol, list.Restricted() ? pairing : selected};
  };
  return kit::RunAhead([&words = list.Words(), &shown, &pair, second_side, both_ways] {
    PairIndexes indexes{
        pairs::PairIndex(words, {pair.first, pair.first_list},
                         second_side(pair.second, pair.second_list, pair.second_pairing)),
        std::nullopt};
    indexes.this_way.ShowWordsOf(shown);
    if (!pair.line_end.empty()) indexes.this_way.EndLinesWith(pair.line_end);
    if (both_ways) {
      indexes.other_way.emplace(words, pairs::PairSearchSide{pair.second, pair.second_list},
                                second_side(pair.first, pair.first_list, pair.first_pairing));
    }
    return indexes;
  });
}

// Writes the lines of one pair of symbols; returns their number, and keeps
// the pairs in `pair` for a lexicon's table or a practice sheet.
std::size_t WriteLinesOf(const PairIndexes& indexes, SymbolPair& pair, os::OutputFile& file,
                         os::RunHost& host, const pairs::LexiconView& lexicon, bool keep_rows) {
  if (!indexes.other_way) {
    const std::size_t lines = indexes.this_way.WritePairs(file, host);
    if (keep_rows) pair.rows = indexes.this_way.Pairs();
    return lines;
  }
  std::vector<pairs::PairRow> rows = pairs::PairsBothWays(
      indexes.this_way.Pairs(&host), indexes.other_way->Pairs(&host), lexicon.words);
  pairs::WritePairLines(file, lexicon.words, rows, pair.line_end);
  const std::size_t lines = rows.size();
  if (keep_rows) pair.rows = std::move(rows);
  return lines;
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
      if (!pair.framed.empty()) {
        pairs::WriteFramedPairTableRows(table, lexicon, std::move(pair.framed), by_frequency,
                                        request.class_run ? TableCells(pair) : std::string());
        continue;
      }
      pairs::WritePairTableRows(
          table, lexicon, std::move(pair.rows),
          {list.Words(), pair.second.Match.value_or(""), pair.first.Match.value_or("")},
          by_frequency, request.class_run ? TableCells(pair) : std::string());
    }
    table.Close();
  });
}

// The practice sheet's path: the pairs file's, ".html" for ".txt".
std::string SheetPath(const std::string& pairs_path) {
  return pairs_path.substr(0, pairs_path.size() - std::string_view(".txt").size()) + ".html";
}

// The sheet of the pairs, a section per pair of symbols, each titled by its
// symbols and the options that change which words take part.
void WritePracticeSheet(const std::string& pairs_path, const pairs::LexiconView& lexicon,
                        const std::vector<SymbolPair>& symbol_pairs,
                        const options::SearchOptions& options) {
  std::string named;
  for (const std::string& option : options.NamedInFiles()) {
    named += named.empty() ? " (" : "; ";
    named += option;
  }
  if (!named.empty()) named += ')';
  std::vector<survey::SheetSection> sections;
  for (const SymbolPair& pair : symbol_pairs) {
    std::vector<pairs::PairRow> rows = pair.rows;  // a --rule search's come framed
    for (const pairs::FramedPairRow& framed : pair.framed) rows.push_back(framed.pair);
    sections.push_back({survey::VisibleText(std::string(pair.first_typed) + " – " +
                                            std::string(pair.second_typed)) +
                            named,
                        survey::PracticeCards(lexicon, rows)});
  }
  const std::string path = SheetPath(pairs_path);
  Writing(path, [&] {
    os::OutputFile file(path);
    survey::WritePracticeSheet(sections.front().title, sections, file);
  });
}

}  // namespace

WrittenFiles RunSymbolPairs(const SymbolPairsRequest& request, SearchState& state,
                            os::RunHost& host, const options::SearchOptions& options) {
  const RunPaths paths =
      PathsFor(host.ApplicationDirectory(), request.first_name, request.second_name, options);
  if (options.sheet) os::CheckOutputPathLengths({SheetPath(paths.pairs)}, "--sheet makes");

  host.ShowStatus(texts::kReadingStatus);
  const texts::TextEncoding encoding = ReadWords(paths.word_list, options.reading, state);
  const pairs::LexiconView lexicon{state.Words, state.columns, encoding};
  const bool by_substitution = options.rule == options::PairRule::kEveryPlace;
  std::optional<pairs::MatchedList> list;
  std::vector<SymbolPair> symbol_pairs;
  std::future<PairIndexes> next_index;
  Writing(paths.first_list, [&] {
    os::OutputFile file(paths.first_list);  // a missing output folder shows before the lists
    host.ShowStatus(texts::kMakingListsStatus);
    list.emplace(state.Words, encoding, options);
    symbol_pairs = PairsOf(request, *list, encoding);
    SelectAllLists(state, symbol_pairs, *list, options.both_ways);
    if (!symbol_pairs.empty() && by_substitution) {
      next_index = StartPairIndex(*list, state.Words, symbol_pairs.front(), options.both_ways);
    }
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
      SymbolPair& pair = symbol_pairs[at];
      if (!by_substitution) {
        const std::size_t lines = WriteRulePairs(
            file, options.rule, *list, state.Words,
            {pair.first, pair.first_list, pair.second, pair.second_list}, pair.line_end,
            lexicon.columns.Any() || options.sheet ? &pair.framed : nullptr);
        counts.push_back({pair.first_typed, pair.second_typed, lines});
        written.pair_lines += lines;
        continue;
      }
      const PairIndexes indexes = next_index.get();  // its running out of memory counts here
      if (at + 1 < symbol_pairs.size()) {
        next_index = StartPairIndex(*list, state.Words, symbol_pairs[at + 1], options.both_ways);
      }
      const std::size_t lines =
          WriteLinesOf(indexes, pair, file, host, lexicon, lexicon.columns.Any() || options.sheet);
      counts.push_back({pair.first_typed, pair.second_typed, lines});
      written.pair_lines += lines;
    }
    file.Close();
  });
  if (options.sheet) WritePracticeSheet(paths.pairs, lexicon, symbol_pairs, options);
  if (lexicon.columns.Any()) {
    WritePairsTable(paths.pairs, lexicon, symbol_pairs, *list, request, options.sort_by_frequency);
  }
  if (request.class_run) host.ShowMessage(texts::ClassPairCountsText(counts));
  host.ShowStatus(texts::kDoneStatus);
  return written;
}

}  // namespace search::runs
