#pragma once

#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "search/os/background_writer.h"
#include "search/os/file_layer.h"
#include "search/os/interruption.h"

namespace search::os {

// Raises the SearchError "cannot create '<path>': the folder '<folder>' does not
// exist: create it" when the folder that is to hold the file at `path` does not
// exist; does nothing otherwise. OutputFile raises it when it cannot create its
// file for that reason; a run may ask before it does anything else.
void CheckOutputFolder(const std::string& path);

// Makes the folder `folder` unless something of that name is there (a file
// there fails the first file written into it); raises the SearchError "cannot
// create the folder '<folder>': <reason>" otherwise.
void MakeOutputFolder(const std::string& folder);

// A text file written through two buffers, lines ending in CR LF: one is
// filled while the other is written on a thread of its own. It is written
// under a temporary name beside `path` and renamed to `path` by Close, so the
// name holds a complete file or none: whatever was there goes when the file is
// opened, and a run that ends early, by an error or an interruption, leaves no
// file behind. A symbolic link at `path` is replaced, never written through.
// Every failure raises SearchError naming `path` and the reason.
class OutputFile final {
 public:
  explicit OutputFile(std::string path, FileLayer& files = SystemFileLayer());
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  void WriteLine(std::string_view text) { WriteLine(text, {}, {}); }
  // Writes first + separator + second + CR LF without building a temporary.
  void WriteLine(std::string_view first, std::string_view separator, std::string_view second) {
    const std::size_t length = first.size() + separator.size() + second.size() + 2;
    if (length > filling_.size() - filled_) {
      WriteLineAfterFlush(first, separator, second);
      return;
    }
    char* out = filling_.data() + filled_;
    out = Append(out, first);
    out = Append(out, separator);
    out = Append(out, second);
    out[0] = '\r';
    out[1] = '\n';
    filled_ += length;
  }

  // Writes `lines`, whole lines that each end in CR LF already.
  void WriteLines(std::string_view lines) {
    if (lines.size() >= 2) WriteLine(lines.substr(0, lines.size() - 2));
  }

  // Writes what is buffered, closes and renames the file into place; only
  // after this returns is the file complete.
  void Close();

  [[nodiscard]] const std::string& path() const { return path_; }

 private:
  static char* Append(char* out, std::string_view text) {
    if (text.size() == 1) {  // a separator or a padding space: a store, not a call
      *out = text.front();
    } else if (!text.empty()) {  // an empty view may hold null
      std::memcpy(out, text.data(), text.size());
    }
    return out + text.size();
  }
  void WriteLineAfterFlush(std::string_view first, std::string_view separator,
                           std::string_view second);
  void Flush();
  int WriteNow(std::string_view bytes);
  void Discard();
  [[noreturn]] void Fail(const char* action, int error_number);

  std::string path_;
  std::string temp_path_;
  FileLayer& files_;
  std::optional<RemovedOnInterruption> removed_on_interruption_;
  std::optional<NativeFile> handle_;
  // Both buffers keep their full size; filling_[0, filled_) holds the lines
  // not yet handed over, writing_ those being written.
  std::string filling_;
  std::string writing_;
  std::size_t filled_ = 0;
  BackgroundWriter writer_;
};

}  // namespace search::os
