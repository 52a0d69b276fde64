#include "cli/open_command_posix.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>
#include <vector>

#include "search/texts/search_error.h"

extern char** environ;  // NOLINT(readability-redundant-declaration): POSIX declares it nowhere

namespace cli {
namespace {

// The standard streams of the command: nothing to read, and its output (a
// browser's log) kept off the program's console.
class QuietStreams final {
 public:
  QuietStreams() {
    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions_, 2, "/dev/null", O_WRONLY, 0);
  }
  ~QuietStreams() { posix_spawn_file_actions_destroy(&actions_); }
  QuietStreams(const QuietStreams&) = delete;
  QuietStreams& operator=(const QuietStreams&) = delete;

  [[nodiscard]] const posix_spawn_file_actions_t* actions() const { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_{};
};

// Waits for the command up to `patience`; see OpenWithCommand.
bool AwaitCommand(pid_t child, const std::string& command, std::chrono::milliseconds patience,
                  std::string& reason) {
  const auto give_up = std::chrono::steady_clock::now() + patience;
  int status = 0;
  for (;;) {
    const pid_t ended = waitpid(child, &status, WNOHANG);
    if (ended == child) break;
    if (ended < 0 && errno != EINTR) return true;  // no longer ours to wait for
    if (std::chrono::steady_clock::now() >= give_up) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
  reason =
      command + (WIFEXITED(status) ? " ended with status " + std::to_string(WEXITSTATUS(status))
                                   : " was ended by signal " + std::to_string(WTERMSIG(status)));
  return false;
}

}  // namespace

bool OpenWithCommand(const std::string& command, const std::string& utf8_path,
                     std::chrono::milliseconds patience, std::string& reason) {
  std::string command_text = command;
  std::string path_text = utf8_path;
  const std::vector<char*> argv{command_text.data(), path_text.data(), nullptr};
  const QuietStreams streams;
  pid_t child = 0;
  const int error =
      posix_spawnp(&child, command.c_str(), streams.actions(), nullptr, argv.data(), environ);
  if (error != 0) {
    reason = "cannot start " + command + ": " + search::texts::SystemReason(error);
    return false;
  }
  return AwaitCommand(child, command, patience, reason);
}

}  // namespace cli
