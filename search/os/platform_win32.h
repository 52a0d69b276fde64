// Helpers shared by the Windows variants of the platform files.
#pragma once

#include <string>

namespace search::os {

// The UTF-16 form of a UTF-8 path, for the W functions.
std::wstring WidePath(const std::string& utf8_path);

// GetLastError as the nearest errno value, so that messages read alike everywhere.
int LastErrorNumber();

}  // namespace search::os
