#include "search/transcription.h"

namespace search {

// A padded symbol starts with a space, the most common character of a word, so
// this looks for the rest of the symbol and then checks the character before.
std::size_t FindSymbol(std::string_view padded_text, std::string_view symbol, std::size_t from) {
  if (symbol.size() < 2) return padded_text.find(symbol, from);
  const std::string_view tail = symbol.substr(1);
  for (auto hit = padded_text.find(tail, from + 1); hit != std::string_view::npos;
       hit = padded_text.find(tail, hit + 1)) {
    if (padded_text[hit - 1] == symbol.front()) return hit - 1;
  }
  return std::string_view::npos;
}

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string PadTranscription(std::string_view text) {
  const std::string_view trimmed = TrimSpaces(text);
  std::string padded;
  padded.reserve(trimmed.size() + 2);
  padded += ' ';
  padded += trimmed;
  padded += ' ';
  return padded;
}

bool ContainsSymbol(std::string_view padded_word, std::string_view padded_symbol) {
  return FindSymbol(padded_word, padded_symbol, 0) != std::string_view::npos;
}

namespace {

// The leftmost `symbol` at or after `from` in a short padded word, by a plain
// scan that looks at the symbol's second byte first: it is the first byte of
// its first symbol, rarer than the space before it. Cheaper than the calls of
// FindSymbol on the few bytes of a word.
std::size_t FindSymbolInShortWord(std::string_view padded_word, std::string_view symbol,
                                  std::size_t from) {
  const std::size_t size = symbol.size();
  for (std::size_t at = from; at + size <= padded_word.size(); ++at) {
    if (padded_word[at + 1] != symbol[1] || padded_word[at] != symbol[0]) continue;
    std::size_t same = 2;  // a byte loop: a call to memcmp costs more for so few
    while (same < size && padded_word[at + same] == symbol[same]) ++same;
    if (same == size) return at;
  }
  return std::string_view::npos;
}

constexpr std::size_t kShortWord = 64;

}  // namespace

void AppendSubstituted(std::string& out, std::string_view padded_word, std::string_view from,
                       std::string_view to) {
  if (from.empty()) {  // nothing to find; guards against an endless scan
    out += padded_word;
    return;
  }
  const bool short_word = padded_word.size() <= kShortWord && from.size() >= 2;
  const auto find = [&](std::size_t at) {
    return short_word ? FindSymbolInShortWord(padded_word, from, at)
                      : FindSymbol(padded_word, from, at);
  };
  std::size_t pos = 0;
  for (auto hit = find(0); hit != std::string_view::npos; hit = find(pos)) {
    out.append(padded_word, pos, hit - pos);
    out += to;
    pos = hit + from.size();
  }
  out.append(padded_word, pos);
}

std::string SubstituteSymbol(std::string_view padded_word, std::string_view from,
                             std::string_view to) {
  std::string result;
  result.reserve(padded_word.size());
  AppendSubstituted(result, padded_word, from, to);
  return result;
}

}  // namespace search
