#pragma once

#include <functional>
#include <string>

#include "search/lexicon/lexicon_format.h"
#include "search/lexicon/word_list_reader.h"

namespace search::lexicon {

// Reads the word list at `path` in the given format; a plain list as
// ReadWordList does, byte for byte. A tsv or cmudict lexicon gives the same
// words as a plain list of its transcriptions in the encoding it was read in
// (UTF-8, a byte order mark skipped, or Windows-1252; a tsv may also be UTF-16
// with a byte order mark, which is read as UTF-8), and its other columns.
// Words below the threshold are dropped. With `reading.segments`, each
// transcription is then split into its symbols (split_words.h). Every fault in the file raises
// SearchError naming the file and the line.
WordListFile ReadLexicon(const std::string& path, const LexiconReading& reading,
                         const std::function<void()>& before_last_check = {});

}  // namespace search::lexicon
