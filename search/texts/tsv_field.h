#pragma once

#include <array>
#include <string>
#include <string_view>

namespace search::texts {

// A field of the tab-separated tables the program writes: tab, CR, LF and
// backslash written as \t, \r, \n and \\, so that every row stays one line.
std::string TsvField(std::string_view text);

namespace detail {
constexpr std::array<bool, 256> kTsvEscaped = [] {
  std::array<bool, 256> escaped{};
  escaped['\t'] = escaped['\r'] = escaped['\n'] = escaped['\\'] = true;
  return escaped;
}();
void AppendEscapedTsvField(std::string& out, std::string_view text);
}  // namespace detail

// Appends TsvField(text) to `out`. Inline, as tables write millions of fields
// and almost none needs an escape: one look per byte, then one append.
inline void AppendTsvField(std::string& out, std::string_view text) {
  for (const char character : text) {
    if (detail::kTsvEscaped[static_cast<unsigned char>(character)]) {
      detail::AppendEscapedTsvField(out, text);
      return;
    }
  }
  out += text;
}

}  // namespace search::texts
