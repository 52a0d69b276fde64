// The table of run options: what each option of `minpairs` is, written once.
// The command line parses with it, --help prints it, file names carry the
// options that change which words take part in the order it gives, and the
// survey's page repeats them in its commands and names them in its prose.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "search/options/run_request.h"
#include "search/options/search_options.h"

namespace search::options {

// Which runs take an option (a bit each).
enum RunKinds : unsigned {
  kSearchRun = 1U,
  kClassRun = 2U,
  kSurveyRun = 4U,
  kEveryRun = kSearchRun | kClassRun | kSurveyRun,
};

// Where --help lists an option.
enum class HelpSection { kLexicon, kPlaces, kOther };

// An option repeated in a command of the survey's page: its name and its value
// to quote ("" for none).
using CommandOption = std::pair<std::string_view, std::string>;

struct RunOption {
  std::string_view name{};        // "--strip"
  std::string_view short_name{};  // "-q", or "" for none
  std::string_view argument{};    // "CHARS", or "" for an option without a value
  HelpSection section{};
  // Its text in --help after the name column; '\n' starts a further line.
  std::string_view help{};
  unsigned runs{};  // RunKinds
  // Takes the value into the request; false with a usage error in `error`.
  bool (*take)(RunRequest& request, const std::string& value, std::string& error) = nullptr;
  // Where it stands in the file-name suffix (1 first), or 0 when it changes no
  // file name; its parts come from `named_in_files`.
  int suffix_rank = 0;
  void (*named_in_files)(const SearchOptions& options, std::vector<std::string>& named) = nullptr;
  // Named only in the pairs file: the word lists are the same with it or without.
  bool names_only_pairs = false;
  // Repeats it in a command of the survey's page; false when no command can
  // (a context that may name a class, which the command would not define).
  bool (*repeat)(const SearchOptions& options, std::vector<CommandOption>& command) = nullptr;
  // Says what it kept in the survey page's summary, one sentence or "".
  void (*describe)(const SearchOptions& options, std::string& text) = nullptr;
  // Frequencies come only from a tsv lexicon's column: how an error names it.
  std::string_view needs_frequency_column{};
  // Only a tsv lexicon's reading takes it: the usage error otherwise.
  std::string_view needs_tsv{};
  // The usage error of a run that does not take it.
  std::string_view refusal{};
  // What a usage error says it needs when its value is missing or empty.
  std::string_view needs = "a value";
};

// Every option, in the order --help lists them and the page repeats them.
std::span<const RunOption> RunOptions();

// The option of that name or short name, or nullptr.
const RunOption* FindRunOption(std::string_view name);

// The text of `minpairs --help`.
std::string HelpText();

// The options that change which words take part as a command of the survey's
// page repeats them, in table order; none when a context may name a class.
std::optional<std::vector<CommandOption>> CommandOptions(const SearchOptions& options);

// What the options kept, in words, for the survey page's summary; "" without any.
std::string OptionsInProse(const SearchOptions& options);

// The rule of a name as --rule takes it ("one-place"), and back.
std::optional<PairRule> PairRuleNamed(std::string_view name);
std::string_view PairRuleName(PairRule rule);

// True for a context given as --position: its text is the position's word,
// where a context's holds its place, "_".
bool IsPosition(std::string_view context_text);

}  // namespace search::options
