#include <windows.h>

#include "cli/terminal.h"

namespace cli {

// Only a console has a console mode; a redirected handle (a file or a pipe,
// also the pipes of a POSIX-like terminal on Windows) has none.
bool StandardErrorIsTerminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

}  // namespace cli
