#pragma once

#include "search/output_file.h"
#include "search/run_host.h"
#include "search/search_state.h"
#include "search/search_symbol.h"

namespace testing_support {

// The straightforward pair search: every first-list word against every
// second-list word, substituting anew for each comparison. The reference that
// the indexed search is checked and measured against.
void NestedLoopPairs(const search::SearchState& state, const search::SearchSymbol& first,
                     const search::SearchSymbol& second, search::OutputFile& pairs_file,
                     search::RunHost& host);

}  // namespace testing_support
