#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "search/os/platform.h"

namespace testing_support {

// A fresh folder under the system's temporary directory, removed with everything
// in it when the object goes away.
class TempFolder final {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  [[nodiscard]] const std::filesystem::path& path() const { return path_; }
  // The folder in UTF-8, as a RunHost hands it out.
  [[nodiscard]] std::string utf8() const;

  // Writes `bytes` to the file at `relative`, creating folders on the way.
  void Write(const std::filesystem::path& relative, std::string_view bytes) const;
  [[nodiscard]] std::string Read(const std::filesystem::path& relative) const;
  [[nodiscard]] bool Exists(const std::filesystem::path& relative) const;

 private:
  std::filesystem::path path_;
};

// The whole content of a file, or a marker text when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

// How many entries the output folder in `folder` holds: files, folders and links.
std::size_t OutputFileCount(const std::filesystem::path& folder);

// Tests name paths from UTF-8 text the way the search does.
inline std::filesystem::path Utf8Path(std::string_view text) {
  return search::os::PathFromUtf8(text);
}

}  // namespace testing_support
