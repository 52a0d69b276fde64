// Pieces shared by the lexicon readers: lines, spans of them, and faults in them.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace search::lexicon {

// A stretch [start, end) of a text.
struct Span {
  std::size_t start = 0;
  std::size_t end = 0;
};

inline Span TrimmedSpan(std::string_view text, Span span) {
  while (span.start < span.end && text[span.start] == ' ') ++span.start;
  while (span.end > span.start && text[span.end - 1] == ' ') --span.end;
  return span;
}

// The lines of text[from, to), ending at CR LF, CR or LF as in a plain list.
// The next CR and the next LF are each looked up once per occurrence, so a
// text with only one kind of line end is still read in linear time.
class Lines final {
 public:
  Lines(std::string_view text, std::size_t from, std::size_t to)
      : text_(text.substr(0, to)),
        next_(from),
        next_cr_(Find('\r', from)),
        next_lf_(Find('\n', from)) {}
  // The next line, or none at the end.
  std::optional<Span> Next() {
    if (next_ >= text_.size()) return std::nullopt;
    const std::size_t start = next_;
    if (next_cr_ < start) next_cr_ = Find('\r', start);
    if (next_lf_ < start) next_lf_ = Find('\n', start);
    const std::size_t end = std::min(next_cr_, next_lf_);
    next_ = end + 1;
    if (end + 1 < text_.size() && text_[end] == '\r' && text_[end + 1] == '\n') ++next_;
    return Span{start, end};
  }

 private:
  [[nodiscard]] std::size_t Find(char byte, std::size_t from) const {
    const std::size_t at = text_.find(byte, from);
    return at == std::string_view::npos ? text_.size() : at;
  }

  std::string_view text_;
  std::size_t next_;
  std::size_t next_cr_;
  std::size_t next_lf_;
};

// A fault in the line that starts at `line_start`; the reader turns it into
// a message with the line's number once no thread reads the text any more.
struct LineFault {
  std::size_t line_start;
  std::string why;
};

// The number of the line that starts at `line_start`, the line at `from` being 1.
inline std::size_t LineNumberAt(std::string_view text, std::size_t from, std::size_t line_start) {
  Lines lines(text, from, line_start);
  std::size_t number = 1;
  while (lines.Next()) ++number;
  return number;
}

}  // namespace search::lexicon
