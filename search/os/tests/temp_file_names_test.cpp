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

// The process that started this one, which runs until this one ends.
unsigned long ParentProcessId() {
#ifdef _WIN32
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  unsigned long parent = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId()) parent = entry.th32ParentProcessID;
  }
  CloseHandle(snapshot);
  return parent;
#else
  return static_cast<unsigned long>(getppid());
#endif
}

TEST(RemoveLeftoverTempFiles, KeepsTheFileOfARunningProcessAndRemovesAnEndedOne) {
  const testing_support::TempFolder folder;
  const std::string running = ".minpairs-" + std::to_string(ParentProcessId()) + "-1.partial";
  const std::string ended = ".minpairs-4000000000-1.partial";  // no process has this id
  folder.Write(running, "x");
  folder.Write(ended, "x");
  RemoveLeftoverTempFiles(folder.utf8());
  EXPECT_TRUE(folder.Exists(running));
  EXPECT_FALSE(folder.Exists(ended));
}

}  // namespace
}  // namespace search::os
