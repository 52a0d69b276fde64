#include "search/word_list.h"

namespace search {

void WordList::AppendPadded(std::string_view line) {
  const std::size_t start = text_.size();
  text_ += ' ';
  text_ += TrimSpaces(line);
  text_ += ' ';
  MarkWord(start, text_.size());
}

}  // namespace search
