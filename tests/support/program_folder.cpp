#include "program_folder.h"

namespace testing_support {

ProgramFolder::ProgramFolder() { std::filesystem::create_directory(path() / "output"); }

ProgramFolder::ProgramFolder(std::string_view in_txt) : ProgramFolder() { Write("in.txt", in_txt); }

std::string ProgramFolder::Output(std::string_view utf8_name) const {
  return Read(std::filesystem::path("output") / Utf8Path(utf8_name));
}

std::size_t ProgramFolder::OutputFileCount() const {
  return testing_support::OutputFileCount(path());
}

}  // namespace testing_support
