#pragma once

#include <string>

#include "search/encoding.h"
#include "search/search_state.h"

namespace search {

// Reads the word list at `path` in one pass into state.Words (one padded
// transcription per line, blank lines included) and state.WordCount. A UTF-8
// byte order mark is skipped; UTF-16 files are refused. Returns the encoding
// the file turned out to be in.
TextEncoding ReadWordList(const std::string& path, SearchState& state);

}  // namespace search
