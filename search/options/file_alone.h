// A word list given alone: what a file manager passes to the program when a
// list is dropped onto it (Windows Explorer) or opened with it ("Open with").
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace search::options {

// The arguments that one argument naming an existing file stands for: a
// survey of it, read in the format its extension names (.tsv tsv, .dict
// cmudict, any other plain), into the output folder of the file's own folder.
// The paths are made absolute, so that the page can be opened by its path.
// None for anything else: an option, a missing file, a folder, or more than
// one argument.
std::optional<std::vector<std::string>> FileAloneArguments(
    const std::vector<std::string>& arguments);

}  // namespace search::options
