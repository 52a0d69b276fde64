// The word pairs of a contrast's row on the survey page, and the filters and
// print rules that go with them. Each pair is a line of tab-separated fields,
// readable as it is without script; the page's pairs script turns an opened
// row's lines into a table that filters hide pairs of, sorts by frequency and
// prints as a practice sheet.
#pragma once

#include <string>
#include <string_view>

#include "search/os/output_file.h"
#include "search/survey/contrasts.h"
#include "search/survey/survey_page.h"

namespace search::survey {

// How many word pairs a row shows at most, the first in the list's order:
// the pronouncing dictionary's page stays within 8 MB and opens in time.
inline constexpr std::size_t kShownPairsPerRow = kContrastExamplePairs;

// The style of the pairs and of printing: the form, the commands and the grid
// stay off paper; a row's practice sheet prints alone.
extern const std::string_view kPairListStyle;

// The fields of the filter form that hide pairs within open rows: position,
// the words' largest number of symbols and, with frequencies, a least one.
std::string PairFilterFields(const PageContext& page);

// The word pairs of a contrast: a header line, then a line per pair with the
// words (spelled and transcribed where the lexicon has spellings), the frame,
// the position and, with frequencies, the rarer word's frequency.
void WriteWordPairs(const PageContext& page, const Contrast& contrast, os::OutputFile& file);

// The frequency as the page shows it: the shortest decimal that reads back
// as it, without an exponent.
std::string FrequencyText(double frequency);

}  // namespace search::survey
