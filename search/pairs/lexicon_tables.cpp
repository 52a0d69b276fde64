#include "search/pairs/lexicon_tables.h"

#include <algorithm>
#include <string>
#include <utility>

#include "search/lexicon/lexicon_format.h"
#include "search/lexicon/transcription.h"
#include "search/pairs/place_positions.h"
#include "search/texts/tsv_field.h"

namespace search::pairs {
namespace {

void AppendShown(std::string& line, const LexiconView& lexicon, std::string_view bytes) {
  if (lexicon.encoding != texts::TextEncoding::kUtf8) {
    texts::AppendTsvField(line, texts::Windows1252ToUtf8(bytes));
  } else if (lexicon.columns.fields_need_escapes) {
    texts::AppendTsvField(line, bytes);
  } else {
    line += bytes;
  }
}

// Appends the header cells of the lexicon's columns, each name after `prefix`.
void AppendHeader(std::string& line, const LexiconView& lexicon, std::string_view prefix) {
  const auto cell = [&](std::string_view name) {
    if (!line.empty()) line += '\t';
    line += prefix;
    line += name;
  };
  if (lexicon.columns.spelling) cell("spelling");
  cell("transcription");
  if (lexicon.columns.frequency) cell("frequency");
  if (lexicon.columns.gloss) cell("gloss");
}

// Appends the cells of the word at `position`.
void AppendWord(std::string& line, const LexiconView& lexicon, std::int32_t position) {
  const std::string_view text = lexicon.words.Text();
  bool first_cell = line.empty();
  const auto cell = [&](std::string_view bytes) {
    if (!first_cell) line += '\t';
    first_cell = false;
    AppendShown(line, lexicon, bytes);
  };
  if (lexicon.columns.spelling) cell(lexicon.columns.spelling->Of(text, position));
  cell(lexicon.words.Trimmed(position));
  if (lexicon.columns.frequency) cell(lexicon.columns.frequency->Of(text, position));
  if (lexicon.columns.gloss) cell(lexicon.columns.gloss->Of(text, position));
}

// Fields were checked when the lexicon was read; an empty one is 0.
double FrequencyOf(const LexiconView& lexicon, std::int32_t position) {
  const std::string_view typed = lexicon.columns.frequency->Of(lexicon.words.Text(), position);
  return typed.empty() ? 0.0 : lexicon::ParseFrequency(typed).value_or(0.0);
}

// With `by_frequency`, orders the rows by the smaller of their two words'
// frequencies, highest first, ties in the given order.
template <typename Row, typename PairOf>
void SortByLowerFrequency(const LexiconView& lexicon, std::vector<Row>& rows, bool by_frequency,
                          PairOf&& pair_of) {
  if (!by_frequency || !lexicon.columns.frequency) return;
  std::vector<double> lower(rows.size());
  for (std::size_t row = 0; row < rows.size(); ++row) {
    const PairRow pair = pair_of(rows[row]);
    lower[row] = std::min(FrequencyOf(lexicon, pair.first), FrequencyOf(lexicon, pair.second));
  }
  std::vector<std::size_t> order(rows.size());
  for (std::size_t row = 0; row < order.size(); ++row) order[row] = row;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return lower[a] > lower[b]; });
  std::vector<Row> sorted;
  sorted.reserve(rows.size());
  for (const std::size_t row : order) sorted.push_back(std::move(rows[row]));
  rows = std::move(sorted);
}

// Where a pair's words differ: the frame, as matched, and the positions.
struct PairPlaces {
  std::string_view frame;
  std::string_view positions;
};

// Writes the row of a pair: both words' cells, the frame, the positions, then `more`.
void WriteRow(os::OutputFile& file, const LexiconView& lexicon, const PairRow& pair,
              const PairPlaces& places, std::string_view more, std::string& line) {
  line.clear();
  AppendWord(line, lexicon, pair.first);
  AppendWord(line, lexicon, pair.second);
  line += '\t';
  AppendShown(line, lexicon, places.frame);
  line += '\t';
  line += places.positions;
  line += more;
  file.WriteLine(line);
}

}  // namespace

void WriteWordTable(os::OutputFile& file, const LexiconView& lexicon,
                    std::span<const std::int32_t> positions) {
  std::string line;
  AppendHeader(line, lexicon, "");
  file.WriteLine(line);
  for (const std::int32_t position : positions) {
    line.clear();
    AppendWord(line, lexicon, position);
    file.WriteLine(line);
  }
  file.Close();
}

void WritePairTable(os::OutputFile& file, const LexiconView& lexicon, std::vector<PairRow> pairs,
                    const ReplacedPlaces& replaced, bool by_frequency) {
  WritePairTableHeader(file, lexicon, {});
  WritePairTableRows(file, lexicon, std::move(pairs), replaced, by_frequency, {});
  file.Close();
}

void WritePairTableHeader(os::OutputFile& file, const LexiconView& lexicon, std::string_view more) {
  std::string line;
  AppendHeader(line, lexicon, "first ");
  AppendHeader(line, lexicon, "second ");
  line += "\tframe\tposition";
  line += more;
  file.WriteLine(line);
}

void WritePairTableRows(os::OutputFile& file, const LexiconView& lexicon,
                        std::vector<PairRow> pairs, const ReplacedPlaces& replaced,
                        bool by_frequency, std::string_view more) {
  SortByLowerFrequency(lexicon, pairs, by_frequency, [](const PairRow& row) { return row; });
  std::string line;
  std::string padded;
  std::string frame;
  std::string positions;
  for (const PairRow& pair : pairs) {
    frame.clear();
    if (pair.other_way) {
      lexicon::AppendSubstituted(frame, replaced.matched.Padded(pair.first, padded),
                                 replaced.other_way_symbol, " _ ");
    } else {
      lexicon::AppendSubstituted(frame, replaced.matched.Padded(pair.second, padded),
                                 replaced.symbol, " _ ");
    }
    positions.clear();
    // `padded` holds the word whose places were replaced, either way.
    AppendReplacedPositions(positions, padded,
                            pair.other_way ? replaced.other_way_symbol : replaced.symbol);
    WriteRow(file, lexicon, pair, {lexicon::TrimSpaces(frame), positions}, more, line);
  }
}

void WriteFramedPairTableRows(os::OutputFile& file, const LexiconView& lexicon,
                              std::vector<FramedPairRow> rows, bool by_frequency,
                              std::string_view more) {
  SortByLowerFrequency(lexicon, rows, by_frequency,
                       [](const FramedPairRow& row) { return row.pair; });
  std::string line;
  for (const FramedPairRow& row : rows) {
    WriteRow(file, lexicon, row.pair, {row.frame, row.positions}, more, line);
  }
}

}  // namespace search::pairs
