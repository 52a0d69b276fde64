#include "search/lexicon/transcription.h"

#include <array>
#include <cstring>

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

namespace {

constexpr std::size_t kShortWord = 64;
constexpr std::size_t kShortResult = 1024;

// AppendSubstituted for a word of a few bytes, whose result fits kShortResult:
// memchr finds the places of the symbol's second byte (the first byte of its
// first symbol, rarer than the space before it), and the pieces between are
// copied whole. Millions of words are substituted in a large search, where a
// call per piece to find, compare and append costs more than the bytes.
void AppendSubstitutedShort(std::string& out, std::string_view padded_word, std::string_view from,
                            std::string_view to) {
  std::array<char, kShortResult> result;
  std::size_t size = 0;
  const auto put = [&](const char* bytes, std::size_t count) {
    if (count != 0) std::memcpy(result.data() + size, bytes, count);
    size += count;
  };
  std::size_t copied = 0;  // padded_word[0, copied) is in result
  std::size_t look = 1;    // where to look for from[1] next
  while (look < padded_word.size()) {
    const void* found = std::memchr(padded_word.data() + look, from[1], padded_word.size() - look);
    if (found == nullptr) break;
    const auto at =
        static_cast<std::size_t>(static_cast<const char*>(found) - padded_word.data()) - 1;
    look = at + 2;
    if (at + from.size() > padded_word.size()) break;
    std::size_t same = 0;
    while (same < from.size() && padded_word[at + same] == from[same]) ++same;
    if (same != from.size()) continue;
    put(padded_word.data() + copied, at - copied);
    put(to.data(), to.size());
    copied = at + from.size();
    look = copied + 1;
  }
  put(padded_word.data() + copied, padded_word.size() - copied);
  out.append(result.data(), size);
}

}  // namespace

void AppendSubstituted(std::string& out, std::string_view padded_word, std::string_view from,
                       std::string_view to) {
  if (from.empty()) {  // nothing to find; guards against an endless scan
    out += padded_word;
    return;
  }
  // Matches do not overlap, so there are at most size / from.size() of them.
  if (from.size() >= 2 && padded_word.size() <= kShortWord &&
      padded_word.size() + padded_word.size() / from.size() * to.size() <= kShortResult) {
    AppendSubstitutedShort(out, padded_word, from, to);
    return;
  }
  std::size_t pos = 0;
  for (auto hit = FindSymbol(padded_word, from, 0); hit != std::string_view::npos;
       hit = FindSymbol(padded_word, from, pos)) {
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

}  // namespace search::lexicon
