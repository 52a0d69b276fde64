// Folded symbols: a few characters, such as stress digits or length marks,
// removed from every symbol before matching, so that `AE0 AE1 AE2` all match
// as `AE`. A symbol that the fold empties is no symbol: it goes with its
// separating space (`T 1 K` folds to `T K` without 1). An empty symbol of the
// original, from a double space, stays as it is (`T  1` folds to `T `).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/contexts/context_error.h"
#include "search/lexicon/word_list.h"
#include "search/texts/encoding.h"

namespace search::contexts {

class Fold final {
 public:
  // Folds text in `encoding` by removing each character of `chars`, which is
  // UTF-8 as typed (characters, not bytes); for a Windows-1252 list they are
  // converted as typed symbols are, and those that it cannot hold are left
  // out, as they cannot occur. Spaces in `chars` are ignored: they separate
  // symbols. Raises ContextError when `chars` is not UTF-8.
  Fold(std::string_view chars, texts::TextEncoding encoding);

  // True when the fold removes nothing.
  [[nodiscard]] bool empty() const { return !any_; }

  // The folded form of a word, symbols separated by spaces.
  [[nodiscard]] std::string FoldWord(std::string_view word) const;

  // The folded form of a padded symbol or sequence in the list's encoding
  // (" AE1 " gives " AE "), or nothing when the fold empties one of its
  // symbols, which the caller reports as a usage error naming the symbol as
  // typed.
  [[nodiscard]] std::optional<std::string> FoldSymbol(std::string_view padded) const;

  // A list of the same number of words, word i the folded form of word i, in
  // one text of its own.
  [[nodiscard]] lexicon::WordList FoldWords(const lexicon::WordList& words) const;

 private:
  // Writes the folded `word` at `out`, which has room for word.size() bytes;
  // returns the end of what it wrote. Sets `emptied` when a symbol went.
  char* FoldInto(std::string_view word, char* out, bool& emptied) const;

  // Writes the folded `word` at `out` when no symbol of it can be emptied,
  // which is most words: the stripped characters stand inside symbols, as the
  // digit of AE1 does. Returns nullptr for the other words.
  char* FoldQuickly(std::string_view word, char* out) const;

  enum Byte : std::uint8_t { kKeep, kSeparator, kStrip, kMaybeStrip };
  std::array<Byte, 256> bytes_{};
  // Per byte, for FoldQuickly: kept, a space, stripped, the first of a
  // character of more than one byte that may be stripped. A space shifted
  // left is the stripped bit.
  static constexpr std::uint8_t kQuickKept = 1;
  static constexpr std::uint8_t kQuickSpace = 2;
  static constexpr std::uint8_t kQuickStripped = 4;
  static constexpr std::uint8_t kQuickMaybe = 8;
  std::array<std::uint8_t, 256> quick_{};
  std::vector<std::string> sequences_;  // characters of more than one byte
  bool any_ = false;
};

}  // namespace search::contexts
