// The contrast survey: the number of minimal pairs of every ordered pair of
// symbols in a word list, found in one pass over its words.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "search/contexts/places.h"
#include "search/lexicon/word_list.h"
#include "search/survey/contrasts.h"

namespace search::survey {

// A line of a pairs file: positions in the word list of the first and the
// second word.
struct SurveyPair {
  std::int32_t first_word = 0;
  std::int32_t second_word = 0;
  friend bool operator==(const SurveyPair&, const SurveyPair&) = default;
  // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy 14 misreads a defaulted <=>
  friend auto operator<=>(const SurveyPair&, const SurveyPair&) = default;
};

// How many pairs of each cell a survey keeps to show.
inline constexpr std::size_t kSurveyExamplePairs = 3;

// The symbols are the distinct non-empty runs of characters other than the
// space, ordered by the number of words that contain them, most first, ties by
// first appearance. Cell (a, b) is about `a` as the first symbol and `b` as the
// second: its count is the number of lines that the pair search for them
// writes, and its examples are the first of those lines that hold different
// words (see Contrast for when words differ). The diagonal is empty.
struct Survey {
  std::vector<std::string> symbols;       // as bytes of the word list
  std::vector<std::int64_t> word_counts;  // words that contain each symbol
  std::vector<std::int64_t> pair_counts;  // row-major, size() * size()
  std::vector<std::vector<SurveyPair>> examples;
  std::vector<Contrast> contrasts;  // those with word pairs, most first

  [[nodiscard]] std::size_t size() const { return symbols.size(); }
  [[nodiscard]] std::int64_t Count(std::size_t first, std::size_t second) const {
    return pair_counts[first * size() + second];
  }
  // Cells with pairs, and the pairs of all cells.
  [[nodiscard]] std::int64_t SymbolPairsWithPairs() const;
  [[nodiscard]] std::int64_t MinimalPairs() const;
  [[nodiscard]] const std::vector<SurveyPair>& Examples(std::size_t first,
                                                        std::size_t second) const {
    return examples[first * size() + second];
  }
};

// Called now and then with the number of distinct words done and their total.
using SurveyProgress = std::function<void(std::size_t done, std::size_t total)>;

// Surveys `words`, the list as matched, telling its copies of a word apart by
// the list as `read` where a fold made it (see ContrastCounter), and keeping
// only the pairs whose replaced places all fit `rule` unless it is null: each
// cell is then the restricted search's count, and a symbol's words those of its
// restricted list. Throws SearchError for a list with more symbols than a
// survey covers, naming `list_name`.
Survey SurveyMinimalPairs(const lexicon::WordList& words, const std::string& list_name,
                          const SurveyProgress& progress, const lexicon::WordList* read = nullptr,
                          const contexts::PlaceRule* rule = nullptr);

}  // namespace search::survey
