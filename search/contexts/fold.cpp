#include "search/contexts/fold.h"

#include <cstring>

#include "search/kit/run_ahead.h"
#include "search/kit/text_buffer.h"

namespace search::contexts {
namespace {

// Lists from this many words on are folded in two halves at once.
constexpr std::size_t kSplitFromWords = 1024;

}  // namespace

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
  for (std::size_t byte = 0; byte < bytes_.size(); ++byte) {
    static constexpr std::array<std::uint8_t, 4> kQuick = {
        kQuickKept, kQuickKept | kQuickSpace, kQuickStripped, kQuickKept | kQuickMaybe};
    quick_[byte] = kQuick[bytes_[byte]];
  }
}

char* Fold::FoldQuickly(std::string_view word, char* out) const {
  // Without a branch per byte: every byte is written and kept by moving on.
  // A stripped byte just after a space (the word's start counts as one)
  // starts a symbol that the fold may empty, as may a character of more
  // than one byte; either leaves the word to FoldInto.
  unsigned doubts = 0;
  unsigned previous = kQuickSpace;
  for (const char byte : word) {
    const unsigned bits = quick_[static_cast<unsigned char>(byte)];
    *out = byte;
    out += bits & kQuickKept;
    doubts |= bits & ((previous << 1) | kQuickMaybe);
    previous = bits;
  }
  return (doubts & (kQuickStripped | kQuickMaybe)) != 0 ? nullptr : out;
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
  // Folded words are no longer than their originals; each ends in a line
  // end. The later half of a long list is folded at once into the room after
  // the earlier half's, its marks joined after the earlier's.
  const std::size_t count = words.size();
  const std::size_t half = count < kSplitFromWords ? count : count / 2;
  const auto room_for = [&](std::size_t begin, std::size_t end) {
    std::size_t room = end - begin;
    for (std::size_t index = begin; index < end; ++index) room += words.Trimmed(index).size();
    return room;
  };
  const std::size_t earlier_room = room_for(0, half);
  kit::TextBuffer text;
  text.ResizeForOverwrite(earlier_room + room_for(half, count));
  lexicon::WordList folded;
  folded.ReserveWords(count);
  lexicon::WordList later;
  later.ReserveWords(count - half);
  char* const base = text.data();
  char* ends[2] = {base, base + earlier_room};
  kit::InTwoHalves(count, kSplitFromWords, [&](std::size_t begin, std::size_t end) {
    lexicon::WordList& marks = begin == 0 ? folded : later;
    char*& out = ends[begin == 0 ? 0 : 1];
    bool emptied = false;
    for (std::size_t index = begin; index < end; ++index) {
      char* const start = out;
      const std::string_view word = words.Trimmed(index);
      out = FoldQuickly(word, start);
      if (out == nullptr) out = FoldInto(word, start, emptied);
      marks.MarkWord(static_cast<std::size_t>(start - base), static_cast<std::size_t>(out - base));
      *out++ = '\n';
    }
  });
  // What the earlier half left of its room holds line ends, not stray bytes.
  if (half < count) {
    std::memset(ends[0], '\n', static_cast<std::size_t>(base + earlier_room - ends[0]));
  }
  folded.MarkWordsOf(later);
  text.ResizeForOverwrite(static_cast<std::size_t>((half < count ? ends[1] : ends[0]) - base));
  folded.AdoptText(std::move(text));
  return folded;
}

}  // namespace search::contexts
