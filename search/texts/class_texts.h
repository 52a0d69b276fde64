// The texts of a run that contrasts two classes of symbols.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace search::texts {

// The minimal pairs that one pair of symbols of the classes has.
struct ClassPairCount {
  std::string_view first;
  std::string_view second;
  std::size_t pairs = 0;
};

// What a class run shows instead of a search's summary: a line
// "P<TAB>B<TAB>count" per pair of symbols, then "total<TAB>n"; the symbols
// escaped as in EscapedForMessage.
std::string ClassPairCountsText(const std::vector<ClassPairCount>& counts);

// "the classes '@A' (3 symbols) and '@B' (2 symbols) are not of the same size"
std::string ClassSizesDifferText(std::string_view first, std::size_t first_size,
                                 std::string_view second, std::size_t second_size);

}  // namespace search::texts
