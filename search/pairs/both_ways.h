// The pairs of two symbols both ways: those that the search for FIRST SECOND
// finds and those that the search for SECOND FIRST finds, its words swapped,
// each distinct pair of words once. A word is a distinct transcription as
// read, so copies of a line (or homophones of a lexicon) make one pair.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "search/lexicon/word_list.h"
#include "search/os/output_file.h"
#include "search/pairs/pair_row.h"

namespace search::pairs {

// The rows of `this_way` in their order, then those of `other_way` (the rows
// of the search with the symbols swapped), each with its words swapped and
// marked PairRow::other_way: each pair of transcriptions of `shown` at its
// first row only.
std::vector<PairRow> PairsBothWays(std::span<const PairRow> this_way,
                                   std::span<const PairRow> other_way,
                                   const lexicon::WordList& shown);

// Writes a line "first word<TAB>second word" followed by `line_end` for each
// row, the words as `shown` holds them.
void WritePairLines(os::OutputFile& file, const lexicon::WordList& shown,
                    std::span<const PairRow> rows, std::string_view line_end);

}  // namespace search::pairs
