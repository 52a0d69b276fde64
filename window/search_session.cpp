#include "window/search_session.h"

#include <exception>

#include "search/runs/search_run.h"

namespace window {

AfterClick SearchSession::OnGoClicked(std::string_view first_symbol, std::string_view second_symbol,
                                      search::os::RunHost& host) {
  if (run_started_) return {.error = std::nullopt, .exit_status = 0};
  run_started_ = true;
  try {
    search::runs::RunSearch(first_symbol, second_symbol, state_, host);
    return {};
  } catch (const std::exception& error) {  // SearchError, or the unforeseen
    return {.error = error.what(), .exit_status = 1};
  }
}

}  // namespace window
