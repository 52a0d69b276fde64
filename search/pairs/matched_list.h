// What a run matches its symbols against: the list as read, or its folded
// copy, and the rule for the places of the symbols.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "search/contexts/fold.h"
#include "search/contexts/places.h"
#include "search/lexicon/word_list.h"
#include "search/options/search_options.h"
#include "search/pairs/search_symbol.h"
#include "search/texts/encoding.h"

namespace search::pairs {

// The pair index reads the words, so this outlives every index built on it.
class MatchedList final {
 public:
  // Folds `read` when the options strip characters, and makes the rule of
  // their contexts; `read` must stay in place.
  MatchedList(const lexicon::WordList& read, texts::TextEncoding encoding,
              const options::SearchOptions& options);
  MatchedList(const MatchedList&) = delete;
  MatchedList& operator=(const MatchedList&) = delete;

  // A typed symbol as the words are matched: converted to the list's encoding
  // and folded. Raises texts::SearchError when the fold empties it.
  [[nodiscard]] SearchSymbol Symbol(std::string_view typed) const;

  // The positions of the words whose places of `symbol` fit, in order.
  [[nodiscard]] std::vector<std::int32_t> Select(const SearchSymbol& symbol) const;

  // With contexts, the positions of the words with `symbol` whose every
  // replaced place fits: the second-list words that may pair. Without, none
  // are asked for (the second list is all of them).
  [[nodiscard]] std::vector<std::int32_t> SelectPairing(const SearchSymbol& symbol) const;

  [[nodiscard]] bool Restricted() const { return rule_.has_value(); }
  // The rule of the contexts, or null without any.
  [[nodiscard]] const contexts::PlaceRule* Rule() const { return rule_ ? &*rule_ : nullptr; }
  [[nodiscard]] const lexicon::WordList& Words() const { return *words_; }

 private:
  texts::TextEncoding encoding_;
  std::optional<contexts::Fold> fold_;
  std::optional<lexicon::WordList> folded_;
  const lexicon::WordList* words_ = nullptr;
  std::optional<contexts::PlaceRule> rule_;
};

}  // namespace search::pairs
