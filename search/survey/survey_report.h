// The files of a survey: three tab-separated tables and a heat-map page. They are
// in UTF-8 whatever the word list's encoding: a Windows-1252 list's words and
// symbols are decoded as browsers decode windows-1252.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "search/lexicon/word_columns.h"
#include "search/lexicon/word_list.h"
#include "search/options/search_options.h"
#include "search/os/command_quoting.h"
#include "search/os/output_file.h"
#include "search/survey/survey.h"
#include "search/survey/survey_load_table.h"
#include "search/texts/encoding.h"
#include "search/texts/tsv_field.h"

namespace search::survey {

inline constexpr std::string_view kSurveyTableFile = "SurveyOfMinimalPairs.tsv";
inline constexpr std::string_view kSurveySymbolsFile = "SurveyOfSymbols.tsv";
inline constexpr std::string_view kSurveyPageFile = "SurveyOfMinimalPairs.html";
inline constexpr std::string_view kSurveyContrastsFile = "SurveyOfContrasts.tsv";

// Text of the word list in UTF-8.
inline std::string ShownText(std::string_view list_bytes, texts::TextEncoding encoding) {
  return encoding == texts::TextEncoding::kUtf8 ? std::string(list_bytes)
                                                : texts::Windows1252ToUtf8(list_bytes);
}

using texts::TsvField;

// An empty cell, then every symbol; then a row per first symbol with the count
// for each second symbol, the diagonal empty.
void WriteSurveyTable(const Survey& survey, texts::TextEncoding encoding, os::OutputFile& file);

// A header, then per symbol: its words, its pairs as first and as second symbol.
void WriteSymbolTable(const Survey& survey, texts::TextEncoding encoding, os::OutputFile& file);

// Where the page's commands are typed: at which prompt, and in the folder where
// the survey ran, naming the folder as the survey was given it ("." needs no --dir).
struct CommandPlace {
  os::CommandPrompt prompt;
  std::string folder;
};

// The command that writes the pairs of two symbols, given as the page shows
// them; nothing when the folder or a symbol cannot be typed safely at the
// prompt: its quoting cannot keep it as it is, or the page shows it escaped.
std::optional<std::string> PairsCommand(const CommandPlace& place, std::string_view first,
                                        std::string_view second);

// Text escaped for an HTML element or attribute.
std::string EscapedForHtml(std::string_view text);

// A header, then one row per contrast with word pairs, in the survey's order:
// its two symbols, earlier first, its word pairs, the counts of the two
// searches (earlier symbol first, then later first) and its three word counts.
void WriteContrastTable(const Survey& survey, texts::TextEncoding encoding, os::OutputFile& file);

// The words of a survey's page: as read, which it shows, with the lexicon's
// columns beside them (a plain list has none), and as matched (folded), which
// frames show. Positions are the same in both.
struct PageWords {
  const lexicon::WordList& read;
  const lexicon::WordList& matched;
  const lexicon::WordColumns& columns;
};

// The contrasts, ranked, each with its first word pairs, its one-place pairs
// and its normalised change of entropy from `loads`, then the counts as a heat map, with each
// cell's first pairs and the command that lists all of them. The title and the summary name the
// options' contexts and fold. Symbols and words show control, line-separating and bidirectional
// characters escaped, as messages do.
void WriteSurveyPage(const Survey& survey, const SurveyLoads& loads, const PageWords& words,
                     texts::TextEncoding encoding, const CommandPlace& commands,
                     const options::SearchOptions& options, os::OutputFile& file);

}  // namespace search::survey
