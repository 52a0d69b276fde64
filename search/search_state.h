#pragma once

#include <cstdint>
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

// Adds one to a count, refusing to pass the 32-bit limit; `what` names what is
// counted in the error message.
void IncrementCount(std::int32_t& count, std::string_view what);

}  // namespace search
