#pragma once

#include <stdexcept>
#include <string>

namespace search::contexts {

// A usage error in a context, a position or a fold, found before anything is
// read or written; the message says where, ready to be shown after "usage:".
struct ContextError final : std::runtime_error {
  explicit ContextError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace search::contexts
