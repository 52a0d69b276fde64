#include "cli/console_host.h"

#include <ostream>

namespace cli {

ConsoleHost::ConsoleHost(std::string folder, bool quiet, std::ostream& out, std::ostream& err)
    : folder_(std::move(folder)), quiet_(quiet), out_(out), err_(err) {}

void ConsoleHost::ShowStatus(std::string_view text) {
  if (!quiet_) err_ << text << '\n' << std::flush;
}

void ConsoleHost::ShowMessage(std::string_view text) { out_ << text << '\n' << std::flush; }

}  // namespace cli
