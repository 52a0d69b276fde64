#include "search/search_symbol.h"

#include "search/transcription.h"

namespace search {

SearchSymbol MakeSearchSymbol(std::string_view typed, TextEncoding word_list_encoding) {
  SearchSymbol symbol{PadTranscription(typed), std::nullopt};
  if (word_list_encoding == TextEncoding::kUtf8) {
    symbol.Match = symbol.Shown;
  } else if (auto converted = Utf8ToWindows1252(symbol.Shown)) {
    symbol.Match = std::move(*converted);
  }
  return symbol;
}

}  // namespace search
