#pragma once

#include <string>
#include <string_view>

namespace window::win32 {

// Windows speaks UTF-16; the search speaks UTF-8.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

}  // namespace window::win32
