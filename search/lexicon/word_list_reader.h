#pragma once

#include <functional>
#include <string>

#include "search/kit/text_buffer.h"
#include "search/lexicon/word_columns.h"
#include "search/lexicon/word_list.h"
#include "search/texts/encoding.h"

namespace search::lexicon {

// A word list as read from its file, with the encoding the file turned out to be in.
struct WordListFile {
  WordList words;
  WordColumns columns;  // in words' text
  texts::TextEncoding encoding = texts::TextEncoding::kUtf8;
};

// Reads the word list at `path` in one pass: one padded transcription per line,
// blank lines included. A UTF-8 byte order mark is skipped; UTF-16 files are
// refused, and so is a file that another program writes while it is read.
// Raises SearchError naming the file, also when memory runs out.
// `before_last_check` is for tests: it runs after the last byte is read, before
// the file is checked for a change.
WordListFile ReadWordList(const std::string& path,
                          const std::function<void()>& before_last_check = {});

// The whole file at `path`, refused as ReadWordList refuses it when another
// program writes it while it is read.
kit::TextBuffer ReadWholeFile(const std::string& path,
                              const std::function<void()>& before_last_check);

}  // namespace search::lexicon
