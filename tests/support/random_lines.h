// Random word lists with the awkward cases mixed in: repeated and adjacent
// symbols, symbols that are prefixes of others, blank lines, double spaces and
// duplicate lines.
#pragma once

#include <random>
#include <string>
#include <vector>

namespace testing_support {

struct RandomLineShape {
  std::vector<std::string> symbols;  // drawn with equal chance; repeat one to favour it
  int max_lines = 0;
  int max_symbols = 0;           // per line
  int duplicate_percent = 0;     // of lines that copy an earlier line
  int double_space_percent = 0;  // of gaps between symbols that are two spaces
  std::string blank_start;       // what a few lines (5 %) start with
};

std::vector<std::string> RandomLines(std::mt19937& random, const RandomLineShape& shape);

}  // namespace testing_support
