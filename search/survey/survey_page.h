// What the parts of the survey page share: the survey as the page shows it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/lexicon/word_list.h"
#include "search/os/output_file.h"
#include "search/survey/contrasts.h"
#include "search/survey/homophones.h"
#include "search/survey/survey.h"
#include "search/survey/survey_load_table.h"
#include "search/survey/survey_report.h"
#include "search/texts/encoding.h"

namespace search::survey {

struct PageContext {
  const Survey& survey;
  const SurveyLoads& loads;
  const PageWords& words;
  texts::TextEncoding encoding;
  std::vector<std::string> shown;   // the symbols as headers show them, escaped for the page
  std::vector<std::string> titled;  // the symbols as titles show them
  std::optional<std::string> command_start;           // nothing when the folder cannot be typed
  std::vector<std::optional<std::string>> arguments;  // nothing for a symbol that cannot be typed
  std::optional<std::string> both_ways_start;         // command_start with --both-ways
  Homophones homophones;                              // the spellings of the words shown
};

// A symbol or word for a header or title: escaped as in messages (\x1B, \u202E),
// and the marks that turn the direction of the text around them too.
std::string VisibleText(std::string_view text);

// The word at a list position as titles show it: its transcription, after its
// spellings if it has any.
std::string WordText(const PageContext& page, std::int32_t position);

// The id of a contrast's row in the list, by the places of its symbols.
std::string ContrastId(std::size_t earlier, std::size_t later);

// The command that lists the pairs of two symbols, if both can be typed;
// `both_ways`: each pair that either order finds once, a contrast's word pairs.
std::optional<std::string> CommandFor(const PageContext& page, std::size_t first,
                                      std::size_t second, bool both_ways = false);

// The style of the list of contrasts.
extern const std::string_view kContrastListStyle;

// The ranked list of contrasts, each row opening to its first word pairs.
void WriteContrastList(const PageContext& page, os::OutputFile& file);

}  // namespace search::survey
