#include "search/pairs/matched_list.h"

#include <string>

#include "search/lexicon/transcription.h"
#include "search/texts/search_error.h"

namespace search::pairs {

MatchedList::MatchedList(const lexicon::WordList& read, texts::TextEncoding encoding,
                         const options::SearchOptions& options)
    : encoding_(encoding), words_(&read) {
  if (!options.strip.empty()) {
    fold_.emplace(options.strip, encoding);
    folded_ = fold_->FoldWords(read);
    words_ = &*folded_;
  }
  if (!options.contexts.empty()) {
    rule_.emplace(options.contexts, encoding, fold_ ? &*fold_ : nullptr);
  }
}

SearchSymbol MatchedList::Symbol(std::string_view typed) const {
  SearchSymbol symbol = MakeSearchSymbol(typed, encoding_);
  if (!fold_ || !symbol.Match) return symbol;
  symbol.Match = fold_->FoldSymbol(*symbol.Match);
  if (!symbol.Match) {
    throw texts::SearchError("the symbol '" + std::string(lexicon::TrimSpaces(typed)) +
                             "' is left empty by the characters to strip");
  }
  return symbol;
}

std::vector<std::int32_t> MatchedList::Select(const SearchSymbol& symbol) const {
  if (!symbol.Match) return {};
  if (rule_) return contexts::SelectWordsWithFittingPlace(*words_, *symbol.Match, *rule_);
  return lexicon::SelectWordsContaining(*words_, *symbol.Match);
}

std::vector<std::int32_t> MatchedList::SelectPairing(const SearchSymbol& symbol) const {
  if (!rule_ || !symbol.Match) return {};
  return contexts::SelectWordsWhoseReplacedPlacesFit(*words_, *symbol.Match, *rule_);
}

}  // namespace search::pairs
