#pragma once

#include <cstdint>

namespace search::pairs {

// A line of the pairs file: the positions of its first and its second word.
struct PairRow {
  std::int32_t first = 0;
  std::int32_t second = 0;
  // Found by the search the other way (the symbols swapped), which replaced
  // the first symbol in the first word.
  bool other_way = false;
  friend bool operator==(const PairRow&, const PairRow&) = default;
};

}  // namespace search::pairs
