// The survey page's one script, which adds sorting, filters and keyboard moves
// to the list of contrasts; the page works without it.
#pragma once

#include <string>
#include <string_view>

namespace search::survey {

extern const std::string_view kSurveyPageScript;

// The Content-Security-Policy source that allows the script: 'sha256-...'.
std::string SurveyPageScriptSource();

}  // namespace search::survey
