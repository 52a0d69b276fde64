#include <windows.h>

#include <atomic>
#include <cstring>

#include "search/os/interruption.h"
#include "search/os/platform_win32.h"

namespace search::os {
namespace {

// Fixed and preallocated, as the handler may run at any moment.
struct Slot {
  wchar_t path[4096];
  std::atomic<bool> used;
};
constexpr int kSlots = 8;
Slot registry[kSlots];
SRWLOCK file_change_lock = SRWLOCK_INIT;

// Runs on a thread of its own. It takes the lock and never gives it back: the
// run can neither finish a rename nor create a new file before the process
// ends. Returning FALSE lets the system's handler end the process as it would
// have without this one.
BOOL WINAPI RemoveFilesOnConsoleEvent(DWORD) {
  AcquireSRWLockExclusive(&file_change_lock);
  RemoveRegisteredFiles();
  return FALSE;
}

void InstallHandlerOnce() {
  static const bool kInstalled = SetConsoleCtrlHandler(RemoveFilesOnConsoleEvent, TRUE) != 0;
  (void)kInstalled;
}

}  // namespace

void RemoveRegisteredFiles() {
  for (const Slot& slot : registry) {
    if (slot.used.load()) DeleteFileW(slot.path);
  }
}

RemovedOnInterruption::RemovedOnInterruption(const std::string& utf8_path) {
  InstallHandlerOnce();
  const std::wstring wide = WidePath(utf8_path);
  if (wide.size() >= std::size(registry[0].path)) return;
  for (int i = 0; i < kSlots; ++i) {
    if (registry[i].used.load()) continue;
    std::memcpy(registry[i].path, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    registry[i].used.store(true);
    slot_ = i;
    return;
  }
}

RemovedOnInterruption::~RemovedOnInterruption() {
  if (slot_ >= 0) registry[slot_].used.store(false);
}

FileChangeGuard::FileChangeGuard() { AcquireSRWLockExclusive(&file_change_lock); }
FileChangeGuard::~FileChangeGuard() { ReleaseSRWLockExclusive(&file_change_lock); }

}  // namespace search::os
