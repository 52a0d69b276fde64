#include "search/os/command_quoting.h"

namespace search::os {

CommandPrompt SystemCommandPrompt() { return CommandPrompt::kCmd; }

}  // namespace search::os
