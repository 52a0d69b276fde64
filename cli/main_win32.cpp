// Windows entry point: wmain, for the arguments in UTF-16.
#include "cli/desktop.h"
#include "cli/wide_main.h"

int wmain(int argc, wchar_t** argv) { return cli::RunWideMain(argc, argv, cli::SystemDesktop()); }
