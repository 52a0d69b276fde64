// Helpers shared by the Windows variants of the platform files, and by the
// Windows programs: the command line and the window.
#pragma once

#include <string>
#include <string_view>

namespace search::os {

// The UTF-16 form of a UTF-8 path, for the W functions.
std::wstring WidePath(const std::string& utf8_path);

// Windows speaks UTF-16; the search speaks UTF-8. An unpaired surrogate, or a
// byte that is not part of UTF-8, becomes U+FFFD.
std::string Utf8FromWide(std::wstring_view wide);
std::wstring WideFromUtf8(std::string_view utf8);

// The full path of the running program's file.
std::wstring ProgramFilePath();

// GetLastError as the nearest errno value, so that messages read alike everywhere.
int LastErrorNumber();

}  // namespace search::os
