// Temporary files that go with the process when a signal (POSIX) or a console
// event (Windows: Ctrl+C, Ctrl+Break, closing the console, logoff, shutdown)
// ends it. The first registration installs the handlers; they remove every
// registered file with async-signal-safe calls only, then let the default
// action end the process, so that its exit status still tells how it ended.
// SIGKILL, crashes and TerminateProcess cannot be caught: what they leave is
// removed by a later run (see temp_file_names.h).
#pragma once

#include <string>

namespace search::os {

// While this object lives, an interruption removes the file at `utf8_path`.
// A path too long for the fixed-size registry is not registered; such a path
// is longer than the system lets a file have.
class RemovedOnInterruption final {
 public:
  explicit RemovedOnInterruption(const std::string& utf8_path);
  ~RemovedOnInterruption();
  RemovedOnInterruption(const RemovedOnInterruption&) = delete;
  RemovedOnInterruption& operator=(const RemovedOnInterruption&) = delete;

 private:
  int slot_ = -1;
};

// Removes every registered file now, with async-signal-safe calls only: for a
// handler that ends the process on a fault of its own.
void RemoveRegisteredFiles();

// Held while a temporary file is created or renamed into place. On Windows a
// console event runs on a thread of its own; it waits for the change to finish
// and then keeps every later one from starting. Nothing on POSIX, where the
// handler interrupts the thread that makes the change.
class FileChangeGuard final {
 public:
  FileChangeGuard();
  ~FileChangeGuard();
  FileChangeGuard(const FileChangeGuard&) = delete;
  FileChangeGuard& operator=(const FileChangeGuard&) = delete;
};

}  // namespace search::os
