#include "search/lexicon/transcription.h"

namespace search::lexicon {

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

void AppendSubstituted(std::string& out, std::string_view padded_word, std::string_view from,
                       std::string_view to) {
  std::size_t copied = 0;  // padded_word[0, copied) is in `out`
  for (std::size_t match = from.empty() ? std::string_view::npos : padded_word.find(from);
       match != std::string_view::npos; match = padded_word.find(from, copied)) {
    out += padded_word.substr(copied, match - copied);
    out += to;
    copied = match + from.size();  // the scan goes on after the match
  }
  out += padded_word.substr(copied);
}

std::string SubstituteSymbol(std::string_view padded_word, std::string_view from,
                             std::string_view to) {
  std::string result;
  result.reserve(padded_word.size());
  AppendSubstituted(result, padded_word, from, to);
  return result;
}

}  // namespace search::lexicon
