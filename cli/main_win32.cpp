// Windows entry point: wmain receives the arguments in UTF-16, so symbols such as
// "ʃ" arrive intact whatever the system's code page.
#include <iostream>

#include "cli/command_line.h"
#include "cli/wide_arguments.h"

int wmain(int argc, wchar_t** argv) {
  return cli::RunCommandLine(cli::Utf8Arguments(argc, argv), std::cout, std::cerr);
}
