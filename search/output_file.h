#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace search {

// A text file written through one large buffer, lines ending in CR LF. Every
// failure raises SearchError naming the file and the system's reason; a file
// that is not closed in full (a failed write, or an error elsewhere while it is
// open) is removed rather than left truncated.
class OutputFile final {
 public:
  // Creates the file or empties an existing one.
  explicit OutputFile(std::string path);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  void WriteLine(std::string_view text) { WriteLine(text, {}, {}); }
  // Writes first + separator + second + CR LF without building a temporary.
  void WriteLine(std::string_view first, std::string_view separator, std::string_view second);

  // Flushes and closes; only after this returns is the file complete.
  void Close();

  [[nodiscard]] const std::string& path() const { return path_; }

 private:
  void Flush();
  [[noreturn]] void Fail(const char* action, int error_number);

  std::string path_;
  std::FILE* file_ = nullptr;
  std::string buffer_;
};

}  // namespace search
