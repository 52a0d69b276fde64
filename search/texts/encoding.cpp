#include "search/texts/encoding.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace search::texts {

std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& code_point) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  char32_t min = 0;
  if (lead < 0x80) {
    code_point = lead;
    return 1;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, code_point = lead & 0x1F, min = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, code_point = lead & 0x0F, min = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, code_point = lead & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (pos + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    code_point = (code_point << 6) | (byte(i) & 0x3F);
  }
  const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
  if (code_point < min || code_point > 0x10FFFF || surrogate) return 0;
  return length;
}

namespace {

// Code points of the bytes 0x80 to 0x9F, as browsers decode them: the five bytes
// that Windows-1252 leaves unassigned stand for their C1 code points. Both
// directions use this one table, so that every decoded text converts back.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> Windows1252Byte(char32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<char>(code_point);
  }
  for (std::size_t i = 0; i < kWindows1252High.size(); ++i) {
    if (kWindows1252High[i] == code_point) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t code_point) {
  if (code_point < 0x80) {
    out += static_cast<char>(code_point);
  } else if (code_point < 0x800) {
    out += static_cast<char>(0xC0 | (code_point >> 6));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    out += static_cast<char>(0xE0 | (code_point >> 12));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code_point >> 18));
    out += static_cast<char>(0x80 | ((code_point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  }
}

constexpr std::size_t kSampleBytes = 4096;
constexpr std::size_t kFewNuls = 4;

// True when every unit of `width` bytes in `sample` passes `unit_ok`, given the
// unit's bytes in order.
template <typename UnitOk>
bool EveryUnit(std::string_view sample, std::size_t width, UnitOk unit_ok) {
  const std::size_t units = sample.size() / width;
  if (sample.size() < 4) return false;
  for (std::size_t i = 0; i < units; ++i) {
    if (!unit_ok(sample.substr(i * width, width))) return false;
  }
  return true;
}

// Bytes 0-3 of a unit are its lowest to highest in little-endian order.
bool IsUtf32(std::string_view sample, bool little_endian) {
  return EveryUnit(sample, 4, [&](std::string_view unit) {
    const std::size_t low = little_endian ? 0 : 2;
    const std::size_t high = little_endian ? 2 : 0;
    const bool high_nul = unit[high] == '\0' && unit[high + 1] == '\0';
    return high_nul && (unit[low] != '\0' || unit[low + 1] != '\0');
  });
}

bool IsUtf16(std::string_view sample, std::size_t high) {
  std::size_t high_nul = 0;
  const bool no_nul_unit = EveryUnit(sample, 2, [&](std::string_view unit) {
    high_nul += unit[high] == '\0';
    return unit[0] != '\0' || unit[1] != '\0';
  });
  return no_nul_unit && high_nul >= kFewNuls && high_nul * 2 >= sample.size() / 2;
}

}  // namespace

std::optional<std::string_view> WideEncodingName(std::string_view start) {
  if (start.starts_with(std::string_view("\xFF\xFE\0\0", 4)) ||
      start.starts_with(std::string_view("\0\0\xFE\xFF", 4))) {
    return "UTF-32";
  }
  if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF")) return "UTF-16";
  const std::string_view sample = start.substr(0, kSampleBytes);
  if (IsUtf32(sample, true) || IsUtf32(sample, false)) return "UTF-32";
  if (IsUtf16(sample, 1) || IsUtf16(sample, 0)) return "UTF-16";
  return std::nullopt;
}

std::optional<std::string> Utf16ToUtf8(std::string_view bytes, bool big_endian) {
  if (bytes.size() % 2 != 0) return std::nullopt;
  const auto unit = [&](std::size_t at) {
    const auto high = static_cast<unsigned char>(bytes[big_endian ? at : at + 1]);
    const auto low = static_cast<unsigned char>(bytes[big_endian ? at + 1 : at]);
    return static_cast<char32_t>((high << 8) | low);
  };
  std::string utf8;
  utf8.reserve(bytes.size() / 2 * 3 / 2);
  for (std::size_t at = 0; at < bytes.size(); at += 2) {
    char32_t code_point = unit(at);
    if (code_point >= 0xDC00 && code_point <= 0xDFFF) return std::nullopt;
    if (code_point >= 0xD800 && code_point <= 0xDBFF) {
      if (at + 2 >= bytes.size()) return std::nullopt;
      const char32_t low = unit(at + 2);
      if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
      code_point = 0x10000 + ((code_point - 0xD800) << 10) + (low - 0xDC00);
      at += 2;
    }
    AppendUtf8(utf8, code_point);
  }
  return utf8;
}

bool IsValidUtf8(std::string_view text) {
  char32_t code_point = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    // Plain ASCII is the common case: check eight bytes at a time.
    std::uint64_t eight = 0;
    if (pos + sizeof eight <= text.size()) {
      std::memcpy(&eight, text.data() + pos, sizeof eight);
      if ((eight & 0x8080808080808080u) == 0) {
        pos += sizeof eight;
        continue;
      }
    }
    if (static_cast<unsigned char>(text[pos]) < 0x80) {
      ++pos;
      continue;
    }
    const std::size_t length = DecodeUtf8(text, pos, code_point);
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

std::optional<std::string> Utf8ToWindows1252(std::string_view utf8) {
  if (!IsValidUtf8(utf8)) return std::string(utf8);
  std::string result;
  char32_t code_point = 0;
  for (std::size_t pos = 0; pos < utf8.size();) {
    pos += DecodeUtf8(utf8, pos, code_point);
    const auto byte = Windows1252Byte(code_point);
    if (!byte) return std::nullopt;
    result += *byte;
  }
  return result;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string result;
  result.reserve(bytes.size());
  for (const char character : bytes) {
    const auto byte = static_cast<unsigned char>(character);
    const bool high = byte >= 0x80 && byte < 0xA0;
    AppendUtf8(result, high ? kWindows1252High[byte - 0x80] : char32_t{byte});
  }
  return result;
}

}  // namespace search::texts
