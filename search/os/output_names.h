// Checks on the names of a run's output files, made before any file is written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace search::os {

// Refuses a symbol that could steer a file name out of the output folder or
// that the file system cannot hold; `which` is "first" or "second".
void CheckSymbolForFileName(std::string_view trimmed_symbol, const char* which);

// Refuses symbols whose output files could not be created because a name or
// the whole path would pass the limits of the output folder (Linux: the folder's
// own name limit; Windows: 255 UTF-16 units per name, MAX_PATH per path). When
// the symbols differ, the second list is checked also under the name that
// SecondListPath may give it.
void CheckOutputPathLengths(const std::string& first_list_path, const std::string& second_list_path,
                            const std::string& pairs_path, bool symbols_differ);

// Refuses any of `paths`, files of one output folder, whose name or whole path
// would pass the folder's limits; `whose` says what made them long ("the
// options make").
void CheckOutputPathLengths(const std::vector<std::string>& paths, const char* whose);

// Where the second list is written. Its own path, unless that is the file the
// first list was just written to while the symbols differ, as "s" and "S" are
// on a file system that ignores case: then "ListOfWordsWith S (2).txt" beside
// it, so that neither list replaces the other. Identity of files decides, not
// a rule about names.
std::string SecondListPath(const std::string& first_list_path, const std::string& second_list_path,
                           bool symbols_differ);

// The derived name SecondListPath turns to: " (2)" before the extension.
std::string DerivedListPath(const std::string& list_path);

// What a run's options add to each of its file names, before the extension:
// "" without options, else " (" + the options joined by "; " + ")", where a
// character that a file name cannot hold on Windows or Linux is written U+XXXX.
std::string OptionsSuffix(const std::vector<std::string>& options);

// The table written beside the text file at `text_path`: ".tsv" for ".txt".
std::string TablePath(const std::string& text_path);

}  // namespace search::os
