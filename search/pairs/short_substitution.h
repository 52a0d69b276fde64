// The substitution of a short word, made without allocating: a large search
// substitutes every second-list word, where a call per piece to find, compare
// and append costs more than the bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string_view>

namespace search::pairs {

// Room for one substituted short word.
using ShortWordBytes = std::array<char, 256>;

// lexicon::SubstituteSymbol(" " + word + " ", from, to) for a padded `from`
// (two bytes or more) and a word short enough that the result surely fits in
// `bytes`, made there; none for a longer word. The padded word is copied once
// and each match replaced in place, the rest moved only where `to` is not as
// long as `from`; memchr finds the places of from[1], the first byte of its
// first symbol, rarer than the space before it. Matches are taken as
// SubstituteSymbol takes them: leftmost first, none overlapping, the scan going
// on after each replacement.
inline std::optional<std::string_view> SubstituteShortWord(std::string_view word,
                                                           std::string_view from,
                                                           std::string_view to,
                                                           ShortWordBytes& bytes) {
  std::size_t size = word.size() + 2;
  if (from.size() < 2 || size + size / from.size() * to.size() > bytes.size()) {
    return std::nullopt;
  }
  char* const text = bytes.data();
  text[0] = ' ';
  std::memcpy(text + 1, word.data(), word.size());
  text[size - 1] = ' ';
  std::size_t look = 1;  // where to look for from[1] next
  while (look < size) {
    const void* found = std::memchr(text + look, from[1], size - look);
    if (found == nullptr) break;
    const auto at = static_cast<std::size_t>(static_cast<const char*>(found) - text) - 1;
    if (at + from.size() > size) break;
    if (std::memcmp(text + at, from.data(), from.size()) != 0) {
      look = at + 2;
      continue;
    }
    if (to.size() != from.size()) {
      std::memmove(text + at + to.size(), text + at + from.size(), size - at - from.size());
      size = size - from.size() + to.size();
    }
    std::memcpy(text + at, to.data(), to.size());
    look = at + to.size() + 1;
  }
  return std::string_view(text, size);
}

}  // namespace search::pairs
