#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "search/os/run_host.h"
#include "window/paint_throttle.h"

namespace window::win32 {

// The RunHost that the window hands to the search: status texts become the
// caption of `status_button`, painted before ShowStatus returns (the window
// processes no input during a run); messages are boxes owned by `owner`.
class WindowHost final : public search::os::RunHost {
 public:
  WindowHost(HWND owner, HWND status_button);

  std::string ApplicationDirectory() override;
  void ShowStatus(std::string_view text) override;
  void ShowMessage(std::string_view text) override;

 private:
  HWND owner_;
  HWND status_button_;
  PaintThrottle throttle_;
};

// An application-modal box with `text`, a single OK button and the
// application's title; `icon` is 0 or one of the MB_ICON... flags.
void ShowBox(HWND owner, std::string_view text, UINT icon);

// The folder of the program file, without a trailing separator.
std::wstring ProgramFolder();

}  // namespace window::win32
