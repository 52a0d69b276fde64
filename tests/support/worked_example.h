// The worked example, kept once for every layer's tests: in.txt and, in
// expected/, the three files that a search for K and G writes.
#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

std::filesystem::path WorkedExampleFolder();

// The bytes of worked_example/in.txt, or of expected/<name>.
std::string WorkedExampleInput();
std::string WorkedExampleExpected(const std::string& name);

}  // namespace testing_support
