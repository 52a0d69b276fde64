#include "search/search_state.h"

#include <limits>
#include <string>

#include "search/search_error.h"

namespace search {

void IncrementCount(std::int32_t& count, std::string_view what) {
  if (count == std::numeric_limits<std::int32_t>::max()) {
    throw SearchError("more than " + std::to_string(count) + " " + std::string(what) +
                      ": the program counts at most that many");
  }
  ++count;
}

}  // namespace search
