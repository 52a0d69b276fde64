// A list whose transcriptions were written without spaces, made into one whose
// words are their symbols separated by spaces (segment_splitter.h).
#pragma once

#include "search/lexicon/segment_splitter.h"
#include "search/lexicon/word_list_reader.h"

namespace search::lexicon {

// Replaces the words of `list` by their splits, in a new text that also holds
// a copy of each word's spelling, frequency and gloss, so that the columns
// refer to the same text as the words. A long list is split in two halves at
// once, as the readers mark it.
void SplitWords(WordListFile& list, const SegmentSplitter& splitter);

}  // namespace search::lexicon
