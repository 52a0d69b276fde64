#include "search/search_error.h"

#include <system_error>

namespace search {

std::string SystemReason(int error_number) {
  if (error_number == 0) return "unknown error";
  return std::generic_category().message(error_number);
}

}  // namespace search
