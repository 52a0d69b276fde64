// The steps that a search and a class run share: naming the files, reading
// the list and writing the word lists.
#pragma once

#include <cstdint>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "search/lexicon/lexicon_format.h"
#include "search/lexicon/word_list.h"
#include "search/options/search_options.h"
#include "search/os/output_file.h"
#include "search/pairs/lexicon_tables.h"
#include "search/runs/search_state.h"
#include "search/runs/written_files.h"
#include "search/texts/encoding.h"
#include "search/texts/search_error.h"

namespace search::runs {

// The files of one run, named after the trimmed symbols (or classes).
struct RunPaths {
  std::string word_list;
  std::string first_list;
  std::string second_list;
  std::string pairs;
};

// The run's files, after refusing symbols that cannot be part of a file name
// and names or paths too long for the output folder: nothing is read first.
RunPaths PathsFor(const std::string& folder, std::string_view first_name,
                  std::string_view second_name, const options::SearchOptions& options);

// Runs the steps that make the file at `path`; memory running out is reported
// as the failure to write it, and the file goes as any unfinished one does.
template <typename Stage>
auto Writing(const std::string& path, Stage&& stage) {
  try {
    return stage();
  } catch (const std::bad_alloc&) {
    throw texts::SearchError("not enough memory to write '" + path + "'");
  }
}

// Reads the word list into the state; returns the list's encoding.
texts::TextEncoding ReadWords(const std::string& path, const lexicon::LexiconReading& reading,
                              SearchState& state);

// Writes the words at `positions` into `file`, one padded word per line, and
// closes it.
void WriteList(os::OutputFile& file, const lexicon::WordList& words,
               const std::vector<std::int32_t>& positions);

// The table beside the list at `list_path`, when the lexicon has columns.
void WriteListTable(const std::string& list_path, const pairs::LexiconView& lexicon,
                    const std::vector<std::int32_t>& positions);

// The names the run writes to. The second list's may be a derived one, which
// shows only once the first list exists under its name.
WrittenFiles NameWrittenFiles(const RunPaths& paths, bool symbols_differ);

}  // namespace search::runs
