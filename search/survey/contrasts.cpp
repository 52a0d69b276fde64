#include "search/survey/contrasts.h"

#include <algorithm>
#include <utility>

namespace search::survey {
namespace {

// Word pairs come in order of their earlier word in the list, then the later;
// distinct words are numbered in order of the list too.
std::pair<std::int32_t, std::int32_t> Order(std::int32_t one, std::int32_t other) {
  return std::minmax(one, other);
}

}  // namespace

ContrastCounter::ContrastCounter(const SymbolSequences& words, const lexicon::WordList* read)
    : words_(words),
      read_(read),
      width_(words.symbol_count() + 1),
      read_forms_(words.size(), 1),
      words_with_(width_),
      both_(width_ * width_),
      word_pairs_(width_ * width_),
      examples_(width_ * width_) {
  if (read_ == nullptr) return;
  std::vector<std::string_view> forms;
  for (std::size_t word = 0; word < words.size(); ++word) {
    if (words.copies(word) == 1) continue;
    forms.clear();
    for (std::int32_t at = words.first_position(word); at != SymbolSequences::kNoPosition;
         at = words.next_copy(at)) {
      forms.push_back(read_->Trimmed(static_cast<std::size_t>(at)));
    }
    std::sort(forms.begin(), forms.end());
    read_forms_[word] = std::unique(forms.begin(), forms.end()) - forms.begin();
  }
}

void ContrastCounter::CountWord(std::size_t word, std::span<const std::uint16_t> held) {
  for (std::size_t i = 0; i < held.size(); ++i) {
    words_with_[held[i]] += read_forms_[word];
    for (std::size_t j = i + 1; j < held.size(); ++j)
      both_[Cell(held[i], held[j])] += read_forms_[word];
  }
}

void ContrastCounter::Add(std::uint16_t first, std::uint16_t second, std::int32_t first_word,
                          std::int32_t second_word) {
  // The search the other way pairs the same words exactly when the first word
  // holds `first` at the places where this search replaced `second` and
  // nowhere else that the search replaces: then count them once, in the
  // search whose first symbol has the lower id.
  if (first > second) {
    const auto held = words_[static_cast<std::size_t>(first_word)];
    const auto replaced = words_[static_cast<std::size_t>(second_word)];
    bool both_ways = true;
    bool held_before = false;
    bool replaced_before = false;
    for (std::size_t i = 0; i < held.size() && both_ways; ++i) {
      const bool at_held = held[i] == first && !held_before;
      const bool at_replaced = replaced[i] == second && !replaced_before;
      both_ways = at_held == at_replaced;
      held_before = at_held;
      replaced_before = at_replaced;
    }
    if (both_ways) return;
  }
  const std::size_t cell = Cell(first, second);
  word_pairs_[cell] += read_forms_[static_cast<std::size_t>(first_word)] *
                       read_forms_[static_cast<std::size_t>(second_word)];
  Offer(examples_[cell],
        first < second ? Example{first_word, second_word} : Example{second_word, first_word});
}

void ContrastCounter::Offer(std::vector<Example>& examples, Example example) const {
  const auto before = [](const Example& a, const Example& b) {
    return Order(a.low_word, a.high_word) < Order(b.low_word, b.high_word);
  };
  if (examples.size() == kContrastExamplePairs && !before(example, examples.back())) return;
  examples.insert(std::upper_bound(examples.begin(), examples.end(), example, before), example);
  if (examples.size() > kContrastExamplePairs) examples.pop_back();
}

std::vector<std::int32_t> ContrastCounter::ReadCopies(std::int32_t word, std::size_t limit) const {
  std::vector<std::int32_t> copies;
  std::vector<std::string_view> seen;
  for (std::int32_t at = words_.first_position(static_cast<std::size_t>(word));
       at != SymbolSequences::kNoPosition && copies.size() < limit; at = words_.next_copy(at)) {
    if (read_ == nullptr) return {at};
    const std::string_view form = read_->Trimmed(static_cast<std::size_t>(at));
    if (std::find(seen.begin(), seen.end(), form) != seen.end()) continue;
    seen.push_back(form);
    copies.push_back(at);
  }
  return copies;
}

std::vector<Contrast> ContrastCounter::Result(std::span<const std::uint16_t> order) const {
  std::vector<std::size_t> place(width_);
  for (std::size_t n = 0; n < order.size(); ++n) place[order[n]] = n;
  std::vector<Contrast> contrasts;
  for (std::uint16_t low = 1; low < width_; ++low) {
    for (auto high = static_cast<std::uint16_t>(low + 1); high < width_; ++high) {
      const std::size_t cell = Cell(low, high);
      if (word_pairs_[cell] == 0) continue;
      const bool low_earlier = place[low] < place[high];
      Contrast& contrast = contrasts.emplace_back();
      contrast.earlier = std::min(place[low], place[high]);
      contrast.later = std::max(place[low], place[high]);
      contrast.word_pairs = word_pairs_[cell];
      contrast.words_with_earlier = words_with_[low_earlier ? low : high];
      contrast.words_with_later = words_with_[low_earlier ? high : low];
      contrast.words_with_both = both_[cell];
      // Each pair of words as matched comes no earlier than its first pair as
      // read, so the first pairs as matched hold the first ones as read.
      for (const Example& example : examples_[cell]) {
        for (const std::int32_t low_word : ReadCopies(example.low_word, kContrastExamplePairs)) {
          for (const std::int32_t high_word :
               ReadCopies(example.high_word, kContrastExamplePairs)) {
            contrast.examples.push_back(low_earlier ? WordPair{low_word, high_word}
                                                    : WordPair{high_word, low_word});
          }
        }
      }
      std::sort(contrast.examples.begin(), contrast.examples.end(),
                [](const WordPair& a, const WordPair& b) {
                  return Order(a.earlier_word, a.later_word) < Order(b.earlier_word, b.later_word);
                });
      contrast.examples.resize(std::min(contrast.examples.size(), kContrastExamplePairs));
    }
  }
  std::sort(contrasts.begin(), contrasts.end(), [](const Contrast& a, const Contrast& b) {
    if (a.word_pairs != b.word_pairs) return a.word_pairs > b.word_pairs;
    return std::pair(a.earlier, a.later) < std::pair(b.earlier, b.later);
  });
  return contrasts;
}

}  // namespace search::survey
