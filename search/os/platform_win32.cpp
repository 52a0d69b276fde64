#include "search/os/platform_win32.h"

#include <windows.h>

#include <cerrno>
#include <filesystem>

#include "search/os/platform.h"

namespace search::os {

std::wstring WidePath(const std::string& utf8_path) { return PathFromUtf8(utf8_path).wstring(); }

std::string Utf8FromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int wide_length = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

std::wstring WideFromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int utf8_length = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), utf8_length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), utf8_length, wide.data(), length);
  return wide;
}

std::wstring ProgramFilePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // cut short: try again with more room
  }
}

int LastErrorNumber() {
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
      return EACCES;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    case ERROR_INVALID_NAME:
      return EINVAL;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return ENOMEM;
    default:
      return EIO;
  }
}

std::FILE* OpenFile(const std::string& utf8_path, const char* mode) {
  const std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(WidePath(utf8_path).c_str(), wide_mode.c_str());
}

std::string_view ForbiddenFileNameCharacters() { return "/\\<>:\"|?*"; }

// 255 UTF-16 units per name; whole paths within MAX_PATH (with its NUL), since
// the programs neither use "\\?\" paths nor declare themselves long-path aware.
NameLimits FileNameLimits(const std::string&) { return {255, MAX_PATH - 1, "UTF-16 units"}; }

std::size_t NameLength(std::string_view utf8_name) {
  return WidePath(std::string(utf8_name)).size();
}

std::size_t PathLength(const std::string& utf8_path) {
  const std::wstring wide = WidePath(utf8_path);
  const DWORD full = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  return full > 0 ? full - 1 : wide.size();  // the size asked for counts the NUL
}

namespace {
bool FileIdentity(const std::string& utf8_path, BY_HANDLE_FILE_INFORMATION& identity) {
  const HANDLE file = CreateFileW(
      WidePath(utf8_path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool known = GetFileInformationByHandle(file, &identity) != 0;
  CloseHandle(file);
  return known;
}
}  // namespace

int MakeFolder(const std::string& utf8_path) {
  return CreateDirectoryW(WidePath(utf8_path).c_str(), nullptr) ? 0 : LastErrorNumber();
}

bool SameFile(const std::string& utf8_first, const std::string& utf8_second) {
  BY_HANDLE_FILE_INFORMATION first{};
  BY_HANDLE_FILE_INFORMATION second{};
  if (!FileIdentity(utf8_first, first) || !FileIdentity(utf8_second, second)) return false;
  return first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
         first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}

void AdviseFilledSoon(void* /*address*/, std::size_t /*bytes*/) {}

unsigned long CurrentProcessId() { return GetCurrentProcessId(); }

bool ProcessIsRunning(unsigned long process_id) {
  const HANDLE process =
      OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
  if (process == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
  const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
  CloseHandle(process);
  return running;
}

}  // namespace search::os
