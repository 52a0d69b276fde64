#pragma once

#include <string>
#include <string_view>

namespace search::texts {

// A field of the tab-separated tables the program writes: tab, CR, LF and
// backslash written as \t, \r, \n and \\, so that every row stays one line.
std::string TsvField(std::string_view text);

// Appends TsvField(text) to `out`, without a copy where nothing needs escaping.
void AppendTsvField(std::string& out, std::string_view text);

}  // namespace search::texts
