#include "search/platform.h"

namespace search {

std::FILE* OpenFile(const std::string& utf8_path, const char* mode) {
  return std::fopen(utf8_path.c_str(), mode);
}

void RemoveFile(const std::string& utf8_path) { std::remove(utf8_path.c_str()); }

std::string_view ForbiddenFileNameCharacters() { return "/\\"; }

}  // namespace search
