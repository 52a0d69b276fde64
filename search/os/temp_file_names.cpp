#include "search/os/temp_file_names.h"

#include <atomic>
#include <charconv>
#include <filesystem>
#include <system_error>

#include "search/os/platform.h"

namespace search::os {
namespace {

constexpr std::string_view kPrefix = ".minpairs-";
constexpr std::string_view kSuffix = ".partial";

std::string_view FolderOf(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  return separator == std::string::npos ? std::string_view()
                                        : std::string_view(path).substr(0, separator + 1);
}

// Parses the digits of `text` whole; nothing when it is not all digits.
std::optional<unsigned long> Number(std::string_view text) {
  unsigned long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string TempPathFor(const std::string& final_path) {
  static std::atomic<unsigned long> serial{0};
  return std::string(FolderOf(final_path)) + std::string(kPrefix) +
         std::to_string(CurrentProcessId()) + "-" + std::to_string(++serial) + std::string(kSuffix);
}

std::optional<unsigned long> TempFileOwner(std::string_view name) {
  if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return std::nullopt;
  name = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
  const std::size_t dash = name.find('-');
  if (dash == std::string_view::npos || !Number(name.substr(dash + 1))) return std::nullopt;
  return Number(name.substr(0, dash));
}

void RemoveLeftoverTempFiles(const std::string& utf8_folder) {
  const std::filesystem::path folder = PathFromUtf8(utf8_folder);
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::u8string name = entry->path().filename().u8string();
    const auto owner =
        TempFileOwner(std::string_view(reinterpret_cast<const char*>(name.data()), name.size()));
    // This process's own files are never leftovers: it removes them itself.
    if (!owner || *owner == CurrentProcessId() || ProcessIsRunning(*owner)) continue;
    std::error_code ignored;
    std::filesystem::remove(entry->path(), ignored);
  }
}

}  // namespace search::os
