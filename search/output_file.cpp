#include "search/output_file.h"

#include <cerrno>
#include <new>
#include <utility>

#include "search/search_error.h"
#include "search/temp_file_names.h"

namespace search {
namespace {
constexpr std::size_t kBufferBytes = 1 << 20;

std::string FolderOf(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  return separator == std::string::npos ? "." : path.substr(0, separator + 1);
}
}  // namespace

OutputFile::OutputFile(std::string path, FileLayer& files)
    : path_(std::move(path)), temp_path_(TempPathFor(path_)), files_(files) {
  RemoveLeftoverTempFiles(FolderOf(path_));
  // The earlier file goes now, as it would if it were opened for writing.
  if (const int error = files_.Remove(path_); error != 0 && error != ENOENT) Fail("create", error);
  removed_on_interruption_.emplace(temp_path_);  // before the file exists
  NativeFile handle = 0;
  int error = 0;
  {
    const FileChangeGuard guard;
    error = files_.CreateNew(temp_path_, handle);
  }
  if (error != 0) Fail("create", error);
  handle_ = handle;
  try {
    buffer_.reserve(kBufferBytes);
  } catch (const std::bad_alloc&) {
    Discard();
    throw SearchError("not enough memory to write '" + path_ + "'");
  }
}

// Still open here means the run was cut short before Close: the file is
// incomplete, so it goes rather than pass for a result.
OutputFile::~OutputFile() { Discard(); }

void OutputFile::WriteLine(std::string_view first, std::string_view separator,
                           std::string_view second) {
  buffer_ += first;
  buffer_ += separator;
  buffer_ += second;
  buffer_ += "\r\n";
  if (buffer_.size() >= kBufferBytes) Flush();
}

void OutputFile::Flush() {
  if (const int error = files_.Write(*handle_, buffer_); error != 0) Fail("write", error);
  buffer_.clear();
}

void OutputFile::Close() {
  Flush();
  const NativeFile handle = *std::exchange(handle_, std::nullopt);
  if (const int error = files_.Close(handle); error != 0) Fail("write", error);
  int error = 0;
  {
    const FileChangeGuard guard;
    error = files_.Replace(temp_path_, path_);
  }
  if (error != 0) Fail("create", error);
  removed_on_interruption_.reset();
}

void OutputFile::Discard() {
  if (!removed_on_interruption_) return;
  if (handle_) files_.Close(*std::exchange(handle_, std::nullopt));
  files_.Remove(temp_path_);
  removed_on_interruption_.reset();
}

void OutputFile::Fail(const char* action, int error_number) {
  Discard();
  throw SearchError(std::string("cannot ") + action + " '" + path_ +
                    "': " + SystemReason(error_number));
}

}  // namespace search
