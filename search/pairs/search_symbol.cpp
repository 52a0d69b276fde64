#include "search/pairs/search_symbol.h"

#include "search/lexicon/transcription.h"

namespace search::pairs {

SearchSymbol MakeSearchSymbol(std::string_view typed, texts::TextEncoding word_list_encoding) {
  SearchSymbol symbol{lexicon::PadTranscription(typed), std::nullopt};
  if (word_list_encoding == texts::TextEncoding::kUtf8) {
    symbol.Match = symbol.Shown;
  } else if (auto converted = texts::Utf8ToWindows1252(symbol.Shown)) {
    symbol.Match = std::move(*converted);
  }
  return symbol;
}

}  // namespace search::pairs
