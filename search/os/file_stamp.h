// What tells one version of an open file from another, so that a reader can
// tell whether another program wrote the file while it was read.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>

namespace search::os {

// The size, the times of the last write and of the last change of the file's
// contents or attributes, as finely as the system keeps them (POSIX mtime and
// ctime; Windows LastWriteTime and ChangeTime), and the number of names it has.
struct FileStamp {
  std::uint64_t size = 0;
  std::int64_t last_write = 0;
  std::int64_t last_change = 0;
  std::uint64_t links = 0;
};

// Whether the file may hold other bytes at `after` than at `before`: its size
// or last write differ, or its last change does while its names do not. A
// program that removes or replaces the file's name, by renaming another file
// over it, changes that time too, but not the bytes of the file still open.
bool ChangedBetween(const FileStamp& before, const FileStamp& after);

// The stamp of an open regular file; none for anything else (a pipe has no
// versions) or where the system does not tell.
std::optional<FileStamp> StampOf(std::FILE* file);

}  // namespace search::os
