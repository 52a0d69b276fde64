// Types two symbols into the boxes of the running FindMinimalPairs.exe the way
// the window tests do, by posting the characters, for scripts/screenshots:
// xdotool can type only what the X keyboard map holds, and IPA is not there.
// Usage: type_symbols FIRST SECOND   (exit status 0 once the boxes hold them)
#include <windows.h>

#include <string>

#include "window/win32/resource_ids.h"
#include "window_driver.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  HWND form1 = nullptr;
  testing_support::WaitUntil([&] {
    form1 = FindWindowW(L"Form1", nullptr);
    return form1 != nullptr;
  });
  if (form1 == nullptr) return 1;
  const HWND text1 = GetDlgItem(form1, IDC_TEXT1);
  const HWND text2 = GetDlgItem(form1, IDC_TEXT2);
  testing_support::TypeInto(text1, argv[1]);
  testing_support::TypeInto(text2, argv[2]);
  const bool typed = testing_support::WaitUntil([&] {
    return testing_support::EditText(text1) == argv[1] &&
           testing_support::EditText(text2) == argv[2];
  });
  return typed ? 0 : 1;
}
