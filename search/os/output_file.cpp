#include "search/os/output_file.h"

#include <cerrno>
#include <filesystem>
#include <new>
#include <system_error>
#include <utility>

#include "search/os/platform.h"
#include "search/os/temp_file_names.h"
#include "search/texts/search_error.h"

namespace search::os {
namespace {
// Small enough for both buffers to stay in the processor's cache while the
// system copies one of them, large enough to make few system calls.
constexpr std::size_t kBufferBytes = 1 << 18;

std::string FolderOf(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  return separator == std::string::npos ? "." : path.substr(0, separator + 1);
}

// The folder as a user names it: without the separator after it, except a root's.
std::string FolderNameOf(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  if (separator == std::string::npos) return ".";
  return path.substr(0, separator == 0 ? 1 : separator);
}
}  // namespace

void CheckOutputFolder(const std::string& path) {
  const std::string folder = FolderNameOf(path);
  std::error_code error;
  const auto status = std::filesystem::status(PathFromUtf8(folder), error);
  if (status.type() != std::filesystem::file_type::not_found) return;
  throw texts::SearchError("cannot create '" + path + "': the folder '" + folder +
                           "' does not exist: create it");
}

void MakeOutputFolder(const std::string& folder) {
  const int error = MakeFolder(folder);
  if (error == 0 || error == EEXIST) return;
  throw texts::SearchError("cannot create the folder '" + folder +
                           "': " + texts::SystemReason(error));
}

OutputFile::OutputFile(std::string path, FileLayer& files)
    : path_(std::move(path)),
      temp_path_(TempPathFor(path_)),
      files_(files),
      writer_([this](std::string_view bytes) { return WriteNow(bytes); }) {
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
    filling_.resize(kBufferBytes);
    writing_.resize(kBufferBytes);
  } catch (const std::bad_alloc&) {
    Discard();
    throw texts::SearchError("not enough memory to write '" + path_ + "'");
  }
}

// Still open here means the run was cut short before Close: the file is
// incomplete, so it goes rather than pass for a result.
OutputFile::~OutputFile() { Discard(); }

int OutputFile::WriteNow(std::string_view bytes) {
  return bytes.empty() ? 0 : files_.Write(*handle_, bytes);
}

void OutputFile::WriteLineAfterFlush(std::string_view first, std::string_view separator,
                                     std::string_view second) {
  Flush();
  const std::size_t length = first.size() + separator.size() + second.size() + 2;
  if (length <= filling_.size()) {
    WriteLine(first, separator, second);
    return;
  }
  // A line longer than a buffer is written as it stands, after the lines before it.
  if (const int error = writer_.Wait(); error != 0) Fail("write", error);
  for (const std::string_view part : {first, separator, second, std::string_view("\r\n")}) {
    if (const int error = WriteNow(part); error != 0) Fail("write", error);
  }
}

// Hands the filled buffer over to be written and goes on with the other.
void OutputFile::Flush() {
  if (const int error = writer_.Start({filling_.data(), filled_}); error != 0) Fail("write", error);
  filling_.swap(writing_);
  filled_ = 0;
}

void OutputFile::Close() {
  // The last buffer is written here, so a file that fits in one needs no thread.
  if (const int error = writer_.Wait(); error != 0) Fail("write", error);
  if (const int error = WriteNow({filling_.data(), filled_}); error != 0) Fail("write", error);
  filled_ = 0;
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
  writer_.Wait();
  if (!removed_on_interruption_) return;
  if (handle_) files_.Close(*std::exchange(handle_, std::nullopt));
  files_.Remove(temp_path_);
  removed_on_interruption_.reset();
}

void OutputFile::Fail(const char* action, int error_number) {
  Discard();
  if (error_number == ENOENT) CheckOutputFolder(path_);  // a missing folder, named with its remedy
  throw texts::SearchError(std::string("cannot ") + action + " '" + path_ +
                           "': " + texts::SystemReason(error_number));
}

}  // namespace search::os
