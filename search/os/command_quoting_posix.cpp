#include "search/os/command_quoting.h"

namespace search::os {

CommandPrompt SystemCommandPrompt() { return CommandPrompt::kPosixShell; }

}  // namespace search::os
