#pragma once

#include <future>
#include <system_error>
#include <type_traits>
#include <utility>

namespace search {

// Runs `work` on a thread of its own, or, where no thread can be started, when
// its result is asked for. An exception it throws comes out of get(). The
// future waits for the work when it goes, so everything the work reads must be
// declared before the future.
template <typename Work>
auto RunAhead(Work work) {
  try {
    return std::async(std::launch::async, std::move(work));
  } catch (const std::system_error&) {
    return std::async(std::launch::deferred, std::move(work));
  }
}

// Runs `here` on this thread while `later` runs on one of its own, and returns
// here()'s result once both are done.
template <typename Here, typename Later>
auto BothAtOnce(Here&& here, Later later) {
  auto later_done = RunAhead(std::move(later));
  if constexpr (std::is_void_v<decltype(here())>) {
    here();
    later_done.get();
  } else {
    auto result = here();
    later_done.get();
    return result;
  }
}

}  // namespace search
