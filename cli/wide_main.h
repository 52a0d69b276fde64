// The body of minpairs.exe's wmain, shared by the program and by a test build
// of it that stands in for the browser.
#pragma once

#include "cli/desktop.h"

namespace cli {

// Runs the command line with wmain's arguments, its output to the console as
// UTF-16; returns the exit status.
int RunWideMain(int argc, const wchar_t* const* argv, Desktop& desktop);

}  // namespace cli
