#include "search/word_list.h"

#include "search/transcription.h"

namespace search {

void WordList::AppendPadded(std::string_view line) {
  starts_.push_back(text_.size());
  text_ += ' ';
  text_ += TrimSpaces(line);
  text_ += ' ';
}

void WordList::Reserve(std::size_t text_bytes) { text_.reserve(text_bytes); }

}  // namespace search
