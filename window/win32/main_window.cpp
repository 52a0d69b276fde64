#include "window/win32/main_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

#include "search/os/platform_win32.h"
#include "window/application.h"
#include "window/help_text.h"
#include "window/layout.h"
#include "window/win32/resource_ids.h"
#include "window/win32/window_host.h"

namespace window::win32 {
namespace {

using search::os::Utf8FromWide;
using search::os::WideFromUtf8;

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kButtonStyle =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;

HWND CreateControl(HWND parent, HINSTANCE instance, int id, const wchar_t* window_class,
                   const wchar_t* text, DWORD style, DWORD extended_style = 0) {
  return CreateWindowExW(extended_style, window_class, text, style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

// A label that screen readers use as the name of the edit box created after it;
// hidden, because the window shows no labels.
void CreateHiddenLabel(HWND parent, HINSTANCE instance, int id, const wchar_t* text) {
  CreateControl(parent, instance, id, WC_STATICW, text, WS_CHILD | SS_LEFT);
}

// The system's message font at `dpi`.
HFONT CreateMessageFont(UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

void Place(HWND control, const Box& twips, UINT dpi, HFONT font) {
  const Box pixels = ToPixels(twips, static_cast<int>(dpi));
  SetWindowPos(control, nullptr, pixels.left, pixels.top, pixels.width, pixels.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowFont(control, font, TRUE);
}

std::string WindowTextUtf8(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return Utf8FromWide(text);
}

}  // namespace

void FontHandle::Reset(HFONT font) {
  if (font_ != nullptr) DeleteObject(font_);
  font_ = font;
}

HWND MainWindow::Create(HINSTANCE instance) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = WindowProcedure;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_FIND_MINIMAL_PAIRS));
  window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  window_class.lpszMenuName = MAKEINTRESOURCEW(IDR_FORM1_MENU);
  window_class.lpszClassName = kClassName;
  if (RegisterClassExW(&window_class) == 0) return nullptr;
  return CreateWindowExW(0, kClassName, WideFromUtf8(kApplicationTitle).c_str(), kWindowStyle,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                         nullptr, instance, this);
}

LRESULT CALLBACK MainWindow::WindowProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self != nullptr ? self->HandleMessage(hwnd, message, wParam, lParam)
                         : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    HANDLE_MSG(hwnd, WM_CREATE, OnCreate);
    HANDLE_MSG(hwnd, WM_COMMAND, OnCommand);
    HANDLE_MSG(hwnd, WM_ACTIVATE, OnActivate);
    HANDLE_MSG(hwnd, WM_SETFOCUS, OnSetFocus);
    HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
    case WM_DPICHANGED:  // windowsx.h has no cracker for it
      OnDpiChanged(hwnd, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

BOOL MainWindow::OnCreate(HWND hwnd, LPCREATESTRUCTW create) {
  window_ = hwnd;
  CreateControls(create->hInstance);
  ApplyLayout(GetDpiForWindow(hwnd));
  focused_control_ = first_symbol_box_;
  return TRUE;
}

// Creation order is the tab order: Text1, Text2, Command1, each edit box right
// after the hidden label that names it.
void MainWindow::CreateControls(HINSTANCE instance) {
  CreateHiddenLabel(window_, instance, IDC_TEXT1_LABEL, L"First symbol");
  first_symbol_box_ =
      CreateControl(window_, instance, IDC_TEXT1, WC_EDITW, L"P", kEditStyle, WS_EX_CLIENTEDGE);
  CreateHiddenLabel(window_, instance, IDC_TEXT2_LABEL, L"Second symbol");
  second_symbol_box_ =
      CreateControl(window_, instance, IDC_TEXT2, WC_EDITW, L"T", kEditStyle, WS_EX_CLIENTEDGE);
  status_button_ = CreateControl(window_, instance, IDC_COMMAND1, WC_BUTTONW, L"Go", kButtonStyle);
}

// Places the controls and sizes the window for `dpi`, with the message font at
// that DPI.
void MainWindow::ApplyLayout(UINT dpi) {
  font_.Reset(CreateMessageFont(dpi));
  Place(status_button_, kGoButtonTwips, dpi, font_.get());
  Place(first_symbol_box_, kFirstSymbolBoxTwips, dpi, font_.get());
  Place(second_symbol_box_, kSecondSymbolBoxTwips, dpi, font_.get());

  const Box client = ToPixels(kClientAreaTwips, static_cast<int>(dpi));
  RECT frame{0, 0, client.width, client.height};
  AdjustWindowRectExForDpi(&frame, kWindowStyle, TRUE, 0, dpi);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::OnCommand(HWND /*hwnd*/, int id, HWND /*control*/, UINT code) {
  if (id == IDC_COMMAND1 && code == BN_CLICKED) OnGoClicked();
  if (id == IDM_MNUHELP && code == 0) ShowHelp();
}

// Keeps the focused control while another window is active, and gives it the
// focus back on return (as dialog boxes do), so that Space still clicks Command1.
void MainWindow::OnActivate(HWND hwnd, UINT state, HWND /*other*/, BOOL minimized) {
  if (state == WA_INACTIVE) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(hwnd, focus)) focused_control_ = focus;
  } else if (!minimized) {
    SetFocus(focused_control_);
  }
}

void MainWindow::OnSetFocus(HWND /*hwnd*/, HWND /*previous*/) { SetFocus(focused_control_); }

void MainWindow::OnDpiChanged(HWND hwnd, UINT dpi, const RECT& suggested) {
  SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyLayout(dpi);
}

void MainWindow::OnDestroy(HWND /*hwnd*/) const { PostQuitMessage(exit_status_); }

void MainWindow::OnGoClicked() {
  const std::string first = WindowTextUtf8(first_symbol_box_);
  const std::string second = WindowTextUtf8(second_symbol_box_);
  WindowHost host(window_, status_button_);
  const AfterClick after = session_.OnGoClicked(first, second, host);
  if (after.error) ShowBox(window_, *after.error, MB_ICONERROR);
  if (after.exit_status) EndProgram(*after.exit_status);
}

void MainWindow::ShowHelp() { ShowBox(window_, HelpText(), 0); }

void MainWindow::EndProgram(int exit_status) {
  exit_status_ = exit_status;
  DestroyWindow(window_);
}

int RunProgram(HINSTANCE instance, int show_command) {
  // A run processes no messages; the system's stand-in "Not Responding" window
  // would hide the status texts.
  DisableProcessWindowsGhosting();
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  MainWindow main_window;
  const HWND hwnd = main_window.Create(instance);
  if (hwnd == nullptr) return 1;
  ShowWindow(hwnd, show_command);
  UpdateWindow(hwnd);

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(hwnd, &message)) continue;  // Tab, Enter and Space on the button
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace window::win32
