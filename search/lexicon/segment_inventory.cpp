#include "search/lexicon/segment_inventory.h"

#include <algorithm>
#include <initializer_list>

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

// Raises "'PATH' line N: " and the parts. Built by appending: GCC 12 takes
// some concatenations of strings for overlapping copies.
[[noreturn]] void FailOnLine(const std::string& path, std::size_t number,
                             std::initializer_list<std::string_view> parts) {
  std::string message = "'";
  message += path;
  message += "' line ";
  message += std::to_string(number);
  message += ": ";
  for (const std::string_view part : parts) message += part;
  throw texts::SearchError(message);
}

}  // namespace

SegmentInventory SegmentsFromText(std::string_view text, const std::string& path) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  SegmentInventory inventory;
  for (std::size_t number = 1; !text.empty(); ++number) {
    const std::string_view line = TakeLine(text);
    if (!texts::IsValidUtf8(line)) FailOnLine(path, number, {"not UTF-8"});
    const std::string_view symbol = TrimBlanks(line);
    if (symbol.empty()) continue;
    if (const std::size_t blank = symbol.find_first_of(kBlanks); blank != std::string_view::npos) {
      FailOnLine(path, number,
                 {"'", symbol, symbol[blank] == ' ' ? "' holds a space" : "' holds a tab",
                  "; write one symbol a line"});
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
