#pragma once

#include <cstddef>
#include <string>

#include "search/kit/text_buffer.h"
#include "search/lexicon/lexicon_format.h"
#include "search/lexicon/word_list_reader.h"

namespace search::lexicon {

// Marks the words of a tsv lexicon, text[from, size), in `list`: the first line
// names the columns, each later line is a word. Fields that a spreadsheet
// quoted are unquoted in place. Raises SearchError naming `path` and the line.
void ReadTsv(const std::string& path, const LexiconReading& reading, kit::TextBuffer& text,
             std::size_t from, WordListFile& list);

}  // namespace search::lexicon
