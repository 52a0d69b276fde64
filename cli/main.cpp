#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/desktop.h"
#include "cli/terminal.h"

int main(int argc, char** argv) {
  // A closed standard output is then an error that minpairs reports, not a silent end.
  std::signal(SIGPIPE, SIG_IGN);
  return cli::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                             cli::SystemDesktop(),
                             cli::StandardErrorIsTerminal() ? cli::StatusLines::kProgressInPlace
                                                            : cli::StatusLines::kEach);
}
