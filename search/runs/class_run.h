#pragma once

#include <string>
#include <vector>

#include "search/options/search_options.h"
#include "search/os/run_host.h"
#include "search/runs/search_state.h"
#include "search/runs/written_files.h"

namespace search::runs {

// A class of symbols as a run contrasts it: its name as typed ("@voiceless")
// and its symbols in their order.
struct SymbolClass {
  std::string name;
  std::vector<std::string> symbols;
};

// The searches of every pair of symbols that stand at the same place in two
// classes of the same size (P/B, T/D, K/G of "P T K" and "B D G"), on one
// reading of the list. Writes "output/ListOfWordsWith <first name>.txt" and
// the second's, the words with any symbol of the class whose place fits, and
// "output/VendrelFor<first name>And<second name>.txt": for each pair of
// symbols in the classes' order, the lines of its search with a tab and each
// symbol appended. With columns in the lexicon, a table beside each file, the
// pairs table's rows ending in the two symbols. Then shows one message: a line
// "P<TAB>B<TAB>count" per pair and "total<TAB>n". Statuses, errors, the
// options and the files' names are those of RunSearch; classes of different
// sizes raise SearchError before anything is read.
WrittenFiles RunClassSearch(const SymbolClass& first, const SymbolClass& second, SearchState& state,
                            os::RunHost& host, const options::SearchOptions& options = {});

}  // namespace search::runs
