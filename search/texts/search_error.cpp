#include "search/texts/search_error.h"

#include <cstdint>
#include <limits>
#include <system_error>

namespace search::texts {

std::string SystemReason(int error_number) {
  if (error_number == 0) return "unknown error";
  return std::generic_category().message(error_number);
}

void CountOverflow(std::string_view what) {
  throw SearchError("more than " + std::to_string(std::numeric_limits<std::int32_t>::max()) + " " +
                    std::string(what) + ": the program counts at most that many");
}

}  // namespace search::texts
