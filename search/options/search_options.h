#pragma once

#include <optional>
#include <string>
#include <vector>

#include "search/contexts/context.h"
#include "search/lexicon/lexicon_format.h"

namespace search::options {

// Which pairs of words a search lists for its two symbols A and B.
enum class PairRule {
  kEveryPlace,      // the second word becomes the first when its B's are replaced by A
  kOnePlace,        // words of one length that differ in one place, A in one and B in the other
  kSameDifference,  // ... that differ only where one holds A and the other B
};

// What a run may be asked beyond its two symbols; the window asks none of it.
struct SearchOptions {
  // The word list file, in UTF-8; FOLDER/in.txt when none.
  std::optional<std::string> input;
  lexicon::LexiconReading reading;
  // Orders the pairs table by the words' frequencies.
  bool sort_by_frequency = false;
  // Where the symbols' places may stand, from --context and --position in the
  // order given: a place fits when it fits any one. None: anywhere.
  std::vector<contexts::Context> contexts;
  // Characters removed from every symbol before matching, as typed (UTF-8).
  std::string strip;
  // Each distinct pair of words that the search finds one way or the other,
  // once, instead of the pairs of the first symbol for the second.
  bool both_ways = false;
  PairRule rule = PairRule::kEveryPlace;
  // Also writes the pairs as a practice sheet to print, beside the pairs file.
  bool sheet = false;

  // The options that change which words take part, as file names show them,
  // in the order the table of run options gives them.
  [[nodiscard]] std::vector<std::string> NamedInFiles() const;
  // Those of them that change the word lists: the lists are the same both ways.
  [[nodiscard]] std::vector<std::string> NamedInWordLists() const;
};

}  // namespace search::options
