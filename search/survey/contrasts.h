// Contrasts: the unordered pairs of symbols of a survey. A contrast's word pairs
// are the distinct pairs of different words that the pair search pairs for its
// two symbols, one way or the other. A word is a distinct transcription, or a
// distinct spelling with its transcription when the list has spellings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "search/survey/symbol_sequences.h"

namespace search::survey {

// The spelling of the word at a position of the list. An empty function means
// that the list has no spellings.
using Spellings = std::function<std::string_view(std::int32_t position)>;

// Two words of a contrast as positions in the word list: the one with the
// earlier symbol of the contrast where the other has the later one.
struct WordPair {
  std::int32_t earlier_word = 0;
  std::int32_t later_word = 0;
  friend bool operator==(const WordPair&, const WordPair&) = default;
};

// How many word pairs of each contrast a survey keeps to show.
inline constexpr std::size_t kContrastExamplePairs = 25;

struct Contrast {
  std::size_t earlier = 0;  // places of the two symbols in the survey's table
  std::size_t later = 0;
  std::int64_t word_pairs = 0;
  // Distinct words, so at most the survey's word counts, which count lines.
  std::int64_t words_with_earlier = 0;
  std::int64_t words_with_later = 0;
  std::int64_t words_with_both = 0;
  // The first word pairs, by the place in the list of their earlier-placed
  // word, then of the other.
  std::vector<WordPair> examples;
};

// Gathers the contrasts from the pairs of distinct words that a survey finds.
class ContrastCounter final {
 public:
  // `spellings` tell apart the copies of a transcription: any text per
  // position, equal for the same word.
  ContrastCounter(const SymbolSequences& words, Spellings spellings);

  // The distinct symbols that a distinct word holds, as the words with each
  // symbol count it; once per word.
  void CountWord(std::size_t word, std::span<const std::uint16_t> held);

  // A pair of distinct words of the search for first symbol `first` (held by
  // `first_word`) and second symbol `second`; each comes once per search.
  void Add(std::uint16_t first, std::uint16_t second, std::int32_t first_word,
           std::int32_t second_word);

  // The contrasts with word pairs, most first, ties by the places of their
  // symbols; `order` holds the symbol ids by place in the table.
  [[nodiscard]] std::vector<Contrast> Result(std::span<const std::uint16_t> order) const;

  // Positions of the first copies of a distinct transcription that differ in
  // spelling, at most `limit` of them: its words, as the contrasts count them.
  [[nodiscard]] std::vector<std::int32_t> SpelledCopies(std::int32_t word, std::size_t limit) const;

 private:
  // A pair of distinct transcriptions: the one with the lower symbol id first.
  struct Example {
    std::int32_t low_word;
    std::int32_t high_word;
  };
  void Offer(std::vector<Example>& examples, Example example) const;
  [[nodiscard]] std::size_t Cell(std::uint16_t a, std::uint16_t b) const {
    return a < b ? a * width_ + b : b * width_ + a;
  }

  const SymbolSequences& words_;
  Spellings spellings_;
  std::size_t width_;
  std::vector<std::int64_t> spelled_;           // words per distinct transcription
  std::vector<std::int64_t> words_with_;        // by id
  std::vector<std::int64_t> both_;              // by Cell
  std::vector<std::int64_t> word_pairs_;        // by Cell
  std::vector<std::vector<Example>> examples_;  // by Cell, in order of first appearance
};

}  // namespace search::survey
