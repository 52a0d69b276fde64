#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

#include "search/lexicon/word_columns.h"
#include "search/lexicon/word_list.h"
#include "search/texts/search_error.h"

namespace search::runs {

// Everything one run reads and selects; owned by the caller and filled by
// RunSearch. The symbol lists hold positions in Words, in Words order.
struct SearchState {
  lexicon::WordList Words;
  lexicon::WordColumns columns;  // beside Words, in its text; none for a plain list
  std::int32_t WordCount = 0;
  std::vector<std::int32_t> FirstList;
  std::int32_t FirstCount = 0;
  std::vector<std::int32_t> SecondList;
  std::int32_t SecondCount = 0;
};

// The number of `size` things as the program counts them, refusing to pass the
// 32-bit limit; `what` names what is counted in the error message.
inline std::int32_t CheckedCount(std::size_t size, std::string_view what) {
  if (size > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    texts::CountOverflow(what);
  }
  return static_cast<std::int32_t>(size);
}

}  // namespace search::runs
