#include "worked_example.h"

#include "temp_folder.h"

namespace testing_support {

std::filesystem::path WorkedExampleFolder() { return Utf8Path(MINPAIRS_WORKED_EXAMPLE_FOLDER); }

std::string WorkedExampleInput() { return ReadFile(WorkedExampleFolder() / "in.txt"); }

std::vector<std::string> WorkedExampleOutputNames() {
  return {"ListOfWordsWith K.txt", "ListOfWordsWith G.txt", "VendrelForKAndG.txt"};
}

std::string WorkedExampleExpected(const std::string& output_name) {
  return ReadFile(WorkedExampleFolder() / "expected" / Utf8Path(output_name));
}

}  // namespace testing_support
