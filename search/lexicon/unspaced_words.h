// Notes for a list whose transcriptions look written without spaces between
// their symbols ("ʃɪp" for "ʃ ɪ p"), where every word is one long symbol and
// a search finds nothing, silently.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "search/lexicon/word_list.h"
#include "search/texts/encoding.h"

namespace search::lexicon {

// True when more than half of the list's lines that are not blank are one
// symbol of two characters or more.
bool MostLinesAreOneLongSymbol(const WordList& words, texts::TextEncoding encoding);

// For `typed`, a symbol in no word of the list, when it is not empty, lies
// inside longer symbols of the list and MostLinesAreOneLongSymbol: "no word has
// 'ʃ' as a symbol, but 2341 symbols hold it (such as 'ʃɪp'); are the symbols
// separated by spaces? --segments auto splits them", counting each symbol of
// each line. Plain text in UTF-8, not yet escaped.
std::optional<std::string> UnspacedSymbolNote(std::string_view typed, const WordList& words,
                                              texts::TextEncoding encoding);

// For a survey of a list where MostLinesAreOneLongSymbol: "most lines of the
// list are one symbol of several characters (such as 'ʃɪp'); are the symbols
// separated by spaces? --segments auto splits them", the example being the
// first such line.
std::optional<std::string> UnspacedListNote(const WordList& words, texts::TextEncoding encoding);

}  // namespace search::lexicon
