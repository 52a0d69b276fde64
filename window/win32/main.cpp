#include <windows.h>

#include "window/win32/main_window.h"

// The instance is the program's own module, and SW_SHOWDEFAULT shows the window
// as whoever started the program asked; so no parameter is needed.
int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int /*show_command*/) {
  return window::win32::RunProgram(GetModuleHandleW(nullptr), SW_SHOWDEFAULT);
}
