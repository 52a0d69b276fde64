#include "search/output_file.h"

#include <cerrno>
#include <cstdio>
#include <new>

#include "search/platform.h"
#include "search/search_error.h"

namespace search {
namespace {
// Small enough for both buffers to stay in the processor's cache while the
// system copies one of them, large enough to make few system calls.
constexpr std::size_t kBufferBytes = 1 << 18;

int WriteAll(std::FILE* file, std::string_view bytes) {
  if (bytes.empty()) return 0;  // an empty view may hold null, which fwrite refuses
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size()) return 0;
  return errno != 0 ? errno : EIO;
}
}  // namespace

OutputFile::OutputFile(std::string path)
    : path_(std::move(path)),
      writer_([this](std::string_view bytes) { return WriteAll(file_, bytes); }) {
  errno = 0;
  file_ = OpenFile(path_, "wb");  // binary: CR LF is written as it stands, never doubled
  if (file_ == nullptr) {
    const int error_number = errno;
    throw SearchError("cannot create '" + path_ + "': " + SystemReason(error_number));
  }
  std::setvbuf(file_, nullptr, _IONBF, 0);
  try {
    filling_.resize(kBufferBytes);
    writing_.resize(kBufferBytes);
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
  writer_.Wait();
  std::fclose(file_);
  RemoveFile(path_);
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
    if (const int error = WriteAll(file_, part); error != 0) Fail("write", error);
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
  if (const int error = WriteAll(file_, {filling_.data(), filled_}); error != 0) {
    Fail("write", error);
  }
  filled_ = 0;
  errno = 0;
  const int result = std::fclose(file_);
  const int error_number = errno;
  file_ = nullptr;
  if (result != 0) Fail("write", error_number);
}

void OutputFile::Fail(const char* action, int error_number) {
  writer_.Wait();
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  RemoveFile(path_);
  throw SearchError(std::string("cannot ") + action + " '" + path_ +
                    "': " + SystemReason(error_number));
}

}  // namespace search
