// The symbols that a segments file lists, which the splitter takes whole
// wherever they start (segment_splitter.h): "tʃ", "eɪ", "aʊ".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace search::lexicon {

struct SegmentInventory {
  std::vector<std::string> symbols;  // UTF-8, in the file's order, none empty
};

// The symbols of a segments file's text: UTF-8 (a byte order mark skipped), one
// symbol a line, lines ending in CR LF, LF or CR; spaces and tabs around a
// symbol are dropped and blank lines ignored. Raises texts::SearchError
// "'PATH' line N: ..." for a line that is not UTF-8 or a symbol that holds a
// space or a tab, and "'PATH': no symbols" for a file without any.
SegmentInventory SegmentsFromText(std::string_view text, const std::string& path);

// Reads the segments file at `path`; raises texts::SearchError naming the file
// when it cannot be read, is UTF-16 or UTF-32, or as SegmentsFromText does.
SegmentInventory ReadSegmentsFile(const std::string& path);

}  // namespace search::lexicon
