#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "search/lexicon/word_list.h"
#include "search/texts/encoding.h"

namespace search::runs {

// For a typed symbol that is in no word of the list: a note that names a symbol
// of the list the user may have meant, or nothing. Two slips are recognised:
//  - the symbol typed in single quotes, which cmd.exe passes on as part of it:
//    "no word has ''ʃ''; the list has 'ʃ' (...)";
//  - characters that look alike, swapped either way by this table (at most the
//    first four of them in the symbol, fewest swaps first):
//      g  U+0261 ɡ  (Latin small letter script g)
//      :  U+02D0 ː  (length mark)
//      '  U+02C8 ˈ  (primary stress)
//      ,  U+02CC ˌ  (secondary stress)
//      a  U+0251 ɑ  (Latin small letter alpha)
//    "no word has 'g'; the list has 'ɡ' (U+0261)", naming the code points the
//    list's symbol has in place of the typed ones.
// `typed` is the symbol as typed (outer spaces do not count); `encoding` is the
// one the list was read in. The note is plain text, not yet escaped.
std::optional<std::string> LookAlikeNote(std::string_view typed, const lexicon::WordList& words,
                                         texts::TextEncoding encoding);

}  // namespace search::runs
