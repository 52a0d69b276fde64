#include "search/lexicon/unspaced_words.h"

#include <cstddef>

#include "search/lexicon/transcription.h"

namespace search::lexicon {
namespace {

constexpr std::string_view kQuestion =
    "; are the symbols separated by spaces? --segments auto splits them";

std::size_t CharacterCount(std::string_view text, texts::TextEncoding encoding) {
  if (encoding == texts::TextEncoding::kWindows1252) return text.size();
  std::size_t count = 0;
  for (const char byte : text) count += static_cast<std::size_t>((byte & 0xC0) != 0x80);
  return count;
}

bool IsOneLongSymbol(std::string_view word, texts::TextEncoding encoding) {
  return word.find(' ') == std::string_view::npos && CharacterCount(word, encoding) >= 2;
}

// The first line that is one long symbol, if most lines are.
std::optional<std::string_view> MostlyLongSymbols(const WordList& words,
                                                  texts::TextEncoding encoding) {
  std::size_t lines = 0;
  std::size_t long_symbols = 0;
  std::optional<std::string_view> first;
  for (std::size_t word = 0; word < words.size(); ++word) {
    const std::string_view text = words.Trimmed(word);
    if (text.empty()) continue;
    ++lines;
    if (!IsOneLongSymbol(text, encoding)) continue;
    ++long_symbols;
    if (!first) first = text;
  }
  if (2 * long_symbols <= lines) return std::nullopt;
  return first;
}

std::string InUtf8(std::string_view text, texts::TextEncoding encoding) {
  return encoding == texts::TextEncoding::kWindows1252 ? texts::Windows1252ToUtf8(text)
                                                       : std::string(text);
}

}  // namespace

bool MostLinesAreOneLongSymbol(const WordList& words, texts::TextEncoding encoding) {
  return MostlyLongSymbols(words, encoding).has_value();
}

std::optional<std::string> UnspacedSymbolNote(std::string_view typed, const WordList& words,
                                              texts::TextEncoding encoding) {
  const std::string_view symbol_utf8 = TrimSpaces(typed);
  if (symbol_utf8.empty() || symbol_utf8.find(' ') != std::string_view::npos) return std::nullopt;
  std::string symbol(symbol_utf8);
  if (encoding == texts::TextEncoding::kWindows1252) {
    std::optional<std::string> bytes = texts::Utf8ToWindows1252(symbol);
    if (!bytes) return std::nullopt;
    symbol = std::move(*bytes);
  }
  std::size_t holding = 0;
  std::string_view example;
  for (std::size_t word = 0; word < words.size(); ++word) {
    std::string_view rest = words.Trimmed(word);
    if (rest.find(symbol) == std::string_view::npos) continue;
    while (!rest.empty()) {
      const std::size_t end = std::min(rest.find(' '), rest.size());
      const std::string_view part = rest.substr(0, end);
      if (part.size() > symbol.size() && part.find(symbol) != std::string_view::npos) {
        if (holding++ == 0) example = part;
      }
      rest.remove_prefix(end);
      rest = TrimSpaces(rest);
    }
  }
  if (holding == 0 || !MostLinesAreOneLongSymbol(words, encoding)) return std::nullopt;
  std::string note = "no word has '";
  note += symbol_utf8;
  note += "' as a symbol, but ";
  note += std::to_string(holding);
  note += holding == 1 ? " symbol holds it (such as '" : " symbols hold it (such as '";
  note += InUtf8(example, encoding);
  note += "')";
  note += kQuestion;
  return note;
}

std::optional<std::string> UnspacedListNote(const WordList& words, texts::TextEncoding encoding) {
  const std::optional<std::string_view> example = MostlyLongSymbols(words, encoding);
  if (!example) return std::nullopt;
  std::string note = "most lines of the list are one symbol of several characters (such as '";
  note += InUtf8(*example, encoding);
  note += "')";
  note += kQuestion;
  return note;
}

}  // namespace search::lexicon
