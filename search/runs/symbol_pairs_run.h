// The road that a search and a class run share: one reading of the list, the
// two word lists, then the pairs of each pair of symbols into one pairs file.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "search/options/search_options.h"
#include "search/os/run_host.h"
#include "search/runs/search_state.h"
#include "search/runs/written_files.h"

namespace search::runs {

struct SymbolPairsRequest {
  // The names the files carry, trimmed: two symbols, or two classes' names.
  std::string_view first_name;
  std::string_view second_name;
  // The pairs of symbols to search, as typed, in order.
  std::vector<std::pair<std::string_view, std::string_view>> symbols;
  // A class run: each pairs line and table row ends in its two symbols, and
  // one message after the search gives each pair's count. Otherwise the
  // summary of the two lists' counts comes before the search.
  bool class_run = false;
};

WrittenFiles RunSymbolPairs(const SymbolPairsRequest& request, SearchState& state,
                            os::RunHost& host, const options::SearchOptions& options);

}  // namespace search::runs
