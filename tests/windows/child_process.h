#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

struct ProcessOutcome {
  unsigned long status;
  std::string out;  // the bytes written to standard output
  std::string err;  // the bytes written to standard error
};

// Runs `program` with `arguments` (passed as UTF-16, quoted the way the C
// runtime splits them) in `working_folder`, waits for it, and returns its exit
// status and output. The output is captured through files in `capture_folder`.
ProcessOutcome RunProcess(const std::filesystem::path& program,
                          const std::vector<std::wstring>& arguments,
                          const std::filesystem::path& working_folder,
                          const std::filesystem::path& capture_folder);

// A program built into the same folder as the running test program.
std::filesystem::path ProgramBesideThisOne(const std::wstring& file_name);

}  // namespace testing_support
