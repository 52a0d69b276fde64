#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "search/os/run_host.h"
#include "search/runs/search_state.h"

namespace window {

// What the window does after a click of its Go button.
struct AfterClick {
  // Shown in a box with the error icon before the program ends.
  std::optional<std::string> error;
  // Set when the program is to end, with this exit status.
  std::optional<int> exit_status;

  friend bool operator==(const AfterClick&, const AfterClick&) = default;
};

// The window's one search: the first click of Go runs it, any later click ends
// the program. Owns the search state, which lives as long as the window.
class SearchSession final {
 public:
  // Runs the search on the two symbols at the first call, reporting through
  // `host`; a failed run ends the program with status 1 after its report. Every
  // later call ends the program with status 0 and shows nothing.
  AfterClick OnGoClicked(std::string_view first_symbol, std::string_view second_symbol,
                         search::os::RunHost& host);

 private:
  // Set before the run begins; never cleared.
  bool run_started_ = false;
  search::runs::SearchState state_;
};

}  // namespace window
