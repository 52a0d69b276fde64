#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "search/texts/encoding.h"

namespace search::pairs {

// A symbol as the user typed it, padded, and as it is matched against a word
// list that may be in an older 8-bit encoding.
struct SearchSymbol {
  std::string Shown;                 // PadTranscription of the typed text, for messages
  std::optional<std::string> Match;  // padded, in the word list's encoding; none if it cannot occur
};

SearchSymbol MakeSearchSymbol(std::string_view typed, texts::TextEncoding word_list_encoding);

}  // namespace search::pairs
