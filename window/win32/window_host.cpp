#include "window/win32/window_host.h"

#include "search/os/platform_win32.h"
#include "search/texts/status_texts.h"
#include "window/application.h"

namespace window::win32 {

using search::os::Utf8FromWide;
using search::os::WideFromUtf8;

WindowHost::WindowHost(HWND owner, HWND status_button)
    : owner_(owner), status_button_(status_button) {}

std::string WindowHost::ApplicationDirectory() { return Utf8FromWide(ProgramFolder()); }

void WindowHost::ShowStatus(std::string_view text) {
  SetWindowTextW(status_button_, WideFromUtf8(text).c_str());
  if (throttle_.ShouldPaint(search::texts::IsProgressText(text), PaintThrottle::Clock::now())) {
    UpdateWindow(status_button_);  // paints now, without processing input
  }
}

void WindowHost::ShowMessage(std::string_view text) { ShowBox(owner_, text, 0); }

void ShowBox(HWND owner, std::string_view text, UINT icon) {
  MessageBoxW(owner, WideFromUtf8(text).c_str(), WideFromUtf8(kApplicationTitle).c_str(),
              MB_OK | MB_APPLMODAL | icon);
}

std::wstring ProgramFolder() {
  const std::wstring path = search::os::ProgramFilePath();
  return path.substr(0, path.find_last_of(L"\\/"));
}

}  // namespace window::win32
