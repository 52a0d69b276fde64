// A run's options as the commands of the survey's page repeat them, so that a
// command lists exactly the pairs that the survey counted.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "search/pairs/search_options.h"

namespace search::survey {

// True for a context given as --position: its text is the position's word,
// where a context's holds its place, "_".
bool IsPosition(std::string_view context_text);

// The options that change which words take part, as option names and their
// values to quote, in a fixed order; nothing when a context may name a class,
// as the options no longer say which file defines it.
using CommandOption = std::pair<std::string_view, std::string>;
std::optional<std::vector<CommandOption>> CommandOptions(const pairs::SearchOptions& options);

}  // namespace search::survey
