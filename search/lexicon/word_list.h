#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "search/kit/ascending_offsets.h"
#include "search/kit/prefetch.h"
#include "search/kit/text_buffer.h"
#include "search/lexicon/transcription.h"

namespace search::lexicon {

// Transcriptions held in one text, as the lines of a word list: each word is
// where its line stands, trimmed of spaces, and the text is never changed, so
// millions of words cost a few allocations instead of one each, and no copy.
// A word's padded form, " " + word + " ", is made when it is needed.
class WordList final {
 public:
  // Appends TrimSpaces(line) as a word of its own.
  void AppendLine(std::string_view line);

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
  void AdoptText(kit::TextBuffer text) { text_ = std::move(text); }

  [[nodiscard]] std::size_t size() const { return starts_.size(); }
  [[nodiscard]] bool empty() const { return starts_.empty(); }
  // The word, trimmed: no space at either end.
  [[nodiscard]] std::string_view Trimmed(std::size_t index) const {
    const std::size_t start = starts_[index];
    return {text_.data() + start, ends_[index] - start};
  }
  // The whole text the words are marked in, which columns beside them may share.
  [[nodiscard]] std::string_view Text() const { return text_.view(); }
  // The padded word, made in `scratch`.
  std::string_view Padded(std::size_t index, std::string& scratch) const {
    scratch.assign(1, ' ');
    scratch += Trimmed(index);
    scratch += ' ';
    return scratch;
  }
  [[nodiscard]] std::string Padded(std::size_t index) const {
    std::string padded;
    Padded(index, padded);
    return padded;
  }

  // Asks for where word `index` lies ahead of reading it.
  void Prefetch(std::size_t index) const {
    search::kit::Prefetch(starts_.Address(index));
    search::kit::Prefetch(ends_.Address(index));
  }

  // Calls on_word(index) for every word whose padded form contains `symbol`,
  // in order, in one pass over the whole text.
  template <typename OnWord>
  void ForEachContaining(std::string_view symbol, OnWord&& on_word) const;

 private:
  kit::TextBuffer text_;
  kit::AscendingOffsets starts_;
  kit::AscendingOffsets ends_;
};

// The positions of the words that contain the padded `symbol`, in order. The
// list must hold fewer than 2^31 words.
std::vector<std::int32_t> SelectWordsContaining(const WordList& words, std::string_view symbol);

template <typename OnWord>
void WordList::ForEachContaining(std::string_view symbol, OnWord&& on_word) const {
  // The symbol's outer spaces may stand for the spaces that pad a word, which
  // the text does not hold; the rest, its core, must lie within the word.
  const std::size_t lead = !symbol.empty() && symbol.front() == ' ' ? 1 : 0;
  const std::size_t trail = symbol.size() > lead && symbol.back() == ' ' ? 1 : 0;
  const std::string_view core = symbol.substr(lead, symbol.size() - lead - trail);
  if (core.empty()) {  // only spaces: rare enough to look at word by word
    std::string padded;
    for (std::size_t word = 0; word < size(); ++word) {
      if (ContainsSymbol(Padded(word, padded), symbol)) on_word(word);
    }
    return;
  }
  const std::string_view text = text_.view();
  std::size_t word = 0;
  std::size_t from = empty() ? text.size() : starts_[0];
  while (word < size()) {
    // One byte, as most symbols are, is looked for without comparing the rest.
    const std::size_t hit =
        core.size() == 1 ? text.find(core.front(), from) : text.find(core, from);
    if (hit == std::string_view::npos) return;
    const std::size_t hit_end = hit + core.size();
    // Words that end before the hit does cannot hold it or any later hit.
    while (word < size() && ends_[word] < hit_end) ++word;
    if (word == size()) return;
    const std::size_t start = starts_[word];
    const std::size_t end = ends_[word];
    if (start <= hit && (lead == 0 || hit == start || text[hit - 1] == ' ') &&
        (trail == 0 || hit_end == end || text[hit_end] == ' ')) {
      on_word(word);
      if (++word < size()) from = starts_[word];
    } else {
      from = hit + 1;  // not on symbol bounds, or across two words
    }
  }
}

}  // namespace search::lexicon
