#pragma once

#include <string>
#include <string_view>

#include "search/pairs/run_host.h"
#include "search/pairs/search_options.h"
#include "search/pairs/search_state.h"
#include "search/texts/encoding.h"

namespace search::pairs {

// The paths a run wrote its three files to, and how it read the list.
struct WrittenFiles {
  std::string first_list;
  std::string second_list;
  std::string pairs;
  bool second_list_derived = false;  // second_list is a derived name, not its own
  texts::TextEncoding word_list_encoding = texts::TextEncoding::kUtf8;  // in.txt's, as read
};

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
                       SearchState& state, RunHost& host, const SearchOptions& options = {});

}  // namespace search::pairs
