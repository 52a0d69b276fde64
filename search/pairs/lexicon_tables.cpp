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
  if (by_frequency && lexicon.columns.frequency) {
    std::vector<double> lower(pairs.size());
    for (std::size_t row = 0; row < pairs.size(); ++row) {
      lower[row] =
          std::min(FrequencyOf(lexicon, pairs[row].first), FrequencyOf(lexicon, pairs[row].second));
    }
    std::vector<std::size_t> order(pairs.size());
    for (std::size_t row = 0; row < order.size(); ++row) order[row] = row;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return lower[a] > lower[b]; });
    std::vector<PairRow> sorted;
    sorted.reserve(pairs.size());
    for (const std::size_t row : order) sorted.push_back(pairs[row]);
    pairs = std::move(sorted);
  }
  std::string line;
  std::string padded;
  std::string frame;
  for (const PairRow& pair : pairs) {
    line.clear();
    AppendWord(line, lexicon, pair.first);
    AppendWord(line, lexicon, pair.second);
    frame.clear();
    if (pair.other_way) {
      lexicon::AppendSubstituted(frame, replaced.matched.Padded(pair.first, padded),
                                 replaced.other_way_symbol, " _ ");
    } else {
      lexicon::AppendSubstituted(frame, replaced.matched.Padded(pair.second, padded),
                                 replaced.symbol, " _ ");
    }
    line += '\t';
    AppendShown(line, lexicon, lexicon::TrimSpaces(frame));
    line += '\t';
    // `padded` holds the word whose places were replaced, either way.
    AppendReplacedPositions(line, padded,
                            pair.other_way ? replaced.other_way_symbol : replaced.symbol);
    line += more;
    file.WriteLine(line);
  }
}

}  // namespace search::pairs
