#include "search/os/output_names.h"

#include <cstdio>

#include "search/os/platform.h"
#include "search/texts/search_error.h"

namespace search::os {
namespace {

constexpr std::string_view kExtension = ".txt";

std::string CharacterName(unsigned char character) {
  char name[16];
  if (character < 0x20 || character == 0x7F) {
    std::snprintf(name, sizeof name, "U+%04X", character);
  } else {
    std::snprintf(name, sizeof name, "'%c'", character);
  }
  return name;
}

std::size_t NameStart(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  return separator == std::string::npos ? 0 : separator + 1;
}

void CheckPathLength(const std::string& path, const char* whose, const NameLimits& limits) {
  const std::string name = path.substr(NameStart(path));
  const std::size_t name_length = NameLength(name);
  if (name_length > limits.name) {
    throw texts::SearchError(std::string(whose) + " the file name '" + name +
                             "' too long: " + std::to_string(name_length) + " " + limits.unit +
                             ", where the folder allows " + std::to_string(limits.name));
  }
  const std::size_t path_length = PathLength(path);
  if (path_length > limits.path) {
    throw texts::SearchError(std::string(whose) + " the path '" + path +
                             "' too long: " + std::to_string(path_length) + " " + limits.unit +
                             ", where the system allows " + std::to_string(limits.path));
  }
}

}  // namespace

void CheckOutputPathLengths(const std::string& first_list_path, const std::string& second_list_path,
                            const std::string& pairs_path, bool symbols_differ) {
  const NameLimits limits = FileNameLimits(first_list_path.substr(0, NameStart(first_list_path)));
  CheckPathLength(first_list_path, "the first symbol makes", limits);
  CheckPathLength(second_list_path, "the second symbol makes", limits);
  if (symbols_differ) {
    CheckPathLength(DerivedListPath(second_list_path), "the second symbol makes", limits);
  }
  CheckPathLength(pairs_path, "the two symbols make", limits);
}

void CheckOutputPathLengths(const std::vector<std::string>& paths, const char* whose) {
  if (paths.empty()) return;
  const NameLimits limits = FileNameLimits(paths.front().substr(0, NameStart(paths.front())));
  for (const std::string& path : paths) CheckPathLength(path, whose, limits);
}

std::string SecondListPath(const std::string& first_list_path, const std::string& second_list_path,
                           bool symbols_differ) {
  if (symbols_differ && SameFile(first_list_path, second_list_path)) {
    return DerivedListPath(second_list_path);
  }
  return second_list_path;
}

std::string DerivedListPath(const std::string& list_path) {
  return list_path.substr(0, list_path.size() - kExtension.size()) + " (2)" +
         std::string(kExtension);
}

void CheckSymbolForFileName(std::string_view trimmed_symbol, const char* which) {
  for (const char character : trimmed_symbol) {
    const auto byte = static_cast<unsigned char>(character);
    const bool control = byte < 0x20 || byte == 0x7F;
    if (control || ForbiddenFileNameCharacters().find(character) != std::string_view::npos) {
      throw texts::SearchError(
          "the " + std::string(which) + " symbol '" + std::string(trimmed_symbol) +
          "' cannot be part of a file name: it contains " + CharacterName(byte));
    }
  }
}

std::string OptionsSuffix(const std::vector<std::string>& options) {
  if (options.empty()) return "";
  // Both systems' forbidden characters, so that a name travels between them.
  constexpr std::string_view kForbidden = "/\\<>:\"|?*";
  std::string suffix = " (";
  for (std::size_t index = 0; index < options.size(); ++index) {
    if (index != 0) suffix += "; ";
    for (const char character : options[index]) {
      const auto byte = static_cast<unsigned char>(character);
      if (byte < 0x20 || byte == 0x7F || kForbidden.find(character) != std::string_view::npos) {
        char name[8];
        std::snprintf(name, sizeof name, "U+%04X", byte);
        suffix += name;
      } else {
        suffix += character;
      }
    }
  }
  return suffix + ")";
}

std::string TablePath(const std::string& text_path) {
  return text_path.substr(0, text_path.size() - kExtension.size()) + ".tsv";
}

}  // namespace search::os
