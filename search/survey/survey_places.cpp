#include "search/survey/survey_places.h"

#include <algorithm>

namespace search::survey {

void SurveyPlaces::Take(std::span<const std::uint16_t> word) {
  if (rule_ == nullptr) return;
  word_ = word;
  padded_.assign(1, ' ');
  starts_.clear();
  for (const std::uint16_t id : word) {
    starts_.push_back(padded_.size() - 1);
    padded_ += words_.symbol(id);
    padded_ += ' ';
  }
  starts_.push_back(padded_.size() - 1);
}

bool SurveyPlaces::AnyFits(std::uint16_t symbol) const {
  if (rule_ == nullptr) return true;
  for (std::size_t i = 0; i < word_.size(); ++i) {
    if (word_[i] == symbol && Fits(i)) return true;
  }
  return false;
}

bool SurveyPlaces::AllFit(std::span<const std::size_t> positions) const {
  return rule_ == nullptr ||
         std::all_of(positions.begin(), positions.end(), [&](std::size_t i) { return Fits(i); });
}

}  // namespace search::survey
