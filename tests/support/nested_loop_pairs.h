#pragma once

#include "search/pair_search.h"

namespace testing_support {

// The straightforward pair search: every first-list word against every
// second-list word, substituting anew for each comparison. The reference that
// the indexed search is checked and measured against.
void NestedLoopPairs(const search::WordList& words, const search::PairSearchSide& first,
                     const search::PairSearchSide& second, search::OutputFile& pairs_file,
                     search::RunHost& host);

}  // namespace testing_support
