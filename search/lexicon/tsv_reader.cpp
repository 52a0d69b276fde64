#include "search/lexicon/tsv_reader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <tuple>
#include <utility>
#include <vector>

#include "search/lexicon/lexicon_lines.h"
#include "search/lexicon/lines_in_halves.h"
#include "search/texts/search_error.h"

namespace search::lexicon {
namespace {

// The columns a tsv lexicon may name.
enum Column : std::size_t { kTranscription, kSpelling, kFrequency, kGloss, kColumns };
constexpr std::array<std::string_view, kColumns> kColumnNames = {"transcription", "spelling",
                                                                 "frequency", "gloss"};
constexpr std::size_t kIgnored = kColumns;

// Unquotes the field that starts at `start` in the line, in place, as a
// spreadsheet quotes it: the text between the quotes, "" for each quote, and
// anything after the closing quote as it stands. Returns the field and where
// it ended (at a tab or the line's end).
std::pair<Span, std::size_t> UnquotedField(char* text, std::size_t start, Span line) {
  std::size_t out = start;
  std::size_t in = start + 1;
  for (;;) {
    if (in >= line.end) {
      throw LineFault{line.start,
                      "a quoted field is not closed on its line (a line break inside quotes is "
                      "not read)"};
    }
    if (text[in] == '"') {
      if (in + 1 < line.end && text[in + 1] == '"') {
        text[out++] = '"';
        in += 2;
        continue;
      }
      ++in;
      break;
    }
    text[out++] = text[in++];
  }
  while (in < line.end && text[in] != '\t') text[out++] = text[in++];
  return {Span{start, out}, in};
}

// Calls on_field(index, field) for each field of the line, unquoting those
// that start with a quote.
template <typename OnField>
void ForEachField(char* text, Span line, OnField&& on_field) {
  std::size_t at = line.start;
  for (std::size_t index = 0;; ++index) {
    Span field;
    std::size_t field_end = 0;
    if (at < line.end && text[at] == '"') {
      std::tie(field, field_end) = UnquotedField(text, at, line);
    } else {
      const void* tab = std::memchr(text + at, '\t', line.end - at);
      field_end = tab == nullptr ? line.end
                                 : static_cast<std::size_t>(static_cast<const char*>(tab) - text);
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

// The column of each field of the header line, or kIgnored.
std::vector<std::size_t> ReadHeader(char* text, Span line) {
  const std::string_view view(text, line.end);
  std::vector<std::size_t> header;
  std::array<bool, kColumns> named{};
  ForEachField(text, line, [&](std::size_t /*index*/, Span field) {
    const Span name_span = TrimmedSpan(view, field);
    const std::string name =
        Lowercase(view.substr(name_span.start, name_span.end - name_span.start));
    std::size_t column = kIgnored;
    for (std::size_t known = 0; known < kColumns; ++known) {
      if (name == kColumnNames[known]) column = known;
    }
    if (column != kIgnored) {
      if (named[column]) throw LineFault{line.start, "the column '" + name + "' is named twice"};
      named[column] = true;
    }
    header.push_back(column);
  });
  if (!named[kTranscription]) {
    throw LineFault{line.start,
                    "no column is named 'transcription' (the first line names the columns, "
                    "separated by tabs)"};
  }
  return header;
}

bool Names(const std::vector<std::size_t>& header, Column column) {
  return std::find(header.begin(), header.end(), column) != header.end();
}

// The words of some of the lines, with their columns.
struct Part {
  WordList words;
  WordColumns columns;
};

// Reads the words of the lines after the header, for ReadLinesInHalves.
class BodyReader final {
 public:
  BodyReader(const std::vector<std::size_t>& header, const LexiconReading& reading, char* text,
             std::size_t size)
      : header_(header), reading_(reading), text_(text), view_(text, size) {}

  // A part with room for `lines` words, and a column for each the header names.
  [[nodiscard]] Part Make(std::size_t lines) const {
    Part part;
    part.words.ReserveWords(lines);
    const auto column = [&](std::optional<FieldColumn>& field_column, Column named) {
      if (!Names(header_, named)) return;
      field_column.emplace();
      field_column->Reserve(lines);
    };
    column(part.columns.spelling, kSpelling);
    column(part.columns.frequency, kFrequency);
    column(part.columns.gloss, kGloss);
    return part;
  }
  // Marks the words of the lines in text[from, to) in `part`.
  void Read(std::size_t from, std::size_t to, Part& part) const {
    Lines lines(view_, from, to);
    while (const std::optional<Span> line = lines.Next()) ReadWord(*line, part);
  }
  void Join(Part& earlier, const Part& later) const {
    earlier.words.MarkWordsOf(later.words);
    if (earlier.columns.spelling) earlier.columns.spelling->MarkAllOf(*later.columns.spelling);
    if (earlier.columns.frequency) earlier.columns.frequency->MarkAllOf(*later.columns.frequency);
    if (earlier.columns.gloss) earlier.columns.gloss->MarkAllOf(*later.columns.gloss);
  }

 private:
  void ReadWord(Span line, Part& part) const {
    // Missing fields are empty, at the line's end.
    std::array<Span, kColumns> fields;
    fields.fill(Span{line.end, line.end});
    ForEachField(text_, line, [&](std::size_t index, Span field) {
      if (index >= header_.size()) {
        throw LineFault{line.start, "it has more fields than the first line names (" +
                                        std::to_string(header_.size()) + ")"};
      }
      if (header_[index] != kIgnored) fields[header_[index]] = TrimmedSpan(view_, field);
    });
    if (part.columns.frequency) {
      const Span span = fields[kFrequency];
      const std::string_view typed = view_.substr(span.start, span.end - span.start);
      if (!typed.empty() && !IsFrequency(typed)) {
        throw LineFault{line.start, "the column 'frequency' holds '" + std::string(typed) +
                                        "', which is not a number; write a non-negative "
                                        "decimal number with a point, such as 12 or 3.5"};
      }
      if (reading_.min_frequency &&
          (typed.empty() ? 0.0 : *ParseFrequency(typed)) < reading_.min_frequency->value) {
        return;
      }
      part.columns.frequency->Mark(span.start, span.end);
    }
    // The transcription is taken as a plain line is: its outer spaces do not count.
    part.words.MarkWord(fields[kTranscription].start, fields[kTranscription].end);
    if (part.columns.spelling) {
      part.columns.spelling->Mark(fields[kSpelling].start, fields[kSpelling].end);
    }
    if (part.columns.gloss) part.columns.gloss->Mark(fields[kGloss].start, fields[kGloss].end);
  }

  const std::vector<std::size_t>& header_;
  const LexiconReading& reading_;
  char* text_;
  std::string_view view_;
};

// Reads the header and the words; a fault comes out as a LineFault once no
// thread works on the text any more.
Part ReadParts(const std::string& path, const LexiconReading& reading, kit::TextBuffer& text,
               std::size_t from) {
  const std::string_view view = text.view();
  Lines first_line(view, from, view.size());
  const Span header_line = first_line.Next().value_or(Span{from, from});
  const std::vector<std::size_t> header = ReadHeader(text.data(), header_line);
  if ((reading.min_frequency || reading.needs_frequency) && !Names(header, kFrequency)) {
    throw texts::SearchError("'" + path + "' has no column named 'frequency' to sort or filter by");
  }
  const std::size_t body =
      std::min(view.size(), header_line.end + (view.substr(header_line.end, 2) == "\r\n" ? 2 : 1));
  return ReadLinesInHalves(view, body, BodyReader(header, reading, text.data(), text.size()));
}

}  // namespace

void ReadTsv(const std::string& path, const LexiconReading& reading, kit::TextBuffer& text,
             std::size_t from, WordListFile& list) {
  try {
    Part part = ReadParts(path, reading, text, from);
    list.words = std::move(part.words);
    list.columns = std::move(part.columns);
  } catch (const LineFault& fault) {
    throw texts::SearchError("'" + path + "' line " +
                             std::to_string(LineNumberAt(text.view(), from, fault.line_start)) +
                             ": " + fault.why);
  }
}

}  // namespace search::lexicon
