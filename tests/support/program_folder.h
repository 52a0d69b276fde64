#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "temp_folder.h"

namespace testing_support {

// A program folder as the programs find it beside themselves: a temporary folder
// with an empty output folder, and in.txt when the word list is given. Tests that
// need an unusual folder (no output folder, a folder in place of a file) change it
// through path().
class ProgramFolder final {
 public:
  ProgramFolder();
  explicit ProgramFolder(std::string_view in_txt);

  [[nodiscard]] const std::filesystem::path& path() const { return folder_.path(); }
  // The folder in UTF-8, as a RunHost hands it out.
  [[nodiscard]] std::string utf8() const { return folder_.utf8(); }

  // Input files, and any file relative to the folder.
  void Write(const std::filesystem::path& relative, std::string_view bytes) const {
    folder_.Write(relative, bytes);
  }
  [[nodiscard]] std::string Read(const std::filesystem::path& relative) const {
    return folder_.Read(relative);
  }
  [[nodiscard]] bool Exists(const std::filesystem::path& relative) const {
    return folder_.Exists(relative);
  }

  // The bytes of the output file named `utf8_name`, as the search names it.
  [[nodiscard]] std::string Output(std::string_view utf8_name) const;
  // How many entries the output folder holds.
  [[nodiscard]] std::size_t OutputFileCount() const;

 private:
  TempFolder folder_;
};

}  // namespace testing_support
