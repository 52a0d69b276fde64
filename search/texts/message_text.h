#pragma once

#include <string>
#include <string_view>

namespace search::texts {

// `text` made safe to show on one line of a terminal or in a message box:
// control characters become "\t", "\n", "\r" or "\xHH", the C1 controls, line
// and paragraph separators and bidirectional overrides become "\uHHHH", and
// each byte that is not part of valid UTF-8 becomes "\xHH". Anything else,
// backslashes included, stays as it is.
std::string EscapedForMessage(std::string_view text);

}  // namespace search::texts
