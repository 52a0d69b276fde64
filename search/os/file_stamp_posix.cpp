#include <sys/stat.h>

#include "search/os/file_stamp.h"

namespace search::os {
namespace {

std::int64_t Nanoseconds(const timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

}  // namespace

std::optional<FileStamp> StampOf(std::FILE* file) {
  struct stat status {};
  if (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
#ifdef __APPLE__
  return FileStamp{static_cast<std::uint64_t>(status.st_size), Nanoseconds(status.st_mtimespec),
                   Nanoseconds(status.st_ctimespec), status.st_nlink};
#else
  return FileStamp{static_cast<std::uint64_t>(status.st_size), Nanoseconds(status.st_mtim),
                   Nanoseconds(status.st_ctim), status.st_nlink};
#endif
}

}  // namespace search::os
