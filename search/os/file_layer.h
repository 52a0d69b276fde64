// The few file operations behind an OutputFile, behind an interface so that
// tests can make one of them fail. Paths are UTF-8; every operation returns 0
// or an errno value (Windows errors are mapped to the nearest one).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace search::os {

using NativeFile = std::intptr_t;

class FileLayer {
 public:
  virtual ~FileLayer() = default;

  // Creates a new file for writing; fails if anything exists at `path`, a
  // symbolic link included, so nothing is ever written through a link. On
  // Windows the file can be deleted while it is open.
  virtual int CreateNew(const std::string& path, NativeFile& handle) = 0;
  virtual int Write(NativeFile handle, std::string_view bytes) = 0;
  virtual int Close(NativeFile handle) = 0;
  // Renames `from` to `to`, replacing what is there (a link, not its target).
  virtual int Replace(const std::string& from, const std::string& to) = 0;
  // Removes the directory entry at `path` (a link, not its target).
  virtual int Remove(const std::string& path) = 0;
};

// The operating system's files.
FileLayer& SystemFileLayer();

}  // namespace search::os
