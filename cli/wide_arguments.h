// Windows hands a program its command line in UTF-16; the command line works in
// UTF-8, the representation of every text in the search.
#pragma once

#include <string>
#include <vector>

namespace cli {

// The arguments of wmain in UTF-8, without the program name; an unpaired
// surrogate becomes U+FFFD.
std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const* argv);

}  // namespace cli
