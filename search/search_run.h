#pragma once

#include <string_view>

#include "search/run_host.h"
#include "search/search_state.h"

namespace search {

// One complete search: reads in.txt from the host's folder, writes the words
// with each symbol to "output/ListOfWordsWith <symbol>.txt", reports both counts
// through ShowMessage, then writes the minimal pairs to
// "output/VendrelFor<first>And<second>.txt". `state` must be empty.
//
// Throws SearchError on any failure; files finished before it stay as written,
// and "Done!  Click again to exit." is shown only after every file is complete.
void RunSearch(std::string_view first_text, std::string_view second_text, SearchState& state,
               RunHost& host);

}  // namespace search
