// An output file is written under a temporary name in its own folder and
// renamed into place when complete. The name, ".minpairs-<process id>-<n>.partial",
// cannot be taken for a result, and the process id in it tells a later run
// whether the file is a leftover or belongs to a run still going on.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace search::os {

// A temporary path beside `final_path`, new for each call in this process.
std::string TempPathFor(const std::string& final_path);

// The process id in a temporary file name, or nothing for any other name.
std::optional<unsigned long> TempFileOwner(std::string_view name);

// Removes the temporary files in `utf8_folder` whose process no longer runs,
// as a SIGKILL or a crash leaves them. Failures are ignored.
void RemoveLeftoverTempFiles(const std::string& utf8_folder);

}  // namespace search::os
