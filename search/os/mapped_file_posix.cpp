#include <fcntl.h>
#include <signal.h>  // NOLINT(modernize-deprecated-headers): sigaction is POSIX
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <utility>

#include "search/os/interruption.h"
#include "search/os/mapped_file.h"
#include "search/texts/message_text.h"

namespace search::os {
namespace {

// A mapped file that another program cuts short while it is read turns each
// read of a lost page into SIGBUS. The handler tells it apart from a fault of
// the program by the address, ends the run as any error that names the file
// would (a message and status 1, the temporary files removed) rather than
// with a crash. Fixed and preallocated: a handler may not allocate.
struct Mapping {
  std::atomic<const char*> begin{nullptr};
  std::size_t size = 0;
  char message[PATH_MAX * 4 + 128] = {};
  std::size_t message_size = 0;
};
constexpr int kMappings = 4;
Mapping mappings[kMappings];

extern "C" void EndOnLostPage(int signal_number, siginfo_t* info, void* /*context*/) {
  const char* const address = static_cast<const char*>(info->si_addr);
  for (const Mapping& mapping : mappings) {
    const char* const begin = mapping.begin.load();
    if (begin == nullptr || address < begin || address >= begin + mapping.size) continue;
    RemoveRegisteredFiles();
    (void)!write(STDERR_FILENO, mapping.message, mapping.message_size);
    _exit(1);
  }
  signal(signal_number, SIG_DFL);  // a fault of the program's own: the default action
}

void InstallHandlerOnce() {
  static const bool kInstalled = [] {
    struct sigaction current {};
    // A sanitizer or the program's host may handle SIGBUS; it keeps it.
    if (sigaction(SIGBUS, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) return false;
    struct sigaction action {};
    action.sa_sigaction = EndOnLostPage;
    action.sa_flags = SA_SIGINFO;
    sigfillset(&action.sa_mask);
    return sigaction(SIGBUS, &action, nullptr) == 0;
  }();
  (void)kInstalled;
}

// False when every place is taken: the file is then read, not mapped.
bool Register(const char* bytes, std::size_t size, const std::string& path) {
  InstallHandlerOnce();
  const std::string message =
      "error: " +
      texts::EscapedForMessage("cannot read '" + path + "': it changed while it was read") + "\n";
  for (Mapping& mapping : mappings) {
    if (mapping.begin.load() != nullptr) continue;
    if (message.size() > sizeof mapping.message) return false;
    std::memcpy(mapping.message, message.data(), message.size());
    mapping.message_size = message.size();
    mapping.size = size;
    mapping.begin.store(bytes);  // last, once the rest is in place
    return true;
  }
  return false;
}

void Unregister(const char* bytes) {
  for (Mapping& mapping : mappings) {
    if (mapping.begin.load() == bytes) mapping.begin.store(nullptr);
  }
}

}  // namespace

std::optional<MappedFile> MappedFile::Map(const std::string& path) {
  const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return std::nullopt;
  struct stat status {};
  void* bytes = MAP_FAILED;
  std::size_t size = 0;
  if (fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
    size = static_cast<std::size_t>(status.st_size);
#ifdef MAP_POPULATE
    constexpr int kFlags = MAP_PRIVATE | MAP_POPULATE;  // one call sets up every page
#else
    constexpr int kFlags = MAP_PRIVATE;
#endif
    bytes = mmap(nullptr, size, PROT_READ, kFlags, descriptor, 0);
  }
  close(descriptor);
  if (bytes == MAP_FAILED) return std::nullopt;
  if (!Register(static_cast<const char*>(bytes), size, path)) {
    munmap(bytes, size);
    return std::nullopt;
  }
  return MappedFile(static_cast<const char*>(bytes), size);
}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : bytes_(std::exchange(other.bytes_, nullptr)), size_(std::exchange(other.size_, 0)) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
  if (this != &other) {
    this->~MappedFile();
    bytes_ = std::exchange(other.bytes_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

MappedFile::~MappedFile() {
  if (bytes_ == nullptr) return;
  Unregister(bytes_);
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-const-cast): munmap takes what mmap gave
  munmap(const_cast<char*>(bytes_), size_);
}

}  // namespace search::os
