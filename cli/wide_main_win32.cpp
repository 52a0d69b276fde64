// wmain receives the arguments in UTF-16, so symbols such as "ʃ" arrive intact
// whatever the system's code page; a console gets the output as UTF-16 for the
// same reason.
#include <windows.h>

#include <iostream>

#include "cli/command_line.h"
#include "cli/console_stream_win32.h"
#include "cli/terminal.h"
#include "cli/wide_arguments.h"
#include "cli/wide_main.h"

namespace cli {

int RunWideMain(int argc, const wchar_t* const* argv, Desktop& desktop) {
  const ConsoleStream out(std::cout, STD_OUTPUT_HANDLE);
  const ConsoleStream err(std::cerr, STD_ERROR_HANDLE);
  return RunCommandLine(
      Utf8Arguments(argc, argv), std::cout, std::cerr, desktop,
      StandardErrorIsTerminal() ? StatusLines::kProgressInPlace : StatusLines::kEach);
}

}  // namespace cli
