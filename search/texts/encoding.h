// Word lists are UTF-8, or, when a file is not valid UTF-8, an older 8-bit file
// in Windows-1252. Words always pass through as bytes; only the typed symbols
// are converted so that they can be matched against such a file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace search::texts {

enum class TextEncoding { kUtf8, kWindows1252 };

// Decodes the sequence at text[pos]; returns its length, or 0 when it is not
// strict UTF-8.
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& code_point);

// Strict UTF-8: no overlong forms, surrogates or code points above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// "UTF-16" or "UTF-32" when a file that starts with `start` is in one of these
// wider encodings, which a word list cannot be; nothing for 8-bit text. A byte
// order mark tells; without one the first 4,096 bytes (at least 4) decide:
// - UTF-32 (checked first): every 4-byte unit holds a character in
//   U+0001..U+FFFF, its two high bytes NUL, in the same byte order throughout;
// - UTF-16: no 2-byte unit is all NUL, and the same byte of a unit, the high
//   one, is NUL in at least half of them and in at least four.
// NUL bytes are legal in 8-bit text; a few stray ones leave a file 8-bit.
std::optional<std::string_view> WideEncodingName(std::string_view start);

// The UTF-8 text of UTF-16 bytes that follow a byte order mark, little-endian
// unless `big_endian`; nothing when they are not valid UTF-16 (an odd byte at
// the end or a surrogate without its partner).
std::optional<std::string> Utf16ToUtf8(std::string_view bytes, bool big_endian);

// The Windows-1252 bytes of a UTF-8 text, or nothing when the text has a
// character that Windows-1252 lacks. U+0081, U+008D, U+008F, U+0090 and U+009D
// become the bytes that Windows1252ToUtf8 decodes to them. Text that is not
// UTF-8 at all is taken to be 8-bit already and returned unchanged.
std::optional<std::string> Utf8ToWindows1252(std::string_view utf8);

// The UTF-8 text of Windows-1252 bytes, decoded as browsers decode windows-1252:
// the five bytes that it leaves unassigned become U+0081, U+008D, U+008F,
// U+0090 and U+009D.
std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace search::texts
