#include "search/pairs/place_positions.h"

namespace search::pairs {
namespace {

bool HasSymbol(std::string_view text) { return text.find_first_not_of(' ') != text.npos; }

}  // namespace

std::string_view PlacePosition(std::string_view word, std::size_t begin, std::size_t end) {
  if (!HasSymbol(word.substr(0, begin))) return "initial";
  if (!HasSymbol(word.substr(end))) return "final";
  return "medial";
}

void AppendPlacePosition(std::string& positions, std::string_view word, std::size_t begin,
                         std::size_t end) {
  if (!positions.empty()) positions += '+';
  positions += PlacePosition(word, begin, end);
}

void AppendReplacedPositions(std::string& out, std::string_view padded_word,
                             std::string_view padded_symbol) {
  if (padded_symbol.empty()) return;
  const char* joint = "";
  // As lexicon::AppendSubstituted scans: the next match starts after this one.
  for (std::size_t match = padded_word.find(padded_symbol); match != std::string_view::npos;
       match = padded_word.find(padded_symbol, match + padded_symbol.size())) {
    out += joint;
    out += PlacePosition(padded_word, match, match + padded_symbol.size());
    joint = "+";
  }
}

}  // namespace search::pairs
