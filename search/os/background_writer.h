#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string_view>
#include <thread>

namespace search::os {

// Writes one buffer at a time on a thread of its own, so that the next buffer
// is filled while the last is written. The thread starts with the first
// buffer handed over; where no thread can be had, buffers are written at once.
class BackgroundWriter final {
 public:
  // Writes all of `bytes`; returns 0, or the system's error number.
  using WriteFunction = std::function<int(std::string_view bytes)>;

  explicit BackgroundWriter(WriteFunction write) : write_(std::move(write)) {}
  // Waits for the write under way, then ends the thread.
  ~BackgroundWriter();
  BackgroundWriter(const BackgroundWriter&) = delete;
  BackgroundWriter& operator=(const BackgroundWriter&) = delete;

  // Waits for the write under way, then starts writing `bytes`, which must
  // stay as they are until the next Start or Wait returns. Returns the error
  // number of the first failed write so far, or 0; after a failure nothing
  // more is written.
  int Start(std::string_view bytes);
  // Waits for the write under way; returns as Start does.
  int Wait();

 private:
  void Run();

  WriteFunction write_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::string_view pending_;
  bool busy_ = false;
  bool stopping_ = false;
  int error_ = 0;
  std::thread thread_;
};

}  // namespace search::os
