// The few things that differ between Windows and POSIX systems.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace search {

// A file-system path from UTF-8 text, whatever the system's narrow encoding.
inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// std::fopen for a UTF-8 path, so that names such as "ListOfWordsWith ʃ.txt"
// come out right on every system. Returns nullptr and sets errno on failure.
std::FILE* OpenFile(const std::string& utf8_path, const char* mode);

// std::remove for a UTF-8 path.
void RemoveFile(const std::string& utf8_path);

// Characters that the file system refuses in a file name, besides control
// characters.
std::string_view ForbiddenFileNameCharacters();

}  // namespace search
