#pragma once

#include <iosfwd>
#include <string>

#include "search/os/run_host.h"

namespace cli {

// Status texts go to `err`, one per line (none when quiet); messages go to
// `out`, and a message that cannot be written there fails the run.
class ConsoleHost final : public search::os::RunHost {
 public:
  ConsoleHost(std::string folder, bool quiet, std::ostream& out, std::ostream& err);

  std::string ApplicationDirectory() override { return folder_; }
  void ShowStatus(std::string_view text) override;
  void ShowMessage(std::string_view text) override;

 private:
  std::string folder_;
  bool quiet_;
  std::ostream& out_;
  std::ostream& err_;
};

}  // namespace cli
