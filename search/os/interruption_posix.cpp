#include <signal.h>  // NOLINT(modernize-deprecated-headers): sigaction is POSIX
#include <unistd.h>

#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <iterator>

#include "search/os/interruption.h"

namespace search::os {
namespace {

// Fixed and preallocated: a handler may not allocate.
struct Slot {
  char path[PATH_MAX];
  volatile std::sig_atomic_t used;
};
constexpr int kSlots = 8;
Slot registry[kSlots];

// Every signal whose default action ends the process and that can be caught,
// apart from those that report a fault in the program itself (SIGSEGV and the
// like), whose handlers belong to the runtime and the sanitizers.
constexpr int kEndingSignals[] = {
    SIGHUP,    SIGINT,  SIGQUIT, SIGTERM, SIGABRT,   SIGALRM,
    SIGUSR1,   SIGUSR2, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF,
#ifdef SIGPOLL
    SIGPOLL,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
};

extern "C" void RemoveFilesAndEnd(int signal_number) {
  RemoveRegisteredFiles();
  signal(signal_number, SIG_DFL);
  raise(signal_number);  // delivered when the handler returns, with the default action
}

void InstallHandler(int signal_number) {
  struct sigaction current {};
  // A signal that the parent set to be ignored (nohup) or that someone else
  // handles stays as it is.
  if (sigaction(signal_number, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) return;
  struct sigaction action {};
  action.sa_handler = RemoveFilesAndEnd;
  sigfillset(&action.sa_mask);
  sigaction(signal_number, &action, nullptr);
}

void InstallHandlersOnce() {
  static const bool kInstalled = [] {
    for (const int signal_number : kEndingSignals) InstallHandler(signal_number);
#ifdef SIGRTMIN
    for (int signal_number = SIGRTMIN; signal_number <= SIGRTMAX; ++signal_number) {
      InstallHandler(signal_number);
    }
#endif
    return true;
  }();
  (void)kInstalled;
}

}  // namespace

void RemoveRegisteredFiles() {
  for (const Slot& slot : registry) {
    if (slot.used) unlink(slot.path);
  }
}

RemovedOnInterruption::RemovedOnInterruption(const std::string& utf8_path) {
  InstallHandlersOnce();
  if (utf8_path.size() >= sizeof registry[0].path) return;
  for (int i = 0; i < kSlots; ++i) {
    if (registry[i].used) continue;
    std::memcpy(registry[i].path, utf8_path.c_str(), utf8_path.size() + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);  // the path is complete before it is used
    registry[i].used = 1;
    slot_ = i;
    return;
  }
}

RemovedOnInterruption::~RemovedOnInterruption() {
  if (slot_ >= 0) registry[slot_].used = 0;
}

FileChangeGuard::FileChangeGuard() = default;
FileChangeGuard::~FileChangeGuard() = default;

}  // namespace search::os
