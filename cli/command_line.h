#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// Runs `minpairs` with its arguments (UTF-8, without the program name) and
// returns the exit status: 0 done, 1 the search failed, 2 a usage error.
int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace cli
