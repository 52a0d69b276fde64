#include "search/lexicon/lexicon_reader.h"

#include <cstddef>
#include <new>
#include <optional>
#include <string_view>
#include <utility>

#include "search/lexicon/lexicon_lines.h"
#include "search/lexicon/segment_inventory.h"
#include "search/lexicon/split_words.h"
#include "search/lexicon/tsv_reader.h"
#include "search/lexicon/wide_text.h"
#include "search/texts/search_error.h"

namespace search::lexicon {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The text of the file, decoded where it is UTF-16 with a byte order mark, and
// where its lines start.
std::pair<kit::TextBuffer, std::size_t> DecodedText(const std::string& path, kit::TextBuffer text) {
  const std::string_view bytes = text.view();
  if (std::optional<kit::TextBuffer> decoded = DecodedUtf16(path, bytes)) {
    return {std::move(*decoded), 0};
  }
  RefuseWideText(path, bytes, true);
  return {std::move(text), bytes.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0};
}

bool IsDigit(char character) { return character >= '0' && character <= '9'; }

// A pronouncing dictionary's lines: "WORD  W ER1 D", "word(2) w er1 d # a note".
void ReadCmudict(std::string_view text, std::size_t from, WordListFile& list) {
  list.columns.spelling.emplace();
  Lines lines(text, from, text.size());
  while (const std::optional<Span> line = lines.Next()) {
    std::string_view content = text.substr(line->start, line->end - line->start);
    if (content.starts_with(";;;")) continue;
    if (const std::size_t note = content.find(" #"); note != std::string_view::npos) {
      content = content.substr(0, note);
    }
    const Span entry = TrimmedSpan(text, Span{line->start, line->start + content.size()});
    if (entry.start == entry.end) continue;
    std::size_t spelling_end = entry.start;
    while (spelling_end < entry.end && text[spelling_end] != ' ' && text[spelling_end] != '\t') {
      ++spelling_end;
    }
    std::size_t transcription = spelling_end;
    while (transcription < entry.end &&
           (text[transcription] == ' ' || text[transcription] == '\t')) {
      ++transcription;
    }
    // A variant's number, "(2)", is not part of its spelling.
    std::size_t spelling_bare = spelling_end;
    if (spelling_end - entry.start >= 3 && text[spelling_end - 1] == ')') {
      std::size_t open = spelling_end - 1;
      while (open > entry.start && IsDigit(text[open - 1])) --open;
      if (open > entry.start && open < spelling_end - 1 && text[open - 1] == '(' &&
          open - 1 > entry.start) {
        spelling_bare = open - 1;
      }
    }
    list.columns.spelling->Mark(entry.start, spelling_bare);
    list.words.MarkWord(transcription, entry.end);
  }
}

WordListFile ReadColumns(const std::string& path, const LexiconReading& reading,
                         const std::function<void()>& before_last_check) {
  auto [text, from] = DecodedText(path, ReadWholeFile(path, before_last_check));
  WordListFile list;
  list.encoding = texts::IsValidUtf8(text.view().substr(from)) ? texts::TextEncoding::kUtf8
                                                               : texts::TextEncoding::kWindows1252;
  // Only a quoted tsv field can hold a tab, and only a cmudict transcription.
  const std::string_view body = text.view().substr(from);
  const bool need_escapes =
      body.find('\\') != std::string_view::npos ||
      body.find(reading.format == LexiconFormat::kTsv ? '"' : '\t') != std::string_view::npos;
  if (reading.format == LexiconFormat::kTsv) {
    ReadTsv(path, reading, text, from, list);
  } else {
    ReadCmudict(text.view(), from, list);
  }
  list.columns.fields_need_escapes = need_escapes;
  list.words.AdoptText(std::move(text));
  return list;
}

WordListFile ReadUnsplit(const std::string& path, const LexiconReading& reading,
                         const std::function<void()>& before_last_check) {
  if (reading.format == LexiconFormat::kPlain) return ReadWordList(path, before_last_check);
  return ReadColumns(path, reading, before_last_check);
}

}  // namespace

WordListFile ReadLexicon(const std::string& path, const LexiconReading& reading,
                         const std::function<void()>& before_last_check) {
  // A faulty segments file shows before a long list is read.
  std::optional<SegmentInventory> inventory;
  if (reading.segments && *reading.segments != kSegmentsByRule) {
    inventory = ReadSegmentsFile(*reading.segments);
  }
  try {
    WordListFile list = ReadUnsplit(path, reading, before_last_check);
    if (reading.segments) {
      SplitWords(list, SegmentSplitter(list.encoding, inventory ? &*inventory : nullptr));
    }
    return list;
  } catch (const std::bad_alloc&) {
    throw texts::SearchError("not enough memory to read '" + path + "'");
  }
}

}  // namespace search::lexicon
