#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

#include "search/os/run_host.h"

namespace cli {

// How the status texts share standard error.
enum class StatusLines {
  kEach,             // each on a line of its own: a file or a pipe keeps them all
  kProgressInPlace,  // a terminal: the progress texts rewrite one line
};

// Status texts go to `err`, one per line (none when quiet), except that with
// kProgressInPlace the progress texts share one line, which the next other
// text, a message or EndProgress clears; messages go to `out`, and a message
// that cannot be written there fails the run.
class ConsoleHost final : public search::os::RunHost {
 public:
  ConsoleHost(std::string folder, bool quiet, std::ostream& out, std::ostream& err,
              StatusLines lines = StatusLines::kEach);

  std::string ApplicationDirectory() override { return folder_; }
  void ShowStatus(std::string_view text) override;
  void ShowMessage(std::string_view text) override;
  // "minpairs: note: ..." on its own line of `err`, also when quiet.
  void ShowNote(std::string_view text) override;

  // Clears the progress line, if one is shown, so that what follows starts a line.
  void EndProgress();

 private:
  std::string folder_;
  bool quiet_;
  std::ostream& out_;
  std::ostream& err_;
  StatusLines lines_;
  std::size_t progress_width_ = 0;  // characters of the progress line shown, 0 for none
};

}  // namespace cli
