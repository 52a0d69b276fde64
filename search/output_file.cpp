#include "search/output_file.h"

#include <cerrno>
#include <cstdio>
#include <new>

#include "search/platform.h"
#include "search/search_error.h"

namespace search {
namespace {
constexpr std::size_t kBufferBytes = 1 << 20;
}

OutputFile::OutputFile(std::string path) : path_(std::move(path)) {
  errno = 0;
  file_ = OpenFile(path_, "wb");  // binary: CR LF is written as it stands, never doubled
  if (file_ == nullptr) {
    const int error_number = errno;
    throw SearchError("cannot create '" + path_ + "': " + SystemReason(error_number));
  }
  std::setvbuf(file_, nullptr, _IONBF, 0);
  try {
    buffer_.reserve(kBufferBytes);
  } catch (const std::bad_alloc&) {
    std::fclose(file_);
    RemoveFile(path_);
    throw SearchError("not enough memory to write '" + path_ + "'");
  }
}

// Still open here means the run was cut short before Close: the file is
// incomplete, so it goes rather than pass for a result.
OutputFile::~OutputFile() {
  if (file_ == nullptr) return;
  std::fclose(file_);
  RemoveFile(path_);
}

void OutputFile::WriteLine(std::string_view first, std::string_view separator,
                           std::string_view second) {
  buffer_ += first;
  buffer_ += separator;
  buffer_ += second;
  buffer_ += "\r\n";
  if (buffer_.size() >= kBufferBytes) Flush();
}

void OutputFile::Flush() {
  errno = 0;
  if (!buffer_.empty() && std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
    Fail("write", errno);
  }
  buffer_.clear();
}

void OutputFile::Close() {
  Flush();
  errno = 0;
  const int result = std::fclose(file_);
  const int error_number = errno;
  file_ = nullptr;
  if (result != 0) Fail("write", error_number);
}

void OutputFile::Fail(const char* action, int error_number) {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  RemoveFile(path_);
  throw SearchError(std::string("cannot ") + action + " '" + path_ +
                    "': " + SystemReason(error_number));
}

}  // namespace search
