// The few things that differ between Windows and POSIX systems.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace search::os {

// A file-system path from UTF-8 text, whatever the system's narrow encoding.
inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// std::fopen for a UTF-8 path, so that names such as "ListOfWordsWith ʃ.txt"
// come out right on every system. Returns nullptr and sets errno on failure.
std::FILE* OpenFile(const std::string& utf8_path, const char* mode);

// Characters that the file system refuses in a file name, besides control
// characters.
std::string_view ForbiddenFileNameCharacters();

// How long a file name and a whole path may be in `folder`, measured in
// `unit`; a limit that cannot be found out is taken as no limit.
struct NameLimits {
  std::size_t name;
  std::size_t path;
  const char* unit;
};
NameLimits FileNameLimits(const std::string& utf8_folder);
// The length of a name, and of the path as the system sees it, in NameLimits::unit.
std::size_t NameLength(std::string_view utf8_name);
std::size_t PathLength(const std::string& utf8_path);

// True when both paths name the same existing file, by the file system's
// identity of files rather than by their names (a link is not its target).
bool SameFile(const std::string& utf8_first, const std::string& utf8_second);

// Creates the folder at `utf8_path` (not its parents); 0, or an errno value:
// EEXIST when something of that name is there.
int MakeFolder(const std::string& utf8_path);

// Tells the system that `bytes` at `address` are about to be filled in full,
// so that it may hand them out in large pages: a few faults instead of one per
// small page. A hint only, which does nothing where it is not offered.
void AdviseFilledSoon(void* address, std::size_t bytes);

unsigned long CurrentProcessId();
// False only when no process with this id exists any more.
bool ProcessIsRunning(unsigned long process_id);

}  // namespace search::os
