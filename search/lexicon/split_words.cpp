#include "search/lexicon/split_words.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "search/kit/run_ahead.h"
#include "search/lexicon/lines_in_halves.h"

namespace search::lexicon {
namespace {

// The columns of a list beside its words, those it has.
struct Columns {
  std::array<const FieldColumn*, 3> of{};
  std::size_t count = 0;

  explicit Columns(const WordColumns& columns) {
    for (const auto* column : {&columns.spelling, &columns.frequency, &columns.gloss}) {
      if (*column) of[count++] = &**column;
    }
  }
};

// A stretch of the list's words split into a text: its words, and its columns
// in the order Columns gives them.
struct SplitPart {
  WordList words;
  std::array<FieldColumn, 3> columns;
};

class PartSplitter final {
 public:
  PartSplitter(const WordListFile& list, const SegmentSplitter& splitter, char* out)
      : list_(list), splitter_(splitter), columns_(list.columns), out_(out) {}

  // Writes the words [begin, end) and their fields from out[at] on and marks
  // them in `part`; returns where they end. Each word takes at most twice its
  // bytes, each field its own, so words before `begin` never reach
  // 2 * (where word `begin`'s fields start in the list's text).
  std::size_t Split(std::size_t begin, std::size_t end, std::size_t at, SplitPart& part) const {
    const std::string_view text = list_.words.Text();
    part.words.ReserveWords(end - begin);
    for (std::size_t column = 0; column < columns_.count; ++column) {
      part.columns[column].Reserve(end - begin);
    }
    for (std::size_t word = begin; word < end; ++word) {
      const auto written =
          static_cast<std::size_t>(splitter_.SplitTo(list_.words.Trimmed(word), out_ + at) - out_);
      part.words.MarkWord(at, written);
      at = written;
      for (std::size_t column = 0; column < columns_.count; ++column) {
        const std::string_view field = columns_.of[column]->Of(text, word);
        std::copy(field.begin(), field.end(), out_ + at);
        part.columns[column].Mark(at, at + field.size());
        at += field.size();
      }
    }
    return at;
  }
  // Where word `word` and its fields start in the list's text, at the earliest.
  [[nodiscard]] std::size_t StartOf(std::size_t word) const {
    const std::string_view text = list_.words.Text();
    std::size_t start = list_.words.Trimmed(word).data() - text.data();
    for (std::size_t column = 0; column < columns_.count; ++column) {
      start =
          std::min<std::size_t>(start, columns_.of[column]->Of(text, word).data() - text.data());
    }
    return start;
  }

 private:
  const WordListFile& list_;
  const SegmentSplitter& splitter_;
  Columns columns_;
  char* out_;
};

}  // namespace

void SplitWords(WordListFile& list, const SegmentSplitter& splitter) {
  kit::TextBuffer text;
  text.ResizeForOverwrite(SegmentSplitter::RoomToSplit(list.words.Text().size()));
  const PartSplitter parts(list, splitter, text.data());
  const std::size_t size = list.words.size();
  const std::size_t half = list.words.Text().size() >= kHalvesFromBytes ? size / 2 : size;
  SplitPart earlier;
  SplitPart later;
  std::size_t later_end = 0;
  const std::size_t earlier_end =
      kit::BothAtOnce([&] { return parts.Split(0, half, 0, earlier); },
                      [&] {
                        if (half == size) return;
                        later_end = parts.Split(
                            half, size, SegmentSplitter::RoomToSplit(parts.StartOf(half)), later);
                      });
  earlier.words.MarkWordsOf(later.words);
  text.ResizeForOverwrite(std::max(earlier_end, later_end));
  WordListFile split;
  split.words = std::move(earlier.words);
  split.words.AdoptText(std::move(text));
  split.encoding = list.encoding;
  split.columns.fields_need_escapes = list.columns.fields_need_escapes;
  // The columns the list has, in the order Columns counts them.
  std::size_t column = 0;
  for (auto [read, made] : {std::pair{&list.columns.spelling, &split.columns.spelling},
                            std::pair{&list.columns.frequency, &split.columns.frequency},
                            std::pair{&list.columns.gloss, &split.columns.gloss}}) {
    if (!*read) continue;
    *made = std::move(earlier.columns[column]);
    (*made)->MarkAllOf(later.columns[column]);
    ++column;
  }
  list = std::move(split);
}

}  // namespace search::lexicon
