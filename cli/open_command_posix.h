// Opening a file with a command such as xdg-open, which hands it to the
// desktop's chosen program.
#pragma once

#include <chrono>
#include <string>

namespace cli {

// Runs `command FILE` (found on the PATH, its output discarded) and waits for
// it up to `patience`: true when it ended with status 0, or is still running
// then (a browser started in its place); false, with the reason in `reason`,
// when it could not start or ended with another status.
bool OpenWithCommand(const std::string& command, const std::string& utf8_path,
                     std::chrono::milliseconds patience, std::string& reason);

}  // namespace cli
