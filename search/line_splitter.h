#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace search {

// Splits text that arrives in chunks into lines. CR, LF and CR LF each end a
// line (a CR LF split across two chunks is still one line end). A last line
// without a line end is still a line; a line end at the very end adds none.
class LineSplitter final {
 public:
  template <typename OnLine>
  void Feed(std::string_view chunk, OnLine&& on_line) {
    std::size_t start = 0;
    if (after_cr_ && !chunk.empty()) {
      after_cr_ = false;
      if (chunk.front() == '\n') start = 1;
    }
    // The next CR and the next LF are each looked up once per occurrence, so a
    // chunk with only one kind of line end is still scanned in linear time.
    std::size_t next_cr = chunk.find('\r', start);
    std::size_t next_lf = chunk.find('\n', start);
    while (start < chunk.size()) {
      if (next_cr < start) next_cr = chunk.find('\r', start);
      if (next_lf < start) next_lf = chunk.find('\n', start);
      const std::size_t end = std::min(next_cr, next_lf);
      if (end == std::string_view::npos) {
        partial_.append(chunk.substr(start));
        line_open_ = true;
        return;
      }
      Emit(chunk.substr(start, end - start), on_line);
      start = end + 1;
      if (chunk[end] == '\r') {
        if (start == chunk.size()) after_cr_ = true;
        else if (chunk[start] == '\n') ++start;
      }
    }
  }

  template <typename OnLine>
  void Finish(OnLine&& on_line) {
    if (line_open_) Emit({}, on_line);
  }

 private:
  template <typename OnLine>
  void Emit(std::string_view tail, OnLine& on_line) {
    if (partial_.empty()) {
      on_line(tail);
    } else {
      partial_.append(tail);
      on_line(std::string_view(partial_));
      partial_.clear();
    }
    line_open_ = false;
  }

  std::string partial_;
  bool line_open_ = false;
  bool after_cr_ = false;
};

}  // namespace search
