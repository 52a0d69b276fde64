#include "search/os/temp_file_names.h"

#include <gtest/gtest.h>

#include <string>

#ifdef _WIN32
// clang-format off
#include <windows.h>
#include <tlhelp32.h>
// clang-format on
#else
#include <unistd.h>
#endif

#include "temp_folder.h"

namespace search::os {
namespace {

// Another process that runs while this one does: the one that started it, or
// on Windows, where that may not be a Windows process at all (under wine), the
// first other process of the system's list.
unsigned long AnotherRunningProcessId() {
#ifdef _WIN32
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  unsigned long other = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more && other == 0;
       more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID != 0 && entry.th32ProcessID != GetCurrentProcessId()) {
      other = entry.th32ProcessID;
    }
  }
  CloseHandle(snapshot);
  return other;
#else
  return static_cast<unsigned long>(getppid());
#endif
}

TEST(RemoveLeftoverTempFiles, KeepsTheFileOfARunningProcessAndRemovesAnEndedOne) {
  const testing_support::TempFolder folder;
  const std::string running =
      ".minpairs-" + std::to_string(AnotherRunningProcessId()) + "-1.partial";
  const std::string ended = ".minpairs-4000000000-1.partial";  // no process has this id
  folder.Write(running, "x");
  folder.Write(ended, "x");
  RemoveLeftoverTempFiles(folder.utf8());
  EXPECT_TRUE(folder.Exists(running));
  EXPECT_FALSE(folder.Exists(ended));
}

}  // namespace
}  // namespace search::os
