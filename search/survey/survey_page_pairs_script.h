// The survey page's second script: the word pairs of the rows opened, their
// filters, their order by frequency and their practice sheets. Without it a
// row's pairs stay lines of text.
#pragma once

#include <string>
#include <string_view>

namespace search::survey {

extern const std::string_view kPairListScript;

// The Content-Security-Policy source that allows the script: 'sha256-...'.
std::string PairListScriptSource();

}  // namespace search::survey
