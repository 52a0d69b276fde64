#include <iostream>
#include <string>

#include "cli/desktop.h"
#include "cli/open_command_posix.h"

namespace cli {
namespace {

// xdg-open ends as soon as the browser has started, or with a status that says
// why it could not; the few that keep a browser in the foreground are let be.
constexpr std::chrono::seconds kOpenerPatience{5};

class XdgDesktop final : public Desktop {
 public:
  bool Open(const std::string& utf8_path, std::string& reason) override {
    return OpenWithCommand("xdg-open", utf8_path, kOpenerPatience, reason);
  }

  // A terminal outlives the program, and a file manager shows none: nothing to hold open.
  unsigned long ConsoleProcessCount() override { return 0; }

  void WaitForEnter() override {
    std::string line;
    std::getline(std::cin, line);
  }
};

}  // namespace

Desktop& SystemDesktop() {
  static XdgDesktop desktop;
  return desktop;
}

}  // namespace cli
