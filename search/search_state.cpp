#include "search/search_state.h"

#include <limits>
#include <string>

#include "search/search_error.h"

namespace search {

void CountOverflow(std::string_view what) {
  throw SearchError("more than " + std::to_string(std::numeric_limits<std::int32_t>::max()) + " " +
                    std::string(what) + ": the program counts at most that many");
}

}  // namespace search
