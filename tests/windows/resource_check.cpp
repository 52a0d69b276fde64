// Reads the resources of FindMinimalPairs.exe (built into the same folder) back
// the way Windows does and checks what the program file must carry: version
// 1.0.0.0 and, as its first icon, a 32 x 32 image in 24-bit colour.
// Prints what it finds; the exit status is 0 only when everything matches.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "search/os/platform_win32.h"

namespace {

constexpr WORD kVersion[4] = {1, 0, 0, 0};
constexpr const wchar_t* kVersionText = L"1.0.0.0";
constexpr LONG kIconSide = 32;
constexpr WORD kIconBits = 24;

int failures = 0;
HMODULE program = nullptr;  // FindMinimalPairs.exe, loaded as data

void Check(bool ok, const char* what) {
  std::printf("%s: %s\n", ok ? "ok  " : "FAIL", what);
  if (!ok) ++failures;
}

std::wstring ProgramPath() {
  const std::wstring path = search::os::ProgramFilePath();
  return path.substr(0, path.find_last_of(L'\\') + 1) + L"FindMinimalPairs.exe";
}

// Layout of an icon group resource (RT_GROUP_ICON), as Windows stores it.
#pragma pack(push, 2)
struct IconGroupEntry {
  BYTE width, height, color_count, reserved;
  WORD planes, bit_count;
  DWORD bytes;
  WORD id;
};
struct IconGroupHeader {
  WORD reserved, type, count;
};
#pragma pack(pop)

void CheckVersion() {
  const std::wstring path = ProgramPath();
  DWORD ignored = 0;
  std::vector<BYTE> info(GetFileVersionInfoSizeW(path.c_str(), &ignored));
  const bool found =
      !info.empty() &&
      GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data());
  Check(found, "the program file has version information");
  if (!found) return;

  void* value = nullptr;
  UINT length = 0;
  VerQueryValueW(info.data(), L"\\", &value, &length);
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  const DWORD most = MAKELONG(kVersion[1], kVersion[0]);
  const DWORD least = MAKELONG(kVersion[3], kVersion[2]);
  std::printf("      file version %u.%u.%u.%u\n", unsigned{HIWORD(fixed->dwFileVersionMS)},
              unsigned{LOWORD(fixed->dwFileVersionMS)}, unsigned{HIWORD(fixed->dwFileVersionLS)},
              unsigned{LOWORD(fixed->dwFileVersionLS)});
  Check(fixed->dwSignature == VS_FFI_SIGNATURE, "the fixed version block is valid");
  Check(fixed->dwFileVersionMS == most && fixed->dwFileVersionLS == least, "file version 1.0.0.0");
  Check(fixed->dwProductVersionMS == most && fixed->dwProductVersionLS == least,
        "product version 1.0.0.0");
  Check(fixed->dwFileType == VFT_APP, "file type application");

  for (const wchar_t* name : {L"\\StringFileInfo\\040904B0\\FileVersion",
                              L"\\StringFileInfo\\040904B0\\ProductVersion"}) {
    value = nullptr;
    const bool has = VerQueryValueW(info.data(), name, &value, &length) && value != nullptr;
    Check(has && std::wcscmp(static_cast<const wchar_t*>(value), kVersionText) == 0,
          "version text 1.0.0.0 in the string table");
  }
}

const BYTE* LoadResourceData(HRSRC resource) {
  return resource == nullptr
             ? nullptr
             : static_cast<const BYTE*>(LockResource(LoadResource(program, resource)));
}

BOOL CALLBACK KeepFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR first) {
  auto* result = reinterpret_cast<HRSRC*>(first);
  *result = FindResourceW(program, name, RT_GROUP_ICON);
  return FALSE;  // the first group is the icon that the desktop shows
}

// Checks one image of the group: its stored bitmap header, and that Windows
// can make an icon of it.
bool IsExpectedImage(const IconGroupEntry& entry) {
  const HRSRC resource = FindResourceW(program, MAKEINTRESOURCEW(entry.id), RT_ICON);
  const BYTE* data = LoadResourceData(resource);
  if (data == nullptr || std::memcmp(data, "\x89PNG", 4) == 0) return false;
  BITMAPINFOHEADER header;
  std::memcpy(&header, data, sizeof header);
  std::printf("      icon image %ld x %ld, %u bits\n", header.biWidth, header.biHeight / 2,
              header.biBitCount);
  const DWORD size = SizeofResource(program, resource);
  HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(data), size, TRUE, 0x00030000, kIconSide,
                                        kIconSide, LR_DEFAULTCOLOR);
  if (icon != nullptr) DestroyIcon(icon);
  return header.biWidth == kIconSide && header.biHeight == 2 * kIconSide &&
         header.biBitCount == kIconBits && icon != nullptr;
}

void CheckIcon() {
  HRSRC group_resource = nullptr;
  EnumResourceNamesW(program, RT_GROUP_ICON, KeepFirstName,
                     reinterpret_cast<LONG_PTR>(&group_resource));
  const BYTE* group = LoadResourceData(group_resource);
  Check(group != nullptr, "the program file has an icon");
  if (group == nullptr) return;

  IconGroupHeader header;
  std::memcpy(&header, group, sizeof header);
  bool found = false;
  for (WORD i = 0; i < header.count; ++i) {
    IconGroupEntry entry;
    std::memcpy(&entry, group + sizeof header + i * sizeof entry, sizeof entry);
    found = IsExpectedImage(entry) || found;
  }
  Check(found, "the first icon has a 32 x 32 image in 24-bit colour");
}

}  // namespace

int main() {
  program = LoadLibraryExW(ProgramPath().c_str(), nullptr,
                           LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  Check(program != nullptr, "FindMinimalPairs.exe is beside this program");
  if (program == nullptr) return 1;
  CheckVersion();
  CheckIcon();
  return failures == 0 ? 0 : 1;
}
