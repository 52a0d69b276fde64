#include "search/options/file_alone.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "search/os/platform.h"

namespace search::options {
namespace {

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

// Explorer hands on names as they are stored, "WORDS.TSV" as well as "words.tsv".
std::string LowerCaseAscii(std::string text) {
  std::ranges::transform(text, text.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return text;
}

std::string_view FormatOfExtension(const std::filesystem::path& file) {
  const std::string extension = LowerCaseAscii(Utf8(file.extension()));
  if (extension == ".tsv") return "tsv";
  if (extension == ".dict") return "cmudict";
  return "plain";
}

}  // namespace

std::optional<std::vector<std::string>> FileAloneArguments(
    const std::vector<std::string>& arguments) {
  if (arguments.size() != 1 || arguments[0].starts_with('-')) return std::nullopt;
  std::error_code error;
  const std::filesystem::path given = os::PathFromUtf8(arguments[0]);
  if (!std::filesystem::is_regular_file(given, error)) return std::nullopt;
  const std::filesystem::path file = std::filesystem::absolute(given, error);
  if (error) return std::nullopt;
  return std::vector<std::string>{"--survey",
                                  "--dir",
                                  Utf8(file.parent_path()),
                                  "--input",
                                  Utf8(file),
                                  "--format",
                                  std::string(FormatOfExtension(file))};
}

}  // namespace search::options
