#include "cli/console_host.h"

#include <ostream>

#include "search/texts/search_error.h"

namespace cli {

ConsoleHost::ConsoleHost(std::string folder, bool quiet, std::ostream& out, std::ostream& err)
    : folder_(std::move(folder)), quiet_(quiet), out_(out), err_(err) {}

void ConsoleHost::ShowStatus(std::string_view text) {
  if (!quiet_) err_ << text << '\n' << std::flush;
}

// The summary is part of the result: a run whose summary is lost stops here,
// before it writes the pairs or reports that it is done.
void ConsoleHost::ShowMessage(std::string_view text) {
  if (!(out_ << text << '\n' << std::flush)) {
    throw search::texts::SearchError("cannot write to standard output");
  }
}

}  // namespace cli
