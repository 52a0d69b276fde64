// Padded transcriptions: a word or symbol written as phonetic symbols separated
// by spaces, trimmed of outer spaces and enclosed in exactly one space on each
// side. The enclosing spaces make plain substring operations act on whole
// symbols: " AE " can only match a complete symbol, never part of " AE1 ".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace search::lexicon {

// Removes space characters (code 32) at both ends, and nothing else: tabs,
// line ends and no-break spaces stay.
std::string_view TrimSpaces(std::string_view text);

// " " + TrimSpaces(text) + " "; never empty ("" gives two spaces).
std::string PadTranscription(std::string_view text);

// padded_text.find(symbol, from), faster for padded symbols.
std::size_t FindSymbol(std::string_view padded_text, std::string_view symbol, std::size_t from);

// True when the padded symbol occurs anywhere in the padded word (exact bytes).
bool ContainsSymbol(std::string_view padded_word, std::string_view padded_symbol);

// Replaces every occurrence of `from`, leftmost first and without overlap;
// emitted replacement text is never scanned again. Two directly adjacent equal
// symbols share their separating space, so only the first of them is replaced.
std::string SubstituteSymbol(std::string_view padded_word, std::string_view from,
                             std::string_view to);

// Same as SubstituteSymbol, appending the result to `out` (no allocation per call
// once `out` has grown).
void AppendSubstituted(std::string& out, std::string_view padded_word, std::string_view from,
                       std::string_view to);

}  // namespace search::lexicon
