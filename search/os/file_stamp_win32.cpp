#include <io.h>
#include <windows.h>

#include "search/os/file_stamp.h"

namespace search::os {

std::optional<FileStamp> StampOf(std::FILE* file) {
  // NOLINTNEXTLINE(performance-no-int-to-ptr): the C runtime hands the handle as an integer
  auto* const handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  if (handle == INVALID_HANDLE_VALUE || GetFileType(handle) != FILE_TYPE_DISK) return std::nullopt;
  FILE_STANDARD_INFO standard{};
  FILE_BASIC_INFO times{};
  if (!GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard) ||
      !GetFileInformationByHandleEx(handle, FileBasicInfo, &times, sizeof times)) {
    return std::nullopt;
  }
  return FileStamp{static_cast<std::uint64_t>(standard.EndOfFile.QuadPart),
                   times.LastWriteTime.QuadPart, times.ChangeTime.QuadPart, standard.NumberOfLinks};
}

}  // namespace search::os
