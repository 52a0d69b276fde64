#include "search/lexicon/segment_inventory.h"

#include <algorithm>

#include "search/lexicon/word_list_reader.h"
#include "search/texts/encoding.h"
#include "search/texts/search_error.h"

namespace search::lexicon {
namespace {

constexpr std::string_view kBlanks = " \t";

// Takes the first line off `text`; CR LF, LF and CR each end one.
std::string_view TakeLine(std::string_view& text) {
  const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
  const std::string_view line = text.substr(0, end);
  text.remove_prefix(end);
  text.remove_prefix(text.starts_with("\r\n") ? 2 : std::min<std::size_t>(text.size(), 1));
  return line;
}

std::string_view TrimBlanks(std::string_view line) {
  const std::size_t first = line.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

SegmentInventory SegmentsFromText(std::string_view text, const std::string& path) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  SegmentInventory inventory;
  for (std::size_t number = 1; !text.empty(); ++number) {
    const std::string_view line = TakeLine(text);
    const auto fail = [&](std::string_view reason) {
      std::string message = "'" + path + "' line " + std::to_string(number) + ": ";
      message += reason;
      throw texts::SearchError(message);
    };
    if (!texts::IsValidUtf8(line)) fail("not UTF-8");
    const std::string_view symbol = TrimBlanks(line);
    if (symbol.empty()) continue;
    if (symbol.find(' ') != std::string_view::npos) {
      fail("'" + std::string(symbol) + "' holds a space; write one symbol a line");
    }
    if (symbol.find('\t') != std::string_view::npos) {
      fail("'" + std::string(symbol) + "' holds a tab; write one symbol a line");
    }
    inventory.symbols.emplace_back(symbol);
  }
  if (inventory.symbols.empty()) throw texts::SearchError("'" + path + "': no symbols");
  return inventory;
}

SegmentInventory ReadSegmentsFile(const std::string& path) {
  const kit::TextBuffer text = ReadWholeFile(path, {});
  if (const auto wide = texts::WideEncodingName(text.view())) {
    throw texts::SearchError("cannot read '" + path + "': it is " + std::string(*wide) +
                             " text; save it as UTF-8 and try again");
  }
  return SegmentsFromText(text.view(), path);
}

}  // namespace search::lexicon
