#include "search/runs/look_alikes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace search::runs {
namespace {

lexicon::WordList ListOf(const std::vector<std::string_view>& lines) {
  lexicon::WordList words;
  for (const std::string_view line : lines) words.AppendLine(line);
  return words;
}

TEST(LookAlikeNote, NamesTheSymbolOfTheListOrNothing) {
  using texts::TextEncoding;
  struct Case {
    std::vector<std::string_view> list;
    std::string_view typed;
    TextEncoding encoding;
    std::optional<std::string> note;
  };
  const std::vector<Case> cases = {
      {{"\xC9\xA1 \xCA\x8A d"},
       " g ",
       TextEncoding::kUtf8,
       "no word has 'g'; the list has '\xC9\xA1' (U+0261)"},
      {{"b g"},
       "\xC9\xA1",
       TextEncoding::kUtf8,
       "no word has '\xC9\xA1'; the list has 'g' (U+0067)"},
      // Fewest swaps first; each symbol of a typed sequence may be swapped.
      {{"\xC9\x91\xCB\x90 t", "a\xCB\x90 t"},
       "a: t",
       TextEncoding::kUtf8,
       "no word has 'a: t'; the list has 'a\xCB\x90 t' (U+02D0)"},
      {{"\xC9\x91\xCB\x90 \xCB\x88t"},
       "a: 't",
       TextEncoding::kUtf8,
       "no word has 'a: 't'; the list has '\xC9\x91\xCB\x90 \xCB\x88t' (U+0251, U+02D0, U+02C8)"},
      {{"\xCB\x8Ct a"},
       ",t",
       TextEncoding::kUtf8,
       "no word has ',t'; the list has '\xCB\x8Ct' (U+02CC)"},
      // A whole symbol of the list, never part of one.
      {{"\xC9\xA1\xC9\xA1 a"}, "g", TextEncoding::kUtf8, std::nullopt},
      {{"x y"}, "z", TextEncoding::kUtf8, std::nullopt},
      // Single quotes kept by cmd.exe, matched in the list's encoding.
      {{"\xCA\x83 i"},
       "'\xCA\x83'",
       TextEncoding::kUtf8,
       "no word has ''\xCA\x83''; the list has '\xCA\x83' (cmd.exe keeps single quotes as part of "
       "a symbol: use double quotes there)"},
      {{"caf\xE9 \xE9"},
       "'\xC3\xA9'",
       TextEncoding::kWindows1252,
       "no word has ''\xC3\xA9''; the list has '\xC3\xA9' (cmd.exe keeps single quotes as part of "
       "a symbol: use double quotes there)"},
      {{"g i"},
       "\xC9\xA1",
       TextEncoding::kWindows1252,
       "no word has '\xC9\xA1'; the list has 'g' (U+0067)"},
      {{"caf\xE9 \xC9\xA1"}, "g", TextEncoding::kWindows1252, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LookAlikeNote(c.typed, ListOf(c.list), c.encoding), c.note) << c.typed;
  }
}

}  // namespace
}  // namespace search::runs
