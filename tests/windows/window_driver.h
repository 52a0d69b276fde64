// Drives a window program of another process from outside, the way a user and
// a screen reader reach it: by window handles, posted input and accessibility.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// Polls `condition` every few milliseconds for up to 30 s; true once it holds.
bool WaitUntil(const std::function<bool()>& condition);

// The window's text as the system keeps it; works while the window is busy.
std::wstring TextOf(HWND window);
// The text of an edit box, which keeps its own; asks the edit box.
std::wstring EditText(HWND edit_box);
std::wstring ClassOf(HWND window);

// The window's rectangle in the client coordinates of `parent`.
RECT RectIn(HWND window, HWND parent);

// The control that has the keyboard focus in the thread that owns `window`.
HWND FocusedControl(HWND window);

// The name that screen readers announce for the control (MSAA).
std::wstring AccessibleName(HWND control);

// Posts a key press (down and up) to the focused control of `window`'s thread.
void PressKey(HWND window, WPARAM virtual_key);

// Replaces the text of an edit box by typing `text` into it.
void TypeInto(HWND edit_box, const std::wstring& text);

// A message box: its text, buttons and whether its icon control holds an icon.
struct MessageBoxView {
  std::wstring title;
  std::wstring text;
  std::vector<std::wstring> buttons;
  bool has_icon = false;
};
MessageBoxView ViewOfMessageBox(HWND box);

// A window program started in its own folder; ended by force if it still runs
// when the object goes away.
class RunningProgram final {
 public:
  explicit RunningProgram(const std::filesystem::path& program);
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  // The first visible top-level window of the process with this class, once it
  // appears; nullptr after the time-out.
  HWND WaitForWindow(const wchar_t* window_class) const;
  // The exit status once the process has ended; nothing after the time-out.
  std::optional<DWORD> WaitForExit() const;

 private:
  PROCESS_INFORMATION process_{};
};

}  // namespace testing_support
