#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/console_host.h"
#include "cli/desktop.h"

namespace cli {

// Runs `minpairs` with its arguments (UTF-8, without the program name) and
// returns the exit status: 0 done, 1 the search failed, 2 a usage error.
// `desktop` opens the survey page of a word list given alone and holds its
// console open; `lines` says how the status texts share `err`: in place on a
// terminal.
int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   Desktop& desktop, StatusLines lines = StatusLines::kEach);

}  // namespace cli
