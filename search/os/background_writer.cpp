#include "search/os/background_writer.h"

#include <system_error>

namespace search::os {

BackgroundWriter::~BackgroundWriter() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

int BackgroundWriter::Start(std::string_view bytes) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return !busy_; });
  if (error_ != 0 || bytes.empty()) return error_;
  if (!thread_.joinable()) {
    try {
      thread_ = std::thread(&BackgroundWriter::Run, this);
    } catch (const std::system_error&) {
      error_ = write_(bytes);
      return error_;
    }
  }
  pending_ = bytes;
  busy_ = true;
  lock.unlock();
  changed_.notify_all();
  return 0;
}

int BackgroundWriter::Wait() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return !busy_; });
  return error_;
}

void BackgroundWriter::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [&] { return busy_ || stopping_; });
    if (!busy_) return;
    lock.unlock();
    const int error = write_(pending_);
    lock.lock();
    if (error_ == 0) error_ = error;
    busy_ = false;
    changed_.notify_all();
  }
}

}  // namespace search::os
