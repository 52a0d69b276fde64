#pragma once

#include <cstddef>
#include <string>

#include "search/texts/encoding.h"

namespace search::runs {

// The paths a run wrote its three files to, and how it read the list.
struct WrittenFiles {
  std::string first_list;
  std::string second_list;
  std::string pairs;
  bool second_list_derived = false;  // second_list is a derived name, not its own
  texts::TextEncoding word_list_encoding = texts::TextEncoding::kUtf8;  // in.txt's, as read
  std::size_t pair_lines = 0;  // the lines of the pairs file
};

}  // namespace search::runs
