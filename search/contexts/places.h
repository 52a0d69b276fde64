// Places of a symbol in a word, judged against contexts. The place is the
// whole padded symbol (a typed sequence " K AE1 " is one place) where it
// stands in the padded word; its neighbours are the symbols just before its
// first symbol and just after its last, skipping empty symbols (double
// spaces), or the word's edge where there is none.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "search/contexts/context.h"
#include "search/contexts/fold.h"
#include "search/lexicon/word_list.h"
#include "search/texts/encoding.h"

namespace search::contexts {

// Contexts made ready to judge places in the words of one list: a place fits
// when it fits any one of them, and with no contexts every place fits.
class PlaceRule final {
 public:
  // Converts the contexts' symbols to `encoding`, as typed symbols are
  // (those that the encoding cannot hold cannot occur and are dropped), then
  // folds them with `fold` unless it is null, as the list's words must be.
  // Raises ContextError when the fold empties a symbol of a context.
  PlaceRule(const std::vector<Context>& contexts, texts::TextEncoding encoding, const Fold* fold);

  // True when the place padded_word[at, at + size), where a padded symbol of
  // that size was found, fits.
  [[nodiscard]] bool Fits(std::string_view padded_word, std::size_t at, std::size_t size) const;

 private:
  struct Side {
    bool edge;
    bool any_symbol;
    std::vector<std::string> symbols;
    [[nodiscard]] bool Fits(std::string_view neighbour, bool is_edge) const;
  };
  struct Sides {
    Side left;
    Side right;
  };
  std::vector<Sides> contexts_;
};

// The positions, ascending, of the words in which at least one occurrence of
// the padded `symbol` fits, any occurrence, overlapping ones too: of
// `T T AE1`, the second T fits `_ AE1`. These are the words a restricted
// symbol list shows.
std::vector<std::int32_t> SelectWordsWithFittingPlace(const lexicon::WordList& words,
                                                      std::string_view symbol,
                                                      const PlaceRule& rule);

// The positions, ascending, of the words that hold the padded `symbol` and in
// which every place that lexicon::SubstituteSymbol replaces fits (leftmost
// first, the scan going on after each: of `T T AE1` only the first T, which
// does not fit `_ AE1`). A word with two replaced places where one fits is
// left out. Pairing the first list's fitting words with these second words
// gives the unrestricted pairs less the lines whose replaced places do not
// all fit, as replaced places never overlap and so have the same neighbours
// in both words.
std::vector<std::int32_t> SelectWordsWhoseReplacedPlacesFit(const lexicon::WordList& words,
                                                            std::string_view symbol,
                                                            const PlaceRule& rule);

}  // namespace search::contexts
