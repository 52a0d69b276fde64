// Windows entry point: wmain receives the arguments in UTF-16, so symbols such as
// "ʃ" arrive intact whatever the system's code page; a console gets the output
// as UTF-16 for the same reason.
#include <windows.h>

#include <iostream>

#include "cli/command_line.h"
#include "cli/console_stream_win32.h"
#include "cli/terminal.h"
#include "cli/wide_arguments.h"

int wmain(int argc, wchar_t** argv) {
  const cli::ConsoleStream out(std::cout, STD_OUTPUT_HANDLE);
  const cli::ConsoleStream err(std::cerr, STD_ERROR_HANDLE);
  return cli::RunCommandLine(cli::Utf8Arguments(argc, argv), std::cout, std::cerr,
                             cli::StandardErrorIsTerminal() ? cli::StatusLines::kProgressInPlace
                                                            : cli::StatusLines::kEach);
}
