#include "search/texts/message_text.h"

#include <cstdio>

#include "search/texts/encoding.h"

namespace search::texts {
namespace {

std::string Hex(const char* format, unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string EscapedByte(unsigned char byte) {
  switch (byte) {
    case '\t':
      return "\\t";
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    default:
      return Hex("\\x%02X", byte);
  }
}

// Characters that move the cursor, end a line or reorder text when shown.
bool IsHiddenControl(char32_t code_point) {
  return (code_point >= 0x80 && code_point <= 0x9F) || code_point == 0x2028 ||
         code_point == 0x2029 || (code_point >= 0x202A && code_point <= 0x202E) ||
         (code_point >= 0x2066 && code_point <= 0x2069);
}

}  // namespace

std::string EscapedForMessage(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (byte < 0x20 || byte == 0x7F) {
      result += EscapedByte(byte);
      ++pos;
      continue;
    }
    char32_t code_point = 0;
    const std::size_t length = DecodeUtf8(text, pos, code_point);
    if (length == 0) {
      result += Hex("\\x%02X", byte);
      ++pos;
    } else if (IsHiddenControl(code_point)) {
      result += Hex("\\u%04X", static_cast<unsigned>(code_point));
      pos += length;
    } else {
      result.append(text, pos, length);
      pos += length;
    }
  }
  return result;
}

}  // namespace search::texts
