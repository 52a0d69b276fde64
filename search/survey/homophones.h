// The spellings that a survey page shows for its words. A word is a
// transcription as read, so homophones are one word: its spellings are those of
// every line that holds it, each once, the most frequent first where the
// lexicon has frequencies (a spelling's frequency being the sum of its lines'),
// ties and lexica without frequencies in the order of the list. A word's
// frequency is the sum of its lines'.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "search/lexicon/word_columns.h"
#include "search/lexicon/word_list.h"

namespace search::survey {

class Homophones final {
 public:
  // Gathers the spellings of the words at `positions`, in one pass over the list.
  Homophones(const lexicon::WordList& read, const lexicon::WordColumns& columns,
             std::span<const std::int32_t> positions);

  // The spellings of the word at one of those positions joined by " / ", in
  // the list's bytes; empty when the lexicon has no spellings or the word has
  // none but empty ones.
  [[nodiscard]] std::string_view Spellings(std::int32_t position) const;
  // The frequency of the word at one of those positions; 0 without frequencies.
  [[nodiscard]] double Frequency(std::int32_t position) const;

 private:
  struct Word {
    std::string spellings;  // joined
    double frequency = 0.0;
  };
  [[nodiscard]] const Word* Find(std::int32_t position) const;

  const lexicon::WordList& read_;
  std::unordered_map<std::string_view, Word> words_;  // by transcription
};

}  // namespace search::survey
