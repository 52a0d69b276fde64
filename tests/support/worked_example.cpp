#include "worked_example.h"

#include "temp_folder.h"

namespace testing_support {

std::filesystem::path WorkedExampleFolder() { return Utf8Path(MINPAIRS_WORKED_EXAMPLE_FOLDER); }

std::string WorkedExampleInput() { return ReadFile(WorkedExampleFolder() / "in.txt"); }

std::string WorkedExampleExpected(const std::string& name) {
  return ReadFile(WorkedExampleFolder() / "expected" / Utf8Path(name));
}

}  // namespace testing_support
