#include "search/texts/class_texts.h"

#include "search/texts/message_text.h"

namespace search::texts {

std::string ClassPairCountsText(const std::vector<ClassPairCount>& counts) {
  std::string text;
  std::size_t total = 0;
  for (const ClassPairCount& count : counts) {
    text += EscapedForMessage(count.first);
    text += '\t';
    text += EscapedForMessage(count.second);
    text += '\t';
    text += std::to_string(count.pairs);
    text += '\n';
    total += count.pairs;
  }
  text += "total\t";
  text += std::to_string(total);
  return text;
}

std::string ClassSizesDifferText(std::string_view first, std::size_t first_size,
                                 std::string_view second, std::size_t second_size) {
  std::string text = "the classes '";
  text += EscapedForMessage(first);
  text += "' (" + std::to_string(first_size) + " symbols) and '";
  text += EscapedForMessage(second);
  text += "' (" + std::to_string(second_size) + " symbols) are not of the same size";
  return text;
}

}  // namespace search::texts
