#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "search/ascending_offsets.h"
#include "search/prefetch.h"
#include "search/text_buffer.h"
#include "search/transcription.h"

namespace search {

// Padded transcriptions held in one text. A word list read from a file keeps
// the file's bytes with every line end turned into a space, so the words sit
// where they were read and neighbours share their enclosing spaces: millions of
// words cost a few allocations instead of one each, and no copy.
class WordList final {
 public:
  // Appends PadTranscription(line) as a word of its own.
  void AppendPadded(std::string_view line);

  // Makes room for `count` words, so that marking them never moves the list.
  void ReserveWords(std::size_t count) {
    starts_.Reserve(count);
    ends_.Reserve(count);
  }
  // Marks text[start, end) of the text that AdoptText will hand over as the
  // next word; words come in text order.
  void MarkWord(std::size_t start, std::size_t end) {
    starts_.Append(start);
    ends_.Append(end);
  }
  // Marks the words of `later`, a list that has only marked words of the same
  // text, after those marked here.
  void MarkWordsOf(const WordList& later) {
    starts_.AppendAll(later.starts_);
    ends_.AppendAll(later.ends_);
  }
  // Takes over the text that the marked words refer to.
  void AdoptText(TextBuffer text) { text_ = std::move(text); }

  [[nodiscard]] std::size_t size() const { return starts_.size(); }
  [[nodiscard]] bool empty() const { return starts_.empty(); }
  // The padded word: one space, the trimmed line, one space.
  [[nodiscard]] std::string_view operator[](std::size_t index) const {
    const std::size_t start = starts_[index];
    return {text_.data() + start, ends_[index] - start};
  }
  // The word without its enclosing spaces, TrimSpaces((*this)[index]).
  [[nodiscard]] std::string_view Trimmed(std::size_t index) const {
    const std::size_t start = starts_[index] + 1;
    return {text_.data() + start, ends_[index] - 1 - start};
  }

  // Asks for where word `index` lies ahead of reading it.
  void Prefetch(std::size_t index) const {
    search::Prefetch(starts_.Address(index));
    search::Prefetch(ends_.Address(index));
  }

  // Calls on_word(index) for every word that contains `symbol`, in order,
  // in one pass over the whole text.
  template <typename OnWord>
  void ForEachContaining(std::string_view symbol, OnWord&& on_word) const;

 private:
  TextBuffer text_;
  AscendingOffsets starts_;
  AscendingOffsets ends_;
};

// The positions of the words that contain the padded `symbol`, in order. The
// list must hold fewer than 2^31 words.
std::vector<std::int32_t> SelectWordsContaining(const WordList& words, std::string_view symbol);

template <typename OnWord>
void WordList::ForEachContaining(std::string_view symbol, OnWord&& on_word) const {
  const std::string_view text = text_.view();
  std::size_t word = 0;
  std::size_t from = empty() ? text.size() : starts_[0];
  while (word < size()) {
    const std::size_t hit = FindSymbol(text, symbol, from);
    if (hit == std::string_view::npos) return;
    // Words that end before the hit does cannot hold it or any later hit.
    while (word < size() && ends_[word] < hit + symbol.size()) ++word;
    if (word == size()) return;
    if (starts_[word] <= hit) {
      on_word(word);
      if (++word < size()) from = starts_[word];
    } else {
      from = hit + 1;  // the hit straddles two words, as a symbol with spaces can
    }
  }
}

}  // namespace search
