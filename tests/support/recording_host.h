#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "search/os/run_host.h"

namespace testing_support {

// A RunHost that records what the run shows, in order; messages are marked
// with "message: " so that statuses and messages can be checked as one sequence.
class RecordingHost final : public search::os::RunHost {
 public:
  explicit RecordingHost(std::string folder) : folder_(std::move(folder)) {}

  std::string ApplicationDirectory() override { return folder_; }
  void ShowStatus(std::string_view text) override { shown.emplace_back(text); }
  void ShowMessage(std::string_view text) override {
    shown.push_back("message: " + std::string(text));
  }
  void ShowNote(std::string_view text) override { shown.push_back("note: " + std::string(text)); }

  std::vector<std::string> shown;

 private:
  std::string folder_;
};

// A RunHost that shows nothing, for measuring the search alone.
class SilentHost final : public search::os::RunHost {
 public:
  std::string ApplicationDirectory() override { return "."; }
  void ShowStatus(std::string_view /*text*/) override {}
  void ShowMessage(std::string_view /*text*/) override {}
};

}  // namespace testing_support
