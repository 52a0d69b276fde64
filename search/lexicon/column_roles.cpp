#include "search/lexicon/column_roles.h"

#include <algorithm>

#include "search/lexicon/transcription.h"
#include "search/texts/encoding.h"

namespace search::lexicon {
namespace {

std::optional<ColumnRole> RoleNamed(std::string_view key) {
  for (std::size_t role = 0; role < kColumnRoles; ++role) {
    if (key == kColumnRoleNames[role]) return static_cast<ColumnRole>(role);
  }
  return std::nullopt;
}

bool ParseChoice(std::string_view entry, ColumnChoice& choice, std::string& error) {
  const std::size_t equals = entry.find('=');
  const std::string key = HeaderKey(entry.substr(0, equals));
  if (equals != std::string_view::npos) {
    choice.named = true;
    choice.name = std::string(TrimSpaces(entry.substr(equals + 1)));
    if (choice.name.empty()) {
      error = "--columns gives no name for '" + key + "'; write " + key + "=NAME";
      return false;
    }
  }
  if (key == "-" && !choice.named) return true;
  choice.role = RoleNamed(key);
  if (!choice.role) {
    error = "unknown role '" + key +
            "' in --columns; the roles are transcription, spelling, frequency and gloss";
    return false;
  }
  return true;
}

// Counts what a transcription's cell holds more of than a spelling's: spaces
// between symbols, and characters of the IPA beyond ASCII.
std::size_t TranscriptionLikeness(std::string_view cell) {
  std::size_t likeness = 0;
  for (std::size_t at = 0; at < cell.size();) {
    char32_t code_point = 0;
    const std::size_t length = std::max<std::size_t>(texts::DecodeUtf8(cell, at, code_point), 1);
    const bool ipa = (code_point >= 0x0250 && code_point <= 0x036F) || code_point == 0x00E6 ||
                     code_point == 0x00E7 || code_point == 0x00F0 || code_point == 0x00F8 ||
                     code_point == 0x014B || code_point == 0x0153 || code_point == 0x03B2 ||
                     code_point == 0x03B8 || code_point == 0x03C7;
    likeness += static_cast<std::size_t>(cell[at] == ' ' || ipa);
    at += length;
  }
  return likeness;
}

}  // namespace

std::string HeaderKey(std::string_view name) {
  std::string key(TrimSpaces(name));
  for (char& character : key) {
    if (character >= 'A' && character <= 'Z') character = static_cast<char>(character - 'A' + 'a');
  }
  return key;
}

bool ParseColumnChoices(std::string_view value, std::vector<ColumnChoice>& choices,
                        std::string& error) {
  choices.clear();
  for (std::size_t start = 0; start <= value.size();) {
    const std::size_t end = std::min(value.find(',', start), value.size());
    const std::string_view entry = TrimSpaces(value.substr(start, end - start));
    if (entry.empty()) {
      error = "--columns has an empty entry in '" + std::string(value) +
              "'; separate ROLE=NAME entries by single commas";
      return false;
    }
    ColumnChoice choice;
    if (!ParseChoice(entry, choice, error)) return false;
    for (const ColumnChoice& earlier : choices) {
      if (choice.role && earlier.role == choice.role) {
        error = "--columns gives the role '" + std::string(NameOf(*choice.role)) + "' twice";
        return false;
      }
    }
    choices.push_back(std::move(choice));
    start = end + 1;
  }
  return true;
}

std::optional<std::size_t> LikeliestTranscriptionColumn(
    const std::vector<std::string>& names, const std::vector<std::vector<std::string_view>>& rows) {
  for (std::size_t column = 0; column < names.size(); ++column) {
    const std::string key = HeaderKey(names[column]);
    if (key == "ipa" || key.starts_with("pron") || key.starts_with("phon") ||
        key.starts_with("transcr") || key.starts_with("segment")) {
      return column;
    }
  }
  if (names.empty()) return std::nullopt;
  std::vector<std::size_t> likeness(names.size());
  for (const std::vector<std::string_view>& row : rows) {
    for (std::size_t column = 0; column < std::min(row.size(), names.size()); ++column) {
      likeness[column] += TranscriptionLikeness(row[column]);
    }
  }
  return static_cast<std::size_t>(std::max_element(likeness.begin(), likeness.end()) -
                                  likeness.begin());
}

}  // namespace search::lexicon
