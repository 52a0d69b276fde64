#include "search/contexts/places.h"

#include <algorithm>

#include "search/lexicon/transcription.h"

namespace search::contexts {

PlaceRule::PlaceRule(const std::vector<Context>& contexts, texts::TextEncoding encoding,
                     const Fold* fold) {
  const auto ready = [&](const contexts::Side& side) {
    Side made{side.edge, side.any_symbol, {}};
    for (const std::string& symbol : side.symbols) {
      std::optional<std::string> converted = symbol;
      if (encoding == texts::TextEncoding::kWindows1252) {
        converted = texts::Utf8ToWindows1252(symbol);
        if (!converted) continue;
      }
      if (fold != nullptr) {
        converted = fold->FoldWord(*converted);
        if (converted->empty()) {
          throw ContextError("the fold leaves nothing of the symbol '" + symbol + "'");
        }
      }
      made.symbols.push_back(std::move(*converted));
    }
    return made;
  };
  for (const Context& context : contexts) {
    contexts_.push_back({ready(context.left), ready(context.right)});
  }
}

bool PlaceRule::Side::Fits(std::string_view neighbour, bool is_edge) const {
  if (is_edge) return edge;
  return any_symbol || std::find(symbols.begin(), symbols.end(), neighbour) != symbols.end();
}

bool PlaceRule::Fits(std::string_view padded_word, std::size_t at, std::size_t size) const {
  if (contexts_.empty()) return true;
  // The padded word starts and ends with a space, the place's first and last
  // bytes are spaces, and spaces next to them are empty symbols.
  std::size_t left_end = at;
  while (left_end > 0 && padded_word[left_end - 1] == ' ') --left_end;
  const bool left_edge = left_end == 0;
  const std::string_view left =
      left_edge ? std::string_view()
                : padded_word.substr(0, left_end).substr(padded_word.rfind(' ', left_end - 1) + 1);
  std::size_t right_start = at + size;
  while (right_start < padded_word.size() && padded_word[right_start] == ' ') ++right_start;
  const bool right_edge = right_start == padded_word.size();
  const std::string_view right =
      right_edge
          ? std::string_view()
          : padded_word.substr(right_start, padded_word.find(' ', right_start) - right_start);
  return std::any_of(contexts_.begin(), contexts_.end(), [&](const Sides& sides) {
    return sides.left.Fits(left, left_edge) && sides.right.Fits(right, right_edge);
  });
}

namespace {

// Calls keep(padded_word, at) for the words that hold `symbol`, and collects
// those for which it says yes.
template <typename Keep>
std::vector<std::int32_t> SelectWords(const lexicon::WordList& words, std::string_view symbol,
                                      Keep keep) {
  std::vector<std::int32_t> positions;
  if (symbol.empty()) return positions;  // not padded: no places
  positions.reserve(words.size());       // as lexicon::SelectWordsContaining, for the same reason
  std::string padded;
  words.ForEachContaining(symbol, [&](std::size_t index) {
    if (keep(words.Padded(index, padded))) positions.push_back(static_cast<std::int32_t>(index));
  });
  return positions;
}

}  // namespace

std::vector<std::int32_t> SelectWordsWithFittingPlace(const lexicon::WordList& words,
                                                      std::string_view symbol,
                                                      const PlaceRule& rule) {
  return SelectWords(words, symbol, [&](std::string_view word) {
    for (std::size_t at = lexicon::FindSymbol(word, symbol, 0); at != std::string_view::npos;
         at = lexicon::FindSymbol(word, symbol, at + 1)) {
      if (rule.Fits(word, at, symbol.size())) return true;
    }
    return false;
  });
}

std::vector<std::int32_t> SelectWordsWhoseReplacedPlacesFit(const lexicon::WordList& words,
                                                            std::string_view symbol,
                                                            const PlaceRule& rule) {
  return SelectWords(words, symbol, [&](std::string_view word) {
    // The places that lexicon::AppendSubstituted replaces.
    for (std::size_t at = word.find(symbol); at != std::string_view::npos;
         at = word.find(symbol, at + symbol.size())) {
      if (!rule.Fits(word, at, symbol.size())) return false;
    }
    return true;
  });
}

}  // namespace search::contexts
