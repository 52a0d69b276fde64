// The roles of a tsv lexicon's columns, and how --columns names them.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace search::lexicon {

enum class ColumnRole : std::size_t { kTranscription, kSpelling, kFrequency, kGloss };
inline constexpr std::size_t kColumnRoles = 4;
inline constexpr std::array<std::string_view, kColumnRoles> kColumnRoleNames = {
    "transcription", "spelling", "frequency", "gloss"};

inline std::string_view NameOf(ColumnRole role) {
  return kColumnRoleNames[static_cast<std::size_t>(role)];
}

// One entry of --columns: "ROLE=NAME" maps a role to the header's name for its
// column; "ROLE", or "-" for a column to skip, lists the columns in order.
struct ColumnChoice {
  std::optional<ColumnRole> role;  // none for "-"
  std::string name;                // as typed, trimmed; "" for an entry in order
  bool named = false;              // written ROLE=NAME
};

// The entries of a --columns value; false with a usage error in `error` for an
// unknown role, a role given twice, an empty entry or name.
bool ParseColumnChoices(std::string_view value, std::vector<ColumnChoice>& choices,
                        std::string& error);

// ASCII letters lowered, spaces around dropped: how header names compare.
std::string HeaderKey(std::string_view name);

// The column of a header a transcription most likely is, for a hint: the first
// whose name is "ipa" or starts with "pron", "phon", "transcr" or "segment" (in
// any case), else the one whose cells in `rows` (the fields of the first lines
// after the header) hold the most spaces and IPA characters, the first of
// equals; none for an empty header.
std::optional<std::size_t> LikeliestTranscriptionColumn(
    const std::vector<std::string>& names, const std::vector<std::vector<std::string_view>>& rows);

}  // namespace search::lexicon
