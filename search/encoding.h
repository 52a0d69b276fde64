// Word lists are UTF-8, or, when a file is not valid UTF-8, an older 8-bit file
// in Windows-1252. Words always pass through as bytes; only the typed symbols
// are converted so that they can be matched against such a file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace search {

enum class TextEncoding { kUtf8, kWindows1252 };

// Strict UTF-8: no overlong forms, surrogates or code points above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// The Windows-1252 bytes of a UTF-8 text, or nothing when the text has a
// character that Windows-1252 lacks. Text that is not UTF-8 at all is taken to
// be 8-bit already and returned unchanged.
std::optional<std::string> Utf8ToWindows1252(std::string_view utf8);

// The UTF-8 text of Windows-1252 bytes, decoded as browsers decode windows-1252:
// the five bytes that it leaves unassigned become U+0081, U+008D, U+008F,
// U+0090 and U+009D.
std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace search
