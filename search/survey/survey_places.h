// The places of a survey's symbols judged against the contexts of a run. The
// rule reads padded words, so each word is spelled out again from its ids:
// symbols joined by single spaces, which is how the list held it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "search/contexts/places.h"
#include "search/survey/symbol_sequences.h"

namespace search::survey {

class SurveyPlaces final {
 public:
  // With a null `rule` every place fits; `words` and `rule` must outlive this.
  SurveyPlaces(const SymbolSequences& words, const contexts::PlaceRule* rule)
      : words_(words), rule_(rule) {}

  [[nodiscard]] bool Restricted() const { return rule_ != nullptr; }

  // Makes `word` the one asked about; call before the questions below.
  void Take(std::span<const std::uint16_t> word);

  // Whether some occurrence of `symbol` in the word fits: the word is in the
  // symbol's restricted list.
  [[nodiscard]] bool AnyFits(std::uint16_t symbol) const;

  // Whether the places at these positions of the word all fit.
  [[nodiscard]] bool AllFit(std::span<const std::size_t> positions) const;

 private:
  [[nodiscard]] bool Fits(std::size_t position) const {
    return rule_->Fits(padded_, starts_[position], starts_[position + 1] - starts_[position] + 1);
  }

  const SymbolSequences& words_;
  const contexts::PlaceRule* rule_;
  std::span<const std::uint16_t> word_;
  std::string padded_;
  // Where the padded symbol at each position starts, its leading space, and
  // one more start past the end: a symbol's place runs to the next start's space.
  std::vector<std::size_t> starts_;
};

}  // namespace search::survey
