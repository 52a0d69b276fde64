// The worked example: ten words, the symbols K and G, and the three files a
// search must write, kept once in tests/support/worked_example for every test.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

// The folder that holds in.txt and expected/.
std::filesystem::path WorkedExampleFolder();

// The bytes of the example's in.txt.
std::string WorkedExampleInput();

// The names of the files a search for K and G writes, and their expected bytes.
std::vector<std::string> WorkedExampleOutputNames();
std::string WorkedExampleExpected(const std::string& output_name);

}  // namespace testing_support
