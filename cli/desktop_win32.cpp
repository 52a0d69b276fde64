#include <windows.h>
// after windows.h
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <iostream>
#include <string>

#include "cli/desktop.h"
#include "search/os/platform_win32.h"
#include "search/texts/search_error.h"

namespace cli {
namespace {

std::string OpenFailureReason(DWORD error) {
  if (error == ERROR_NO_ASSOCIATION) return "no program is set to open such files";
  SetLastError(error);
  return search::texts::SystemReason(search::os::LastErrorNumber());
}

class WindowsDesktop final : public Desktop {
 public:
  bool Open(const std::string& utf8_path, std::string& reason) override {
    std::wstring path = search::os::WidePath(utf8_path);
    std::ranges::replace(path, L'/', L'\\');  // the run joins its folders with '/'
    // Some handlers of the shell are COM objects; they ask for this thread's apartment.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    SHELLEXECUTEINFOW open{};
    open.cbSize = sizeof open;
    // No dialog box of the shell's own; done before the call returns, as the program ends soon.
    open.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    open.lpVerb = L"open";
    open.lpFile = path.c_str();
    open.nShow = SW_SHOWNORMAL;
    const bool opened = ShellExecuteExW(&open) != FALSE;
    if (!opened) reason = OpenFailureReason(GetLastError());
    if (SUCCEEDED(com)) CoUninitialize();
    return opened;
  }

  unsigned long ConsoleProcessCount() override {
    DWORD process_ids[1]{};
    return GetConsoleProcessList(process_ids, 1);  // the count even when it passes the buffer
  }

  void WaitForEnter() override {
    std::string line;
    std::getline(std::cin, line);
  }
};

}  // namespace

Desktop& SystemDesktop() {
  static WindowsDesktop desktop;
  return desktop;
}

}  // namespace cli
