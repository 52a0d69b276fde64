#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "search/file_layer.h"
#include "search/interruption.h"

namespace search {

// A text file written through one large buffer, lines ending in CR LF. It is
// written under a temporary name beside `path` and renamed to `path` by Close,
// so the name holds a complete file or none: whatever was there goes when the
// file is opened, and a run that ends early, by an error or an interruption,
// leaves no file behind. A symbolic link at `path` is replaced, never written
// through. Every failure raises SearchError naming `path` and the reason.
class OutputFile final {
 public:
  explicit OutputFile(std::string path, FileLayer& files = SystemFileLayer());
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  void WriteLine(std::string_view text) { WriteLine(text, {}, {}); }
  // Writes first + separator + second + CR LF without building a temporary.
  void WriteLine(std::string_view first, std::string_view separator, std::string_view second);

  // Writes what is buffered, closes and renames the file into place; only
  // after this returns is the file complete.
  void Close();

  [[nodiscard]] const std::string& path() const { return path_; }

 private:
  void Flush();
  void Discard();
  [[noreturn]] void Fail(const char* action, int error_number);

  std::string path_;
  std::string temp_path_;
  FileLayer& files_;
  std::optional<RemovedOnInterruption> removed_on_interruption_;
  std::optional<NativeFile> handle_;
  std::string buffer_;
};

}  // namespace search
