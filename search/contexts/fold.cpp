#include "search/contexts/fold.h"

#include <cstring>

#include "search/kit/text_buffer.h"

namespace search::contexts {

Fold::Fold(std::string_view chars, texts::TextEncoding encoding) {
  bytes_[static_cast<unsigned char>(' ')] = kSeparator;
  for (std::size_t at = 0; at < chars.size();) {
    char32_t code_point = 0;
    const std::size_t length = texts::DecodeUtf8(chars, at, code_point);
    if (length == 0) throw ContextError("the characters to strip are not UTF-8");
    std::optional<std::string> character(chars.substr(at, length));
    at += length;
    if (encoding == texts::TextEncoding::kWindows1252) {
      character = texts::Utf8ToWindows1252(*character);
    }
    if (!character || *character == " ") continue;
    any_ = true;
    const auto lead = static_cast<unsigned char>(character->front());
    if (character->size() == 1) {
      bytes_[lead] = kStrip;
    } else {
      if (bytes_[lead] == kKeep) bytes_[lead] = kMaybeStrip;
      sequences_.push_back(std::move(*character));
    }
  }
}

char* Fold::FoldInto(std::string_view word, char* out, bool& emptied) const {
  // Every byte is written and kept or not by moving on; a symbol that ends
  // having written nothing from something was emptied and is taken back with
  // the separator written before it.
  const char* in = word.data();
  const char* const end = in + word.size();
  const char* symbol_in = in;
  char* symbol_out = out;
  bool kept_any = false;
  const auto end_symbol = [&] {
    if (out == symbol_out && in != symbol_in) {
      emptied = true;
      if (kept_any) --out;
    } else {
      kept_any = true;
    }
  };
  for (; in != end; ++in) {
    const char byte = *in;
    switch (bytes_[static_cast<unsigned char>(byte)]) {
      case kKeep:
        *out++ = byte;
        break;
      case kStrip:
        break;
      case kSeparator:
        end_symbol();
        if (kept_any) *out++ = ' ';
        symbol_in = in + 1;
        symbol_out = out;
        break;
      case kMaybeStrip: {
        const std::string_view rest(in, static_cast<std::size_t>(end - in));
        bool stripped = false;
        for (const std::string& sequence : sequences_) {
          if (rest.starts_with(sequence)) {
            in += sequence.size() - 1;
            stripped = true;
            break;
          }
        }
        if (!stripped) *out++ = byte;
        break;
      }
    }
  }
  end_symbol();
  return out;
}

std::string Fold::FoldWord(std::string_view word) const {
  std::string folded(word.size(), '\0');
  bool emptied = false;
  folded.resize(static_cast<std::size_t>(FoldInto(word, folded.data(), emptied) - folded.data()));
  return folded;
}

std::optional<std::string> Fold::FoldSymbol(std::string_view padded) const {
  const std::string_view inside = lexicon::TrimSpaces(padded);
  std::string folded(inside.size() + 2, ' ');
  bool emptied = false;
  char* end = FoldInto(inside, folded.data() + 1, emptied);
  if (emptied) return std::nullopt;
  *end++ = ' ';
  folded.resize(static_cast<std::size_t>(end - folded.data()));
  return folded;
}

lexicon::WordList Fold::FoldWords(const lexicon::WordList& words) const {
  lexicon::WordList folded;
  if (words.empty()) return folded;
  // Folded words are no longer than their originals; each ends in a line end.
  std::size_t room = words.size();
  for (std::size_t index = 0; index < words.size(); ++index) room += words.Trimmed(index).size();
  kit::TextBuffer text;
  text.ResizeForOverwrite(room);
  folded.ReserveWords(words.size());
  char* const base = text.data();
  char* out = base;
  bool emptied = false;
  for (std::size_t index = 0; index < words.size(); ++index) {
    char* const start = out;
    out = FoldInto(words.Trimmed(index), out, emptied);
    folded.MarkWord(static_cast<std::size_t>(start - base), static_cast<std::size_t>(out - base));
    *out++ = '\n';
  }
  text.ResizeForOverwrite(static_cast<std::size_t>(out - base));
  folded.AdoptText(std::move(text));
  return folded;
}

}  // namespace search::contexts
