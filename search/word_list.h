#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace search {

// Padded transcriptions stored back to back in one buffer, so a list of
// millions of words costs two allocations instead of one per word.
class WordList final {
 public:
  // Stores PadTranscription(line).
  void AppendPadded(std::string_view line);
  void Reserve(std::size_t text_bytes);

  [[nodiscard]] std::size_t size() const { return starts_.size(); }
  [[nodiscard]] bool empty() const { return starts_.empty(); }
  [[nodiscard]] std::string_view operator[](std::size_t index) const {
    const std::size_t end = index + 1 < starts_.size() ? starts_[index + 1] : text_.size();
    return std::string_view(text_).substr(starts_[index], end - starts_[index]);
  }

 private:
  std::string text_;
  std::vector<std::size_t> starts_;
};

}  // namespace search
