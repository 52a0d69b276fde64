// A desktop that records what the command line asks of it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "cli/desktop.h"

namespace cli {

class FakeDesktop final : public Desktop {
 public:
  // `open_failure`, when not empty, is the reason every Open fails with.
  explicit FakeDesktop(unsigned long console_processes = 0, std::string open_failure = {})
      : console_processes_(console_processes), open_failure_(std::move(open_failure)) {}

  bool Open(const std::string& utf8_path, std::string& reason) override {
    opened.push_back(utf8_path);
    reason = open_failure_;
    return open_failure_.empty();
  }
  unsigned long ConsoleProcessCount() override { return console_processes_; }
  void WaitForEnter() override { ++waits; }

  std::vector<std::string> opened;  // the paths, in the order asked
  int waits = 0;

 private:
  unsigned long console_processes_;
  std::string open_failure_;
};

}  // namespace cli
