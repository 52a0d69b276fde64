#include "search/lexicon/lines_in_halves.h"

namespace search::lexicon {

std::size_t HalvesCut(std::string_view text, std::size_t from) {
  if (text.size() - from < kHalvesFromBytes) return text.size();
  const std::size_t middle_lf = text.find('\n', from + (text.size() - from) / 2);
  return middle_lf == std::string_view::npos ? text.size() : middle_lf + 1;
}

}  // namespace search::lexicon
