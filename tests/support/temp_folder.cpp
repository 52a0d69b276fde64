#include "temp_folder.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace testing_support {

TempFolder::TempFolder() {
  static std::atomic<unsigned> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = std::filesystem::temp_directory_path() /
          ("minpairs-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::utf8() const {
  const std::u8string text = path_.generic_u8string();
  return std::string(text.begin(), text.end());
}

void TempFolder::Write(const std::filesystem::path& relative, std::string_view bytes) const {
  const auto target = path_ / relative;
  std::filesystem::create_directories(target.parent_path());
  std::ofstream file(target, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write test file " + target.string());
}

std::string TempFolder::Read(const std::filesystem::path& relative) const {
  return ReadFile(path_ / relative);
}

bool TempFolder::Exists(const std::filesystem::path& relative) const {
  return std::filesystem::exists(path_ / relative);
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return "<cannot read " + path.string() + ">";
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

std::size_t OutputFileCount(const std::filesystem::path& folder) {
  const auto entries = std::filesystem::directory_iterator(folder / "output");
  return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

}  // namespace testing_support
