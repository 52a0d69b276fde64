#include <oleacc.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "window_driver.h"

namespace testing_support {
namespace {

constexpr auto kTimeOut = std::chrono::seconds(30);
constexpr DWORD kTimeOutMs = 30'000;
// IID_IAccessible, spelled out: mingw-w64's import library resolves that name to
// a thunk instead of the data.
constexpr IID kAccessibleInterface = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

struct WindowSearch {
  DWORD process_id;
  const wchar_t* window_class;
  HWND found;
};

BOOL CALLBACK KeepIfMatching(HWND window, LPARAM search_address) {
  auto* search = reinterpret_cast<WindowSearch*>(search_address);
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  if (process_id != search->process_id || !IsWindowVisible(window) ||
      ClassOf(window) != search->window_class) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM children_address) {
  reinterpret_cast<std::vector<HWND>*>(children_address)->push_back(child);
  return TRUE;
}

std::vector<HWND> ChildrenOf(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + kTimeOut;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

std::wstring TextOf(HWND window) {
  std::wstring text(4096, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), 4096)));
  return text;
}

std::wstring EditText(HWND edit_box) {
  std::wstring text(4096, L'\0');
  DWORD_PTR length = 0;
  SendMessageTimeoutW(edit_box, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, kTimeOutMs, &length);
  text.resize(length);
  return text;
}

std::wstring ClassOf(HWND window) {
  std::wstring name(256, L'\0');
  name.resize(static_cast<std::size_t>(GetClassNameW(window, name.data(), 256)));
  return name;
}

RECT RectIn(HWND window, HWND parent) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

HWND FocusedControl(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

// COM for the life of the object, as accessibility clients use it.
class ComSession final {
 public:
  ComSession() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComSession() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComSession(const ComSession&) = delete;
  ComSession& operator=(const ComSession&) = delete;

 private:
  HRESULT result_;
};

std::wstring AccessibleName(HWND control) {
  const ComSession com;
  IAccessible* accessible = nullptr;
  const HRESULT found =
      AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), kAccessibleInterface,
                                 reinterpret_cast<void**>(&accessible));
  if (FAILED(found)) return L"<no accessible object: " + std::to_wstring(found) + L">";
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  const HRESULT result = accessible->get_accName(self, &name);
  accessible->Release();
  std::wstring text = result == S_OK && name != nullptr ? std::wstring(name) : L"<no name>";
  SysFreeString(name);
  return text;
}

void PressKey(HWND window, WPARAM virtual_key) {
  const HWND focus = FocusedControl(window);
  PostMessageW(focus, WM_KEYDOWN, virtual_key, 1);
  PostMessageW(focus, WM_KEYUP, virtual_key, 0xC0000001);
}

void TypeInto(HWND edit_box, const std::wstring& text) {
  SendMessageW(edit_box, EM_SETSEL, 0, -1);
  for (const wchar_t character : text) PostMessageW(edit_box, WM_CHAR, character, 1);
}

MessageBoxView ViewOfMessageBox(HWND box) {
  MessageBoxView view{TextOf(box), TextOf(GetDlgItem(box, 0xFFFF)), {}, false};
  for (const HWND child : ChildrenOf(box)) {
    const std::wstring child_class = ClassOf(child);
    if (child_class == L"Button") view.buttons.push_back(TextOf(child));
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (child_class == L"Static" && (style & SS_TYPEMASK) == SS_ICON) {
      DWORD_PTR icon = 0;
      SendMessageTimeoutW(child, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, kTimeOutMs, &icon);
      view.has_icon = view.has_icon || icon != 0;
    }
  }
  return view;
}

RunningProgram::RunningProgram(const std::filesystem::path& program) {
  std::wstring command_line = L"\"" + program.wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      program.parent_path().c_str(), &startup, &process_)) {
    throw std::runtime_error("cannot start " + program.string());
  }
  WaitForInputIdle(process_.hProcess, kTimeOutMs);
}

RunningProgram::~RunningProgram() {
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 99);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND RunningProgram::WaitForWindow(const wchar_t* window_class) const {
  WindowSearch search{process_.dwProcessId, window_class, nullptr};
  WaitUntil([&] {
    EnumWindows(KeepIfMatching, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  return search.found;
}

std::optional<DWORD> RunningProgram::WaitForExit() const {
  if (WaitForSingleObject(process_.hProcess, kTimeOutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD status = 0;
  GetExitCodeProcess(process_.hProcess, &status);
  return status;
}

}  // namespace testing_support
