#pragma once

#include <string>
#include <string_view>

namespace search::texts {

// A field of the tab-separated tables the program writes: tab, CR, LF and
// backslash written as \t, \r, \n and \\, so that every row stays one line.
std::string TsvField(std::string_view text);

}  // namespace search::texts
