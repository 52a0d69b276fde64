#include "search/runs/search_run.h"

#include "search/lexicon/transcription.h"
#include "search/runs/symbol_pairs_run.h"

namespace search::runs {

WrittenFiles RunSearch(std::string_view first_text, std::string_view second_text,
                       SearchState& state, os::RunHost& host,
                       const options::SearchOptions& options) {
  return RunSymbolPairs({lexicon::TrimSpaces(first_text),
                         lexicon::TrimSpaces(second_text),
                         {{first_text, second_text}}},
                        state, host, options);
}

}  // namespace search::runs
