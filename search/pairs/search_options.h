#pragma once

#include <optional>
#include <string>
#include <vector>

#include "search/lexicon/lexicon_format.h"

namespace search::pairs {

// What a run may be asked beyond its two symbols; the window asks none of it.
struct SearchOptions {
  // The word list file, in UTF-8; FOLDER/in.txt when none.
  std::optional<std::string> input;
  lexicon::LexiconReading reading;
  // Orders the pairs table by the words' frequencies.
  bool sort_by_frequency = false;

  // The options that change which words take part, as file names show them,
  // in a fixed order.
  [[nodiscard]] std::vector<std::string> NamedInFiles() const {
    std::vector<std::string> named;
    if (reading.min_frequency) named.push_back("min-frequency " + reading.min_frequency->typed);
    return named;
  }
};

}  // namespace search::pairs
