#include <windows.h>

#include <cerrno>

#include "search/os/file_layer.h"
#include "search/os/platform.h"
#include "search/os/platform_win32.h"

namespace search::os {
namespace {

HANDLE AsHandle(NativeFile handle) { return reinterpret_cast<HANDLE>(handle); }

class Win32FileLayer final : public FileLayer {
 public:
  int CreateNew(const std::string& path, NativeFile& handle) override {
    // FILE_SHARE_DELETE: the console handler must be able to delete the file
    // while the run still has it open.
    const HANDLE file =
        CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                    nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastErrorNumber();
    handle = reinterpret_cast<NativeFile>(file);
    return 0;
  }

  int Write(NativeFile handle, std::string_view bytes) override {
    while (!bytes.empty()) {
      const DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
      DWORD written = 0;
      if (!WriteFile(AsHandle(handle), bytes.data(), chunk, &written, nullptr)) {
        return LastErrorNumber();
      }
      if (written == 0) return EIO;
      bytes.remove_prefix(written);
    }
    return 0;
  }

  int Close(NativeFile handle) override {
    return CloseHandle(AsHandle(handle)) ? 0 : LastErrorNumber();
  }

  int Replace(const std::string& from, const std::string& to) override {
    const bool moved =
        MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    return moved ? 0 : LastErrorNumber();
  }

  int Remove(const std::string& path) override {
    return DeleteFileW(WidePath(path).c_str()) ? 0 : LastErrorNumber();
  }
};

}  // namespace

FileLayer& SystemFileLayer() {
  static Win32FileLayer layer;
  return layer;
}

}  // namespace search::os
