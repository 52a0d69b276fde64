#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "search/kit/ascending_offsets.h"

namespace search::lexicon {

// One column of a lexicon beside its transcriptions, one field per word: where
// each field stands in the text that the word list holds (WordList::Text),
// trimmed of spaces.
class FieldColumn final {
 public:
  // Makes room for `count` fields, which are expected to come.
  void Reserve(std::size_t count) {
    starts_.Reserve(count);
    ends_.Reserve(count);
  }
  void Mark(std::size_t start, std::size_t end) {
    starts_.Append(start);
    ends_.Append(end);
  }
  // Marks the fields of `later`, which lie after those marked here.
  void MarkAllOf(const FieldColumn& later) {
    starts_.AppendAll(later.starts_);
    ends_.AppendAll(later.ends_);
  }
  [[nodiscard]] std::string_view Of(std::string_view text, std::size_t word) const {
    return text.substr(starts_[word], ends_[word] - starts_[word]);
  }

 private:
  kit::AscendingOffsets starts_;
  kit::AscendingOffsets ends_;
};

// The columns a lexicon has besides the transcriptions; a plain list has none.
struct WordColumns {
  std::optional<FieldColumn> spelling;
  std::optional<FieldColumn> frequency;  // checked numbers, or empty for 0
  std::optional<FieldColumn> gloss;
  // False when no field, transcriptions included, can hold a tab, CR, LF or
  // backslash, which tables must escape: then they need not look.
  bool fields_need_escapes = true;

  [[nodiscard]] bool Any() const { return spelling || frequency || gloss; }
};

}  // namespace search::lexicon
