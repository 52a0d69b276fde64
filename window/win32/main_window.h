#pragma once

#include <windows.h>

#include "window/search_session.h"

namespace window::win32 {

// Owns a font handle and deletes it when replaced or destroyed.
class FontHandle final {
 public:
  FontHandle() = default;
  ~FontHandle() { Reset(nullptr); }
  FontHandle(const FontHandle&) = delete;
  FontHandle& operator=(const FontHandle&) = delete;

  void Reset(HFONT font);
  [[nodiscard]] HFONT get() const { return font_; }

 private:
  HFONT font_ = nullptr;
};

// The program's only window, class "Form1": the user types two symbols into
// Text1 and Text2 and clicks Command1, which runs one search and then shows its
// status texts; the next click ends the program. The Help menu (mnuHelp) shows
// the instructions. The object must outlive its window.
class MainWindow final {
 public:
  static constexpr const wchar_t* kClassName = L"Form1";

  // Registers the window class and creates the window, hidden; nullptr on failure.
  HWND Create(HINSTANCE instance);

 private:
  static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  BOOL OnCreate(HWND hwnd, LPCREATESTRUCTW create);
  void OnCommand(HWND hwnd, int id, HWND control, UINT code);
  void OnActivate(HWND hwnd, UINT state, HWND other, BOOL minimized);
  void OnSetFocus(HWND hwnd, HWND previous);
  void OnDpiChanged(HWND hwnd, UINT dpi, const RECT& suggested);
  void OnDestroy(HWND hwnd) const;

  void CreateControls(HINSTANCE instance);
  void ApplyLayout(UINT dpi);
  void OnGoClicked();
  void ShowHelp();
  void EndProgram(int exit_status);

  HWND window_ = nullptr;
  HWND first_symbol_box_ = nullptr;
  HWND second_symbol_box_ = nullptr;
  HWND status_button_ = nullptr;
  // The control that gets the focus back when the window is activated again.
  HWND focused_control_ = nullptr;
  FontHandle font_;
  int exit_status_ = 0;
  SearchSession session_;
};

// Creates and shows the window and runs its message loop until the program
// ends; returns the exit status.
int RunProgram(HINSTANCE instance, int show_command);

}  // namespace window::win32
