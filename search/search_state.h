#pragma once

#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

#include "search/word_list.h"

namespace search {

// Everything one run reads and selects; owned by the caller and filled by
// RunSearch. The symbol lists hold positions in Words, in Words order.
struct SearchState {
  WordList Words;
  std::int32_t WordCount = 0;
  std::vector<std::int32_t> FirstList;
  std::int32_t FirstCount = 0;
  std::vector<std::int32_t> SecondList;
  std::int32_t SecondCount = 0;
};

// Raises the error for a count that would pass the 32-bit limit.
[[noreturn]] void CountOverflow(std::string_view what);

// Adds one to a count, refusing to pass the 32-bit limit; `what` names what is
// counted in the error message.
inline void IncrementCount(std::int32_t& count, std::string_view what) {
  if (count == std::numeric_limits<std::int32_t>::max()) CountOverflow(what);
  ++count;
}

}  // namespace search
