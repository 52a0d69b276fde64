#include <filesystem>

#include "search/platform.h"

namespace search {

namespace {
std::filesystem::path WidePath(const std::string& utf8_path) {
  return std::filesystem::path(std::u8string(utf8_path.begin(), utf8_path.end()));
}
}  // namespace

std::FILE* OpenFile(const std::string& utf8_path, const char* mode) {
  const std::filesystem::path path = WidePath(utf8_path);
  const std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(path.c_str(), wide_mode.c_str());
}

void RemoveFile(const std::string& utf8_path) { _wremove(WidePath(utf8_path).c_str()); }

std::string_view ForbiddenFileNameCharacters() { return "/\\<>:\"|?*"; }

}  // namespace search
