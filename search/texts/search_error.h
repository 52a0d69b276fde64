#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "search/texts/message_text.h"

namespace search::texts {

// The one error the search raises: its message names the file or input and the
// reason, ready to be shown to the user as it stands. It is always one line:
// control characters and invalid UTF-8 in a symbol or path come out escaped.
class SearchError final : public std::runtime_error {
 public:
  explicit SearchError(const std::string& message)
      : std::runtime_error(EscapedForMessage(message)) {}
};

// The operating system's reason for the last failed call, from errno.
std::string SystemReason(int error_number);

// Raises the error for a count that would pass the 32-bit limit.
[[noreturn]] void CountOverflow(std::string_view what);

}  // namespace search::texts
