#include "search/os/command_quoting.h"

namespace search::os {
namespace {

bool IsPlainForCmd(unsigned char byte) {
  constexpr std::string_view kPlainPunctuation = "#$'+-./:@[\\]_{}~";
  return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
         (byte >= 'a' && byte <= 'z') || byte >= 0x80 ||
         kPlainPunctuation.find(static_cast<char>(byte)) != std::string_view::npos;
}

}  // namespace

std::string QuotedForPosixShell(std::string_view text) {
  std::string quoted = "'";
  for (const char character : text) {
    if (character == '\'') {
      quoted += "'\\''";
    } else {
      quoted += character;
    }
  }
  return quoted + "'";
}

std::optional<std::string> QuotedForCmd(std::string_view text) {
  bool plain = !text.empty();
  for (const char character : text) {
    const auto byte = static_cast<unsigned char>(character);
    if (byte < 0x20 || byte == 0x7F || character == '%' || character == '!' || character == '"') {
      return std::nullopt;
    }
    plain = plain && IsPlainForCmd(byte);
  }
  if (plain) return std::string(text);
  // Backslashes are plain except before a quote, where 2n of them are n.
  const std::size_t last = text.find_last_not_of('\\');
  const std::size_t trailing = text.size() - (last == std::string_view::npos ? 0 : last + 1);
  std::string quoted = "\"";
  quoted += text;
  quoted.append(trailing, '\\');
  quoted += '"';
  return quoted;
}

std::optional<std::string> QuotedFor(CommandPrompt prompt, std::string_view text) {
  if (prompt == CommandPrompt::kCmd) return QuotedForCmd(text);
  return QuotedForPosixShell(text);
}

}  // namespace search::os
