#pragma once

#include <cstddef>
#include <future>
#include <system_error>
#include <type_traits>
#include <utility>

namespace search::kit {

// Runs `work` on a thread of its own, or, where no thread can be started, when
// its result is asked for. An exception it throws comes out of get(). The
// future waits for the work when it goes, so everything the work reads must
// outlive the future: owned by the work, or by the caller's caller.
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

// Runs work(begin, end) over [0, count) in two halves at once, the later
// half on a thread of its own, from `split_from` on; otherwise as one.
template <typename Work>
void InTwoHalves(std::size_t count, std::size_t split_from, Work&& work) {
  if (count < split_from) {
    work(std::size_t{0}, count);
    return;
  }
  auto later = RunAhead([&] { work(count / 2, count); });
  work(std::size_t{0}, count / 2);
  later.get();
}

// The vectors that work(begin, end) makes for InTwoHalves, joined in order.
template <typename Work>
auto JoinedInTwoHalves(std::size_t count, std::size_t split_from, Work&& work) {
  decltype(work(std::size_t{0}, count)) earlier;
  decltype(earlier) later;
  InTwoHalves(count, split_from, [&](std::size_t begin, std::size_t end) {
    (begin == 0 ? earlier : later) = work(begin, end);
  });
  earlier.insert(earlier.end(), later.begin(), later.end());
  return earlier;
}

}  // namespace search::kit
