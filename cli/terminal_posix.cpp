#include <unistd.h>

#include "cli/terminal.h"

namespace cli {

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

}  // namespace cli
