// Whether the console is a terminal, which differs between Windows and POSIX.
#pragma once

namespace cli {

// True when standard error is a terminal (a Windows console), where a line
// can be rewritten; false for a file or a pipe.
bool StandardErrorIsTerminal();

}  // namespace cli
