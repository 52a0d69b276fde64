#pragma once

#include <string>
#include <string_view>

namespace window {

// The usage instructions that the Help menu shows: five paragraphs, each break
// two carriage returns without line feeds, ending "Bugs, comments, etc. to
// <name> at <email>." with nothing after the full stop.
std::string HelpText(std::string_view maintainer_name, std::string_view maintainer_email);

// HelpText with the maintainer set in the build.
std::string HelpText();

}  // namespace window
