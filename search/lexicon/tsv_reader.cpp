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

// The columns a tsv lexicon may name: its roles, in ColumnRole's order.
enum Column : std::size_t { kTranscription, kSpelling, kFrequency, kGloss, kColumns };
static_assert(kColumns == kColumnRoles);
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

// The column of each field of a headerless table, as --columns lists them.
std::vector<std::size_t> ListedColumns(const LexiconReading& reading) {
  std::vector<std::size_t> header;
  for (const ColumnChoice& choice : reading.columns) {
    header.push_back(choice.role ? static_cast<std::size_t>(*choice.role) : kIgnored);
  }
  return header;
}

// The names of the header line's fields, trimmed.
std::vector<std::string> HeaderNames(char* text, Span line) {
  const std::string_view view(text, line.end);
  std::vector<std::string> names;
  ForEachField(text, line, [&](std::size_t /*index*/, Span field) {
    const Span name = TrimmedSpan(view, field);
    names.emplace_back(view.substr(name.start, name.end - name.start));
  });
  return names;
}

// The fields of the first lines of text[body, size), at most kSampleLines, as
// tabs split them: enough to tell which column holds transcriptions.
std::vector<std::vector<std::string_view>> SampleRows(std::string_view text, std::size_t body) {
  constexpr std::size_t kSampleLines = 200;
  std::vector<std::vector<std::string_view>> rows;
  Lines lines(text, body, text.size());
  while (rows.size() < kSampleLines) {
    const std::optional<Span> line = lines.Next();
    if (!line) break;
    std::string_view rest = text.substr(line->start, line->end - line->start);
    std::vector<std::string_view>& row = rows.emplace_back();
    for (std::size_t tab = rest.find('\t');; tab = rest.find('\t')) {
      row.push_back(rest.substr(0, tab));
      if (tab == std::string_view::npos) break;
      rest.remove_prefix(tab + 1);
    }
  }
  return rows;
}

std::string QuotedList(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) {
    if (!list.empty()) list += ", ";
    ((list += '\'') += name) += '\'';
  }
  return list;
}

// Where no column holds the transcriptions: what the columns are, and the
// --columns that would name the likeliest one.
std::string NoTranscriptionFault(const std::vector<std::string>& names, std::string_view text,
                                 std::size_t body) {
  if (names.size() < 2) {
    return "no column is named 'transcription' (the first line names the columns, separated by "
           "tabs)";
  }
  std::string why = "no column is named 'transcription'; the columns are " + QuotedList(names);
  const std::optional<std::size_t> likeliest =
      LikeliestTranscriptionColumn(names, SampleRows(text, body));
  if (likeliest && !names[*likeliest].empty()) {
    why += ": name the transcription column with --columns transcription=" + names[*likeliest];
  }
  return why;
}

// The column of each field of the header line, or kIgnored: each role is the
// column --columns names for it, else the column of the role's own name
// unless --columns named that column for another role.
std::vector<std::size_t> ReadHeader(char* text, std::size_t size, Span line, std::size_t body,
                                    const LexiconReading& reading) {
  const std::vector<std::string> names = HeaderNames(text, line);
  std::array<std::string, kColumns> chosen;  // the keys --columns gives
  for (const ColumnChoice& choice : reading.columns) {
    if (choice.role) chosen[static_cast<std::size_t>(*choice.role)] = HeaderKey(choice.name);
  }
  std::vector<std::size_t> header;
  std::array<bool, kColumns> named{};
  for (const std::string& name : names) {
    const std::string key = HeaderKey(name);
    std::size_t column = kIgnored;
    for (std::size_t role = 0; role < kColumns && column == kIgnored; ++role) {
      if (!chosen[role].empty() && key == chosen[role]) column = role;
    }
    for (std::size_t role = 0; role < kColumns && column == kIgnored; ++role) {
      if (chosen[role].empty() && key == kColumnRoleNames[role]) column = role;
    }
    if (column != kIgnored) {
      if (named[column]) throw LineFault{line.start, "the column '" + key + "' is named twice"};
      named[column] = true;
    }
    header.push_back(column);
  }
  for (const ColumnChoice& choice : reading.columns) {
    if (!choice.role || named[static_cast<std::size_t>(*choice.role)]) continue;
    throw LineFault{line.start, "no column is named '" + choice.name + "' (--columns " +
                                    std::string(NameOf(*choice.role)) + "=" + choice.name +
                                    "); the columns are " + QuotedList(names)};
  }
  if (!named[kTranscription]) {
    throw LineFault{line.start, NoTranscriptionFault(names, std::string_view(text, size), body)};
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
  BodyReader(std::vector<std::size_t> header, const LexiconReading& reading, char* text,
             std::size_t size)
      : header_(std::move(header)), reading_(reading), text_(text), view_(text, size) {}

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
        throw LineFault{line.start,
                        std::string(reading_.no_header ? "it has more fields than --columns lists ("
                                                       : "it has more fields than the first line "
                                                         "names (") +
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

  std::vector<std::size_t> header_;
  const LexiconReading& reading_;
  char* text_;
  std::string_view view_;
};

// Reads the header and the words; a fault comes out as a LineFault once no
// thread works on the text any more.
Part ReadParts(const std::string& path, const LexiconReading& reading, kit::TextBuffer& text,
               std::size_t from) {
  const std::string_view view = text.view();
  if (reading.no_header) {
    return ReadLinesInHalves(view, from,
                             BodyReader(ListedColumns(reading), reading, text.data(), text.size()));
  }
  Lines first_line(view, from, view.size());
  const Span header_line = first_line.Next().value_or(Span{from, from});
  const std::size_t body =
      std::min(view.size(), header_line.end + (view.substr(header_line.end, 2) == "\r\n" ? 2 : 1));
  const std::vector<std::size_t> header =
      ReadHeader(text.data(), text.size(), header_line, body, reading);
  if ((reading.min_frequency || reading.needs_frequency) && !Names(header, kFrequency)) {
    throw texts::SearchError("'" + path + "' has no column named 'frequency' to sort or filter by");
  }
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
