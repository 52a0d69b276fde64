#include "random_lines.h"

namespace testing_support {

std::vector<std::string> RandomLines(std::mt19937& random, const RandomLineShape& shape) {
  std::uniform_int_distribution<std::size_t> pick(0, shape.symbols.size() - 1);
  std::uniform_int_distribution<int> length(0, shape.max_symbols), percent(0, 99);
  std::vector<std::string> lines;
  for (int n = std::uniform_int_distribution<int>(0, shape.max_lines)(random); n > 0; --n) {
    if (!lines.empty() && percent(random) < shape.duplicate_percent) {
      lines.push_back(
          lines[std::uniform_int_distribution<std::size_t>(0, lines.size() - 1)(random)]);
      continue;
    }
    std::string line = percent(random) < 5 ? shape.blank_start : "";
    for (int s = length(random); s > 0; --s) {
      line += shape.symbols[pick(random)];
      if (s > 1) line += percent(random) < shape.double_space_percent ? "  " : " ";
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace testing_support
