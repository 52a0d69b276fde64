// Contrasts: the unordered pairs of symbols of a survey. A contrast's word pairs
// are the distinct pairs of different words that the pair search pairs for its
// two symbols, one way or the other. A word is a distinct transcription as read:
// homophones are one word, and transcriptions that a fold makes alike stay apart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "search/lexicon/word_list.h"
#include "search/survey/symbol_sequences.h"

namespace search::survey {

// Two words of a contrast as positions in the word list: the one with the
// earlier symbol of the contrast where the other has the later one.
struct WordPair {
  std::int32_t earlier_word = 0;
  std::int32_t later_word = 0;
  friend bool operator==(const WordPair&, const WordPair&) = default;
};

// How many word pairs of each contrast a survey keeps to show: at least 200,
// and the page of a pronouncing dictionary (135,000 words) stays within 8 MB.
inline constexpr std::size_t kContrastExamplePairs = 200;

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
  // `read` is the list as read when `words` were folded from it, which tells
  // their copies apart; null when `words` are the list as read.
  ContrastCounter(const SymbolSequences& words, const lexicon::WordList* read);

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

  // Positions of the first copies of a distinct word as matched that differ as
  // read, at most `limit` of them: its words, as the contrasts count them.
  [[nodiscard]] std::vector<std::int32_t> ReadCopies(std::int32_t word, std::size_t limit) const;

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
  const lexicon::WordList* read_;
  std::size_t width_;
  std::vector<std::int64_t> read_forms_;        // words per distinct word as matched
  std::vector<std::int64_t> words_with_;        // by id
  std::vector<std::int64_t> both_;              // by Cell
  std::vector<std::int64_t> word_pairs_;        // by Cell
  std::vector<std::vector<Example>> examples_;  // by Cell, in order of first appearance
};

}  // namespace search::survey
