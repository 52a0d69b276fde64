// The few things that differ between Windows and POSIX systems.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace search {

// std::fopen for a UTF-8 path, so that names such as "ListOfWordsWith ʃ.txt"
// come out right on every system. Returns nullptr and sets errno on failure.
std::FILE* OpenFile(const std::string& utf8_path, const char* mode);

// std::remove for a UTF-8 path.
void RemoveFile(const std::string& utf8_path);

// Characters that the file system refuses in a file name, besides control
// characters.
std::string_view ForbiddenFileNameCharacters();

}  // namespace search
