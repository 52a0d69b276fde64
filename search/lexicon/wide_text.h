// Word lists saved as "Unicode text": UTF-16 with the byte order mark that tells
// its byte order is decoded; other wide text is refused by name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "search/kit/text_buffer.h"

namespace search::lexicon {

// The file's text in UTF-8 when `bytes` start with a UTF-16 byte order mark
// (and not with UTF-32's, which begins alike), else none. Raises SearchError
// naming `path` when the text is not valid UTF-16.
std::optional<kit::TextBuffer> DecodedUtf16(const std::string& path, std::string_view bytes);

// Raises SearchError naming `path` when `bytes` are UTF-16 or UTF-32 text that
// DecodedUtf16 does not read: "it is UTF-32 text; save it as UTF-8 and try
// again", saying "without a byte order mark" where `mark_read` tells that a
// UTF-16 one would have been read and the text has none.
void RefuseWideText(const std::string& path, std::string_view bytes, bool mark_read);

}  // namespace search::lexicon
