#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "search/os/file_layer.h"

namespace search::os {
namespace {

class PosixFileLayer final : public FileLayer {
 public:
  int CreateNew(const std::string& path, NativeFile& handle) override {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    handle = fd;
    return 0;
  }

  int Write(NativeFile handle, std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t written = write(static_cast<int>(handle), bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written < 0) return errno;
      if (written == 0) return EIO;
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
  }

  int Close(NativeFile handle) override { return close(static_cast<int>(handle)) == 0 ? 0 : errno; }

  int Replace(const std::string& from, const std::string& to) override {
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
  }

  int Remove(const std::string& path) override { return unlink(path.c_str()) == 0 ? 0 : errno; }
};

}  // namespace

FileLayer& SystemFileLayer() {
  static PosixFileLayer layer;
  return layer;
}

}  // namespace search::os
