#include "search/lexicon/word_list.h"

namespace search::lexicon {

void WordList::AppendLine(std::string_view line) {
  const std::string_view trimmed = TrimSpaces(line);
  const std::size_t start = text_.size();
  text_.Append(trimmed);
  MarkWord(start, start + trimmed.size());
  text_.Append('\n');
}

std::vector<std::int32_t> SelectWordsContaining(const WordList& words, std::string_view symbol) {
  std::vector<std::int32_t> positions;
  // Room for every word: growing by doubling would copy the positions and
  // touch twice the fresh memory, while room that is never written is never
  // handed out by the system.
  positions.reserve(words.size());
  words.ForEachContaining(
      symbol, [&](std::size_t j) { positions.push_back(static_cast<std::int32_t>(j)); });
  return positions;
}

}  // namespace search::lexicon
