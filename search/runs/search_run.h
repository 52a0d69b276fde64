#pragma once

#include <string>
#include <string_view>

#include "search/options/search_options.h"
#include "search/os/run_host.h"
#include "search/runs/search_state.h"
#include "search/runs/written_files.h"

namespace search::runs {

// One complete search: reads in.txt from the host's folder, writes the words
// with each symbol to "output/ListOfWordsWith <symbol>.txt", reports both counts
// through ShowMessage, then writes the minimal pairs to
// "output/VendrelFor<first>And<second>.txt". `state` must be empty.
//
// Throws SearchError on any failure; files finished before it stay as written,
// and "Done!  Click again to exit." is shown only after every file is complete.
// Each output name holds a complete file of this run or none, however the run
// ends. Returns the paths written: when the two lists' names turn out to be one
// file (symbols that differ only in case, where case is ignored), the second
// list goes under a derived name, see SecondListPath.
//
// `options` may name another word list file and its format, and drop rare
// words; the files' names then carry the options that change which words take
// part (OptionsSuffix). When the lexicon has columns besides the
// transcriptions, each file gets a table of the same name beside it
// (".tsv"), written right after it.
WrittenFiles RunSearch(std::string_view first_text, std::string_view second_text,
                       SearchState& state, os::RunHost& host,
                       const options::SearchOptions& options = {});

}  // namespace search::runs
