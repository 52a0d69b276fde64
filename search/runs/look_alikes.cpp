#include "search/runs/look_alikes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdio>
#include <vector>

#include "search/lexicon/transcription.h"
#include "search/pairs/search_symbol.h"

namespace search::runs {
namespace {

// One character of a look-alike pair, in UTF-8.
struct Character {
  std::string_view text;
  char32_t code_point;
};
struct LookAlike {
  Character plain;
  Character other;
};

// The table in look_alikes.h: true look-alikes only, each swapped either way.
constexpr std::array<LookAlike, 5> kLookAlikes = {{
    {{"g", U'g'}, {"\xC9\xA1", U'\u0261'}},
    {{":", U':'}, {"\xCB\x90", U'\u02D0'}},
    {{"'", U'\''}, {"\xCB\x88", U'\u02C8'}},
    {{",", U','}, {"\xCB\x8C", U'\u02CC'}},
    {{"a", U'a'}, {"\xC9\x91", U'\u0251'}},
}};

constexpr std::size_t kMostSwaps = 4;

// A place in the typed symbol where a character of the table stands.
struct Swap {
  std::size_t offset;
  Character typed;
  Character replacement;
};

// The first kMostSwaps places, left to right. The table's characters start with
// an ASCII byte or a lead byte, so none is found inside another character.
std::vector<Swap> FindSwaps(std::string_view symbol) {
  std::vector<Swap> swaps;
  std::size_t at = 0;
  while (at < symbol.size() && swaps.size() < kMostSwaps) {
    std::size_t step = 1;
    for (const LookAlike& look_alike : kLookAlikes) {
      const bool plain = symbol.substr(at).starts_with(look_alike.plain.text);
      if (plain || symbol.substr(at).starts_with(look_alike.other.text)) {
        const Character& typed = plain ? look_alike.plain : look_alike.other;
        swaps.push_back({at, typed, plain ? look_alike.other : look_alike.plain});
        step = typed.text.size();
        break;
      }
    }
    at += step;
  }
  return swaps;
}

bool InSomeWord(std::string_view symbol, const lexicon::WordList& words,
                texts::TextEncoding encoding) {
  const pairs::SearchSymbol search_symbol = pairs::MakeSearchSymbol(symbol, encoding);
  if (!search_symbol.Match) return false;
  bool found = false;
  words.ForEachContaining(*search_symbol.Match, [&](std::size_t /*word*/) { found = true; });
  return found;
}

std::string CodePointName(char32_t code_point) {
  std::array<char, 16> name{};
  std::snprintf(name.data(), name.size(), "U+%04X", static_cast<unsigned>(code_point));
  return name.data();
}

}  // namespace

std::optional<std::string> LookAlikeNote(std::string_view typed, const lexicon::WordList& words,
                                         texts::TextEncoding encoding) {
  const std::string_view symbol = lexicon::TrimSpaces(typed);
  const std::string typed_part = "no word has '" + std::string(symbol) + "'; the list has '";

  if (symbol.size() >= 3 && symbol.front() == '\'' && symbol.back() == '\'') {
    const std::string_view inside = lexicon::TrimSpaces(symbol.substr(1, symbol.size() - 2));
    if (!inside.empty() && InSomeWord(inside, words, encoding)) {
      return typed_part + std::string(inside) +
             "' (cmd.exe keeps single quotes as part of a symbol: use double quotes there)";
    }
  }

  const std::vector<Swap> swaps = FindSwaps(symbol);
  const unsigned all = (1U << swaps.size()) - 1;
  for (int count = 1; count <= std::popcount(all); ++count) {
    for (unsigned chosen = 1; chosen <= all; ++chosen) {
      if (std::popcount(chosen) != count) continue;
      std::string candidate;
      std::vector<char32_t> named;
      std::size_t from = 0;
      for (std::size_t i = 0; i < swaps.size(); ++i) {
        if (((chosen >> i) & 1U) == 0) continue;
        const Swap& swap = swaps[i];
        candidate.append(symbol.substr(from, swap.offset - from)).append(swap.replacement.text);
        from = swap.offset + swap.typed.text.size();
        if (std::find(named.begin(), named.end(), swap.replacement.code_point) == named.end()) {
          named.push_back(swap.replacement.code_point);
        }
      }
      candidate.append(symbol.substr(from));
      if (!InSomeWord(candidate, words, encoding)) continue;
      std::string note = typed_part + candidate + "' (";
      for (std::size_t i = 0; i < named.size(); ++i) {
        note += (i == 0 ? "" : ", ") + CodePointName(named[i]);
      }
      return note + ")";
    }
  }
  return std::nullopt;
}

}  // namespace search::runs
