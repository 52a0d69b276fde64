#include "search/pairs/search_run.h"

#include <future>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "search/contexts/fold.h"
#include "search/contexts/places.h"
#include "search/kit/run_ahead.h"
#include "search/lexicon/lexicon_reader.h"
#include "search/lexicon/transcription.h"
#include "search/lexicon/word_list.h"
#include "search/os/output_file.h"
#include "search/os/output_names.h"
#include "search/pairs/lexicon_tables.h"
#include "search/pairs/pair_index.h"
#include "search/pairs/search_symbol.h"
#include "search/texts/search_error.h"
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

// The files of one run, named after the trimmed symbols.
struct RunPaths {
  std::string word_list;
  std::string first_list;
  std::string second_list;
  std::string pairs;
};

RunPaths PathsFor(const std::string& folder, std::string_view first_name,
                  std::string_view second_name, const SearchOptions& options) {
  const std::string output = folder + "/output/";
  const std::string suffix = os::OptionsSuffix(options.NamedInFiles()) + ".txt";
  const auto list_path = [&](std::string_view name) {
    return output + "ListOfWordsWith " + std::string(name) + suffix;
  };
  return RunPaths{
      options.input.value_or(folder + "/in.txt"), list_path(first_name), list_path(second_name),
      output + "VendrelFor" + std::string(first_name) + "And" + std::string(second_name) + suffix};
}

// Runs the steps that make the file at `path`; memory running out is reported
// as the failure to write it, and the file goes as any unfinished one does.
template <typename Stage>
auto Writing(const std::string& path, Stage&& stage) {
  try {
    return stage();
  } catch (const std::bad_alloc&) {
    throw texts::SearchError("not enough memory to write '" + path + "'");
  }
}

// Reads the word list into the state; returns the list's encoding.
texts::TextEncoding ReadWords(const std::string& path, const lexicon::LexiconReading& reading,
                              SearchState& state) {
  lexicon::WordListFile list = lexicon::ReadLexicon(path, reading);
  state.WordCount = CheckedCount(list.words.size(), "lines in '" + path + "'");
  state.Words = std::move(list.words);
  state.Columns = std::move(list.columns);
  return list.encoding;
}

// What the run matches: the list as read, or its folded copy, the symbols as
// matched there, and the rule for their places. The pair index reads it, so it
// outlives the index.
struct Matching {
  Matching(const lexicon::WordList& read, std::string_view first_text, std::string_view second_text,
           texts::TextEncoding encoding, const SearchOptions& options)
      : first(MakeSearchSymbol(first_text, encoding)),
        second(MakeSearchSymbol(second_text, encoding)) {
    if (!options.strip.empty()) {
      const contexts::Fold fold(options.strip, encoding);
      folded = fold.FoldWords(read);
      FoldSymbol(fold, first, first_text);
      FoldSymbol(fold, second, second_text);
      if (!options.contexts.empty()) rule.emplace(options.contexts, encoding, &fold);
    } else if (!options.contexts.empty()) {
      rule.emplace(options.contexts, encoding, nullptr);
    }
    words = folded ? &*folded : &read;
  }

  static void FoldSymbol(const contexts::Fold& fold, SearchSymbol& symbol, std::string_view typed) {
    if (!symbol.Match) return;
    symbol.Match = fold.FoldSymbol(*symbol.Match);
    if (!symbol.Match) {
      throw texts::SearchError("the symbol '" + std::string(lexicon::TrimSpaces(typed)) +
                               "' is left empty by the characters to strip");
    }
  }

  // The positions of the words whose places of `symbol` fit, in order.
  [[nodiscard]] std::vector<std::int32_t> Select(const SearchSymbol& symbol) const {
    if (!symbol.Match) return {};
    if (rule) return contexts::SelectWordsWithFittingPlace(*words, *symbol.Match, *rule);
    return lexicon::SelectWordsContaining(*words, *symbol.Match);
  }

  SearchSymbol first;
  SearchSymbol second;
  std::optional<lexicon::WordList> folded;
  const lexicon::WordList* words = nullptr;
  std::optional<contexts::PlaceRule> rule;
  // With a rule, the second-list words whose every replaced place fits: those
  // that pair. Without, the second list.
  std::vector<std::int32_t> second_pairing;
};

// Fills both lists of the state, the second on a thread of its own.
void SelectBothLists(SearchState& state, Matching& matching) {
  auto second_selected = kit::RunAhead([&] {
    std::vector<std::int32_t> second = matching.Select(matching.second);
    if (matching.rule && matching.second.Match) {
      matching.second_pairing = contexts::SelectWordsWhoseReplacedPlacesFit(
          *matching.words, *matching.second.Match, *matching.rule);
    }
    return second;
  });
  state.FirstList = matching.Select(matching.first);
  state.SecondList = second_selected.get();
  state.FirstCount = static_cast<std::int32_t>(state.FirstList.size());
  state.SecondCount = static_cast<std::int32_t>(state.SecondList.size());
}

// Builds the pair index on a thread of its own. It reads the lists of the
// state and what it matches, which the caller keeps for longer than the run,
// and copies what it needs of the symbols; the future waits for it when it goes.
std::future<PairIndex> StartPairIndex(const SearchState& state, const Matching& matching) {
  const std::span<const std::int32_t> second_list =
      matching.rule ? std::span(matching.second_pairing) : std::span(state.SecondList);
  return kit::RunAhead([&words = *matching.words, &shown = state.Words,
                        first_list = std::span(state.FirstList), second_list,
                        first = matching.first, second = matching.second] {
    PairIndex index(words, {first, first_list}, {second, second_list});
    index.ShowWordsOf(shown);
    return index;
  });
}

// Writes the words at `positions` into `file`, one padded word per line, and
// closes it.
void WriteList(os::OutputFile& file, const lexicon::WordList& words,
               const std::vector<std::int32_t>& positions) {
  for (const std::int32_t position : positions) file.WriteLine(" ", words.Trimmed(position), " ");
  file.Close();
}

// The table beside the list at `list_path`, when the lexicon has columns.
void WriteListTable(const std::string& list_path, const LexiconView& lexicon,
                    const std::vector<std::int32_t>& positions) {
  if (!lexicon.columns.Any()) return;
  const std::string path = os::TablePath(list_path);
  Writing(path, [&] {
    os::OutputFile file(path);
    WriteWordTable(file, lexicon, positions);
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

}  // namespace

WrittenFiles RunSearch(std::string_view first_text, std::string_view second_text,
                       SearchState& state, RunHost& host, const SearchOptions& options) {
  const std::string_view first_name = lexicon::TrimSpaces(first_text);
  const std::string_view second_name = lexicon::TrimSpaces(second_text);
  os::CheckSymbolForFileName(first_name, "first");
  os::CheckSymbolForFileName(second_name, "second");
  const RunPaths paths = PathsFor(host.ApplicationDirectory(), first_name, second_name, options);
  os::CheckOutputPathLengths(paths.first_list, paths.second_list, paths.pairs,
                             first_name != second_name);

  host.ShowStatus(texts::kReadingStatus);
  const texts::TextEncoding encoding = ReadWords(paths.word_list, options.reading, state);
  const LexiconView lexicon{state.Words, state.Columns, encoding};
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
      WritePairTable(table, lexicon, index->Pairs(), {*matching->words, second.Match.value_or("")},
                     options.sort_by_frequency);
    });
  }
  host.ShowStatus(texts::kDoneStatus);
  return written;
}

}  // namespace search::pairs
