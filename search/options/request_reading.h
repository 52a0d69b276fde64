#pragma once

#include <string>
#include <vector>

#include "search/options/run_request.h"

namespace search::options {

// Reads a command line's arguments (without the program's name) into
// `request` by the table of run options, then checks them with CheckRequest;
// false with a usage error in `error`. --help and --version end the reading
// where they stand. A word list given alone reads as the survey that
// FileAloneArguments makes of it, with `file_alone` set.
bool ReadRequest(const std::vector<std::string>& arguments, RunRequest& request,
                 std::string& error);

// Checks the options of a search or survey against each other and the typed
// symbols, before any file is read; false with a usage error in `error`.
bool CheckRequest(const RunRequest& request, std::string& error);

}  // namespace search::options
