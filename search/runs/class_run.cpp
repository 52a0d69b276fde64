#include "search/runs/class_run.h"

#include "search/lexicon/transcription.h"
#include "search/runs/symbol_pairs_run.h"
#include "search/texts/class_texts.h"
#include "search/texts/search_error.h"

namespace search::runs {

WrittenFiles RunClassSearch(const SymbolClass& first, const SymbolClass& second, SearchState& state,
                            os::RunHost& host, const options::SearchOptions& options) {
  SymbolPairsRequest request{
      lexicon::TrimSpaces(first.name), lexicon::TrimSpaces(second.name), {}, true};
  if (first.symbols.size() != second.symbols.size()) {
    throw texts::SearchError(texts::ClassSizesDifferText(
        request.first_name, first.symbols.size(), request.second_name, second.symbols.size()));
  }
  for (std::size_t at = 0; at < first.symbols.size(); ++at) {
    request.symbols.emplace_back(first.symbols[at], second.symbols[at]);
  }
  return RunSymbolPairs(request, state, host, options);
}

}  // namespace search::runs
