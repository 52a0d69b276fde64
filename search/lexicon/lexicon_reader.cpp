#include "search/lexicon/lexicon_reader.h"

#include <array>
#include <cstddef>
#include <new>
#include <optional>
#include <string_view>
#include <utility>

#include "search/lexicon/transcription.h"
#include "search/texts/search_error.h"

namespace search::lexicon {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// A stretch [start, end) of the text.
struct Span {
  std::size_t start = 0;
  std::size_t end = 0;
};

// The lines of text[from, size), ending at CR LF, CR or LF as in a plain list.
class Lines final {
 public:
  Lines(std::string_view text, std::size_t from) : text_(text), next_(from) {}
  // The next line, or none at the end; counts the lines.
  std::optional<Span> Next() {
    if (next_ >= text_.size()) return std::nullopt;
    const std::size_t start = next_;
    std::size_t end = start;
    while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r') ++end;
    next_ = end + 1;
    if (end + 1 < text_.size() && text_[end] == '\r' && text_[end + 1] == '\n') ++next_;
    ++number_;
    return Span{start, end};
  }
  [[nodiscard]] std::size_t number() const { return number_; }

 private:
  std::string_view text_;
  std::size_t next_;
  std::size_t number_ = 0;
};

Span TrimmedSpan(std::string_view text, Span span) {
  while (span.start < span.end && text[span.start] == ' ') ++span.start;
  while (span.end > span.start && text[span.end - 1] == ' ') --span.end;
  return span;
}

[[noreturn]] void FailAtLine(const std::string& path, std::size_t line, const std::string& why) {
  throw texts::SearchError("'" + path + "' line " + std::to_string(line) + ": " + why);
}

// The text of the file, decoded where it is UTF-16 with a byte order mark, and
// where its lines start.
std::pair<kit::TextBuffer, std::size_t> DecodedText(const std::string& path, kit::TextBuffer text,
                                                    bool utf16_allowed) {
  const std::string_view bytes = text.view();
  const bool little =
      bytes.starts_with("\xFF\xFE") && !bytes.starts_with(std::string_view("\xFF\xFE\0\0", 4));
  const bool big = bytes.starts_with("\xFE\xFF");
  if (utf16_allowed && (little || big)) {
    const std::optional<std::string> utf8 = texts::Utf16ToUtf8(bytes.substr(2), big);
    if (!utf8) throw texts::SearchError("cannot read '" + path + "': it is not valid UTF-16 text");
    kit::TextBuffer decoded;
    decoded.Reserve(utf8->size() + 1);
    decoded.Append(*utf8);
    return {std::move(decoded), 0};
  }
  if (const auto wide = texts::WideEncodingName(bytes)) {
    throw texts::SearchError("cannot read '" + path + "': it is " + std::string(*wide) +
                             " text without a byte order mark; save it as UTF-8 and try again");
  }
  return {std::move(text), bytes.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0};
}

// The columns a tsv lexicon may name, in the order its tables show them.
enum Column : std::size_t { kTranscription, kSpelling, kFrequency, kGloss, kColumns };
constexpr std::array<std::string_view, kColumns> kColumnNames = {"transcription", "spelling",
                                                                 "frequency", "gloss"};
constexpr std::size_t kIgnored = kColumns;

// Unquotes the field that starts at `start` in its line, in place, as a
// spreadsheet quotes it: the text between the quotes, "" for each quote, and
// anything after the closing quote as it stands. Returns the field and where
// it ended in the line (at a tab or the line's end).
std::pair<Span, std::size_t> UnquotedField(char* text, std::size_t start, std::size_t line_end,
                                           const std::string& path, std::size_t line) {
  std::size_t out = start;
  std::size_t in = start + 1;
  for (;;) {
    if (in >= line_end) {
      FailAtLine(path, line,
                 "a quoted field is not closed on its line (a line break inside quotes is not "
                 "read)");
    }
    if (text[in] == '"') {
      if (in + 1 < line_end && text[in + 1] == '"') {
        text[out++] = '"';
        in += 2;
        continue;
      }
      ++in;
      break;
    }
    text[out++] = text[in++];
  }
  while (in < line_end && text[in] != '\t') text[out++] = text[in++];
  return {Span{start, out}, in};
}

// Splits the line into its fields, unquoting those that start with a quote.
template <typename OnField>
void ForEachField(char* text, Span line, const std::string& path, std::size_t line_number,
                  OnField&& on_field) {
  std::size_t at = line.start;
  for (std::size_t index = 0;; ++index) {
    Span field;
    std::size_t field_end = 0;
    if (at < line.end && text[at] == '"') {
      std::tie(field, field_end) = UnquotedField(text, at, line.end, path, line_number);
    } else {
      field_end = at;
      while (field_end < line.end && text[field_end] != '\t') ++field_end;
      field = Span{at, field_end};
    }
    on_field(index, field);
    if (field_end >= line.end) return;
    at = field_end + 1;
  }
}

std::string Lowercase(std::string_view text) {
  std::string lower(text);
  for (char& character : lower) {
    if (character >= 'A' && character <= 'Z') character = static_cast<char>(character - 'A' + 'a');
  }
  return lower;
}

class TsvReader final {
 public:
  TsvReader(const std::string& path, const LexiconReading& reading, char* text, std::size_t size)
      : path_(path), reading_(reading), text_(text), view_(text, size) {}

  void Read(std::size_t from, WordListFile& list) {
    Lines lines(view_, from);
    ReadHeader(lines.Next().value_or(Span{from, from}), list.columns);
    while (const std::optional<Span> line = lines.Next()) ReadWord(*line, lines.number(), list);
  }

 private:
  void ReadHeader(Span line, WordColumns& columns) {
    std::array<bool, kColumns> named{};
    ForEachField(text_, line, path_, 1, [&](std::size_t index, Span field) {
      const Span name_span = TrimmedSpan(view_, field);
      const std::string name =
          Lowercase(view_.substr(name_span.start, name_span.end - name_span.start));
      std::size_t column = kIgnored;
      for (std::size_t known = 0; known < kColumns; ++known) {
        if (name == kColumnNames[known]) column = known;
      }
      if (column != kIgnored) {
        if (named[column]) FailAtLine(path_, 1, "the column '" + name + "' is named twice");
        named[column] = true;
      }
      header_.push_back(column);
      (void)index;
    });
    if (!named[kTranscription]) {
      FailAtLine(path_, 1,
                 "no column is named 'transcription' (the first line names the columns, "
                 "separated by tabs)");
    }
    if ((reading_.min_frequency || reading_.needs_frequency) && !named[kFrequency]) {
      throw texts::SearchError("'" + path_ +
                               "' has no column named 'frequency' to sort or filter by");
    }
    if (named[kSpelling]) columns.spelling.emplace();
    if (named[kFrequency]) columns.frequency.emplace();
    if (named[kGloss]) columns.gloss.emplace();
  }

  void ReadWord(Span line, std::size_t line_number, WordListFile& list) {
    // Missing fields are empty, at the line's end.
    std::array<Span, kColumns> fields;
    fields.fill(Span{line.end, line.end});
    ForEachField(text_, line, path_, line_number, [&](std::size_t index, Span field) {
      if (index >= header_.size()) {
        FailAtLine(path_, line_number,
                   "it has more fields than the first line names (" +
                       std::to_string(header_.size()) + ")");
      }
      if (header_[index] != kIgnored) fields[header_[index]] = TrimmedSpan(view_, field);
    });
    if (list.columns.frequency) {
      const Span span = fields[kFrequency];
      const std::string_view typed = view_.substr(span.start, span.end - span.start);
      const std::optional<double> frequency = typed.empty() ? 0.0 : ParseFrequency(typed);
      if (!frequency) {
        FailAtLine(path_, line_number,
                   "the column 'frequency' holds '" + std::string(typed) +
                       "', which is not a number; write a non-negative decimal number with a "
                       "point, such as 12 or 3.5");
      }
      if (reading_.min_frequency && *frequency < reading_.min_frequency->value) return;
      list.columns.frequency->Mark(span.start, span.end);
    }
    // The transcription is taken as a plain line is: its outer spaces do not count.
    list.words.MarkWord(fields[kTranscription].start, fields[kTranscription].end);
    if (list.columns.spelling)
      list.columns.spelling->Mark(fields[kSpelling].start, fields[kSpelling].end);
    if (list.columns.gloss) list.columns.gloss->Mark(fields[kGloss].start, fields[kGloss].end);
  }

  const std::string& path_;
  const LexiconReading& reading_;
  char* text_;
  std::string_view view_;
  std::vector<std::size_t> header_;  // the column of each field, or kIgnored
};

bool IsDigit(char character) { return character >= '0' && character <= '9'; }

// A pronouncing dictionary's lines: "WORD  W ER1 D", "word(2) w er1 d # a note".
void ReadCmudict(std::string_view text, std::size_t from, WordListFile& list) {
  list.columns.spelling.emplace();
  Lines lines(text, from);
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
  auto [text, from] = DecodedText(path, ReadWholeFile(path, before_last_check),
                                  reading.format == LexiconFormat::kTsv);
  WordListFile list;
  list.encoding = texts::IsValidUtf8(text.view().substr(from)) ? texts::TextEncoding::kUtf8
                                                               : texts::TextEncoding::kWindows1252;
  if (reading.format == LexiconFormat::kTsv) {
    TsvReader(path, reading, text.data(), text.size()).Read(from, list);
  } else {
    ReadCmudict(text.view(), from, list);
  }
  list.words.AdoptText(std::move(text));
  return list;
}

}  // namespace

WordListFile ReadLexicon(const std::string& path, const LexiconReading& reading,
                         const std::function<void()>& before_last_check) {
  if (reading.format == LexiconFormat::kPlain) return ReadWordList(path, before_last_check);
  try {
    return ReadColumns(path, reading, before_last_check);
  } catch (const std::bad_alloc&) {
    throw texts::SearchError("not enough memory to read '" + path + "'");
  }
}

}  // namespace search::lexicon
