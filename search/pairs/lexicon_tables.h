// The tables written beside a search's files when the lexicon has columns
// besides the transcriptions: each row a line of the text file, with the
// word's spelling, frequency and gloss, in UTF-8 whatever the list's encoding.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "search/lexicon/word_columns.h"
#include "search/lexicon/word_list.h"
#include "search/os/output_file.h"
#include "search/pairs/pair_row.h"
#include "search/texts/encoding.h"

namespace search::pairs {

// The words of a lexicon with their columns, as read.
struct LexiconView {
  const lexicon::WordList& words;
  const lexicon::WordColumns& columns;
  texts::TextEncoding encoding;
};

// "spelling", "transcription", "frequency", "gloss" (those the lexicon has),
// then a row per word at `positions`, and closes the file.
void WriteWordTable(os::OutputFile& file, const LexiconView& lexicon,
                    std::span<const std::int32_t> positions);

// Where a pair's second symbol was replaced: the words as matched (the list
// as read, or folded) and the padded symbol as matched there; for a row found
// the other way, the padded first symbol, replaced in the first word.
struct ReplacedPlaces {
  const lexicon::WordList& matched;
  std::string_view symbol;
  std::string_view other_way_symbol = {};
};

// The same columns for the first word and the second, then "frame": the first
// word as matched with each place where the second symbol was replaced shown as
// "_" (the second word with the first symbol's, for a row found the other way),
// then "position": where those places are (see AppendReplacedPositions). With
// `by_frequency`, rows go by the smaller of their two words' frequencies,
// highest first, ties in the given order. Closes the file.
void WritePairTable(os::OutputFile& file, const LexiconView& lexicon, std::vector<PairRow> pairs,
                    const ReplacedPlaces& replaced, bool by_frequency);

// WritePairTable in parts, for a table of several searches' pairs: the header
// row with `more` (tab-separated cells) appended, then each search's rows, each
// with its `more`, ordered within the search. The caller closes the file.
void WritePairTableHeader(os::OutputFile& file, const LexiconView& lexicon, std::string_view more);
void WritePairTableRows(os::OutputFile& file, const LexiconView& lexicon,
                        std::vector<PairRow> pairs, const ReplacedPlaces& replaced,
                        bool by_frequency, std::string_view more);

// A row of a pairs table whose frame is made by the search.
struct FramedPairRow {
  PairRow pair;
  std::string frame;      // as matched, in the list's encoding
  std::string positions;  // of the places where the words differ, as PlacePosition names them
};

// WritePairTableRows for rows that bring their frames.
void WriteFramedPairTableRows(os::OutputFile& file, const LexiconView& lexicon,
                              std::vector<FramedPairRow> rows, bool by_frequency,
                              std::string_view more);

}  // namespace search::pairs
