#include <signal.h>  // NOLINT(modernize-deprecated-headers): kill is POSIX
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <limits>

#include "search/os/platform.h"

namespace search::os {

std::FILE* OpenFile(const std::string& utf8_path, const char* mode) {
  return std::fopen(utf8_path.c_str(), mode);
}

std::string_view ForbiddenFileNameCharacters() { return "/\\"; }

NameLimits FileNameLimits(const std::string& utf8_folder) {
  const long name = pathconf(utf8_folder.c_str(), _PC_NAME_MAX);
  constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
  // PATH_MAX counts the terminating NUL.
  return {name > 0 ? static_cast<std::size_t>(name) : kNone, PATH_MAX - 1, "bytes"};
}

std::size_t NameLength(std::string_view utf8_name) { return utf8_name.size(); }

std::size_t PathLength(const std::string& utf8_path) { return utf8_path.size(); }

int MakeFolder(const std::string& utf8_path) {
  return mkdir(utf8_path.c_str(), 0777) == 0 ? 0 : errno;
}

bool SameFile(const std::string& utf8_first, const std::string& utf8_second) {
  struct stat first {};
  struct stat second {};
  if (lstat(utf8_first.c_str(), &first) != 0 || lstat(utf8_second.c_str(), &second) != 0) {
    return false;
  }
  return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

void AdviseFilledSoon(void* address, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
  // madvise wants a page-aligned start; the pages around the range are left be.
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto start = reinterpret_cast<std::uintptr_t>(address);
  const std::uintptr_t first = (start + page - 1) / page * page;
  const std::uintptr_t end = (start + bytes) / page * page;
  // NOLINTNEXTLINE(performance-no-int-to-ptr): the address came from a pointer
  if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#else
  (void)address;
  (void)bytes;
#endif
}

unsigned long CurrentProcessId() { return static_cast<unsigned long>(getpid()); }

bool ProcessIsRunning(unsigned long process_id) {
  if (process_id == 0 ||
      process_id > static_cast<unsigned long>(std::numeric_limits<pid_t>::max())) {
    return false;
  }
  return kill(static_cast<pid_t>(process_id), 0) == 0 || errno == EPERM;
}

}  // namespace search::os
