// The positions in a word of the places where the two words of a pair differ,
// as the pairs tables and the survey page name them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace search::pairs {

// The position of the place at [begin, end) of `word`, a padded or trimmed
// transcription: "initial" when no symbol comes before it, else "final" when
// none comes after it, else "medial". Spaces, and so the empty symbols that
// double spaces enclose, count for nothing.
std::string_view PlacePosition(std::string_view word, std::size_t begin, std::size_t end);

// Appends PlacePosition(word, begin, end) to `positions`, after a "+" when
// `positions` holds one already.
void AppendPlacePosition(std::string& positions, std::string_view word, std::size_t begin,
                         std::size_t end);

// Appends the positions of the places where the pair search replaces
// `padded_symbol` in `padded_word` (those of lexicon::SubstituteSymbol), in
// order, joined by "+": "initial", "medial+medial". A symbol of several
// symbols, such as " K AE1 ", is one place.
void AppendReplacedPositions(std::string& out, std::string_view padded_word,
                             std::string_view padded_symbol);

}  // namespace search::pairs
