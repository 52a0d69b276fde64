#include <filesystem>

#include "search/platform.h"

namespace search {

std::FILE* OpenFile(const std::string& utf8_path, const char* mode) {
  const std::filesystem::path path = PathFromUtf8(utf8_path);
  const std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(path.c_str(), wide_mode.c_str());
}

void RemoveFile(const std::string& utf8_path) { _wremove(PathFromUtf8(utf8_path).c_str()); }

std::string_view ForbiddenFileNameCharacters() { return "/\\<>:\"|?*"; }

}  // namespace search
