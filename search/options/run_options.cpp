#include "search/options/run_options.h"

#include <algorithm>
#include <array>

#include "search/lexicon/column_roles.h"
#include "search/lexicon/lexicon_format.h"
#include "search/texts/message_text.h"

namespace search::options {
namespace {

// The value as a usage error quotes it.
std::string Quoted(const std::string& value) {
  std::string shown = "'";  // appended: GCC 12 misreads "'" + text as an overlapping copy
  (shown += texts::EscapedForMessage(value)) += '\'';
  return shown;
}

// The folder as the run joins it: without trailing separators ("/" becomes "").
#ifdef _WIN32
constexpr std::string_view kSeparators = "/\\";
#else
constexpr std::string_view kSeparators = "/";  // a backslash is part of a name here
#endif

bool TakeFolder(RunRequest& request, const std::string& value, std::string& /*error*/) {
  std::string folder = value;
  while (!folder.empty() && kSeparators.find(folder.back()) != std::string_view::npos) {
    folder.pop_back();
  }
  request.folder = folder;
  return true;
}

bool TakeInput(RunRequest& request, const std::string& value, std::string& /*error*/) {
  request.search.input = value;
  return true;
}

bool TakeFormat(RunRequest& request, const std::string& value, std::string& error) {
  const auto format = lexicon::LexiconFormatNamed(value);
  if (!format) {
    error = "unknown format " + Quoted(value) + "; use plain, tsv or cmudict";
    return false;
  }
  request.search.reading.format = *format;
  return true;
}

bool TakeColumns(RunRequest& request, const std::string& value, std::string& error) {
  return lexicon::ParseColumnChoices(value, request.search.reading.columns, error);
}

bool TakeNoHeader(RunRequest& request, const std::string& /*value*/, std::string& /*error*/) {
  request.search.reading.no_header = true;
  return true;
}

bool TakeSegments(RunRequest& request, const std::string& value, std::string& /*error*/) {
  request.search.reading.segments = value;
  return true;
}

bool TakeMinFrequency(RunRequest& request, const std::string& value, std::string& error) {
  const auto threshold = lexicon::ParseFrequency(value);
  if (!threshold) {
    error = "--min-frequency needs a non-negative decimal number such as 3 or 2.5, got " +
            Quoted(value);
    return false;
  }
  request.search.reading.min_frequency = lexicon::FrequencyThreshold{*threshold, value};
  return true;
}

bool TakeSort(RunRequest& request, const std::string& value, std::string& error) {
  if (value != "frequency") {
    error = "unknown order " + Quoted(value) + "; --sort takes frequency";
    return false;
  }
  request.search.sort_by_frequency = true;
  request.search.reading.needs_frequency = true;
  return true;
}

bool TakeContext(RunRequest& request, const std::string& value, std::string& /*error*/) {
  request.places.push_back({false, value});
  return true;
}

bool TakePosition(RunRequest& request, const std::string& value, std::string& /*error*/) {
  request.places.push_back({true, value});
  return true;
}

bool TakeStrip(RunRequest& request, const std::string& value, std::string& /*error*/) {
  request.search.strip = value;
  return true;
}

bool TakeRule(RunRequest& request, const std::string& value, std::string& error) {
  const auto rule = PairRuleNamed(value);
  if (!rule) {
    error = "unknown rule " + Quoted(value) + "; use every-place, one-place or same-difference";
    return false;
  }
  request.search.rule = *rule;
  return true;
}

bool TakeClasses(RunRequest& request, const std::string& value, std::string& /*error*/) {
  request.classes_file = value;
  return true;
}

template <Action action>
bool TakeAction(RunRequest& request, const std::string& /*value*/, std::string& /*error*/) {
  request.action = action;
  return true;
}

bool TakeBothWays(RunRequest& request, const std::string& /*value*/, std::string& /*error*/) {
  request.search.both_ways = true;
  return true;
}

bool TakeSheet(RunRequest& request, const std::string& /*value*/, std::string& /*error*/) {
  request.search.sheet = true;
  return true;
}

bool TakeQuiet(RunRequest& request, const std::string& /*value*/, std::string& /*error*/) {
  request.quiet = true;
  return true;
}

// Contexts and positions share one part of the names, in the order given.
void NameContexts(const SearchOptions& options, std::vector<std::string>& named) {
  for (const contexts::Context& context : options.contexts) named.push_back(context.text);
}

void NameStrip(const SearchOptions& options, std::vector<std::string>& named) {
  if (!options.strip.empty()) named.push_back("strip " + options.strip);
}

void NameMinFrequency(const SearchOptions& options, std::vector<std::string>& named) {
  if (options.reading.min_frequency) {
    named.push_back("min-frequency " + options.reading.min_frequency->typed);
  }
}

void NameBothWays(const SearchOptions& options, std::vector<std::string>& named) {
  if (options.both_ways) named.emplace_back("both ways");
}

void NameRule(const SearchOptions& options, std::vector<std::string>& named) {
  if (options.rule != PairRule::kEveryPlace) named.emplace_back(PairRuleName(options.rule));
}

bool RepeatInput(const SearchOptions& options, std::vector<CommandOption>& command) {
  if (options.input) command.emplace_back("--input", *options.input);
  return true;
}

bool RepeatFormat(const SearchOptions& options, std::vector<CommandOption>& command) {
  if (options.reading.format == lexicon::LexiconFormat::kTsv)
    command.emplace_back("--format", "tsv");
  if (options.reading.format == lexicon::LexiconFormat::kCmudict) {
    command.emplace_back("--format", "cmudict");
  }
  return true;
}

// As given, but canonical: roles in lower case, spaces around dropped.
bool RepeatColumns(const SearchOptions& options, std::vector<CommandOption>& command) {
  if (options.reading.columns.empty()) return true;
  std::string value;
  for (const lexicon::ColumnChoice& choice : options.reading.columns) {
    if (!value.empty()) value += ',';
    value += choice.role ? lexicon::NameOf(*choice.role) : "-";
    if (choice.named) (value += '=') += choice.name;
  }
  command.emplace_back("--columns", value);
  return true;
}

bool RepeatNoHeader(const SearchOptions& options, std::vector<CommandOption>& command) {
  if (options.reading.no_header) command.emplace_back("--no-header", "");
  return true;
}

bool RepeatSegments(const SearchOptions& options, std::vector<CommandOption>& command) {
  if (options.reading.segments) command.emplace_back("--segments", *options.reading.segments);
  return true;
}

bool RepeatMinFrequency(const SearchOptions& options, std::vector<CommandOption>& command) {
  if (options.reading.min_frequency) {
    command.emplace_back("--min-frequency", options.reading.min_frequency->typed);
  }
  return true;
}

// Contexts and positions in the order given, which a command keeps.
bool RepeatContexts(const SearchOptions& options, std::vector<CommandOption>& command) {
  for (const contexts::Context& context : options.contexts) {
    const std::string_view text = context.text;
    if (text.starts_with('@') || text.find(" @") != std::string_view::npos) return false;
    command.emplace_back(IsPosition(text) ? "--position" : "--context", context.text);
  }
  return true;
}

bool RepeatStrip(const SearchOptions& options, std::vector<CommandOption>& command) {
  if (!options.strip.empty()) command.emplace_back("--strip", options.strip);
  return true;
}

bool RepeatBothWays(const SearchOptions& options, std::vector<CommandOption>& command) {
  if (options.both_ways) command.emplace_back("--both-ways", "");
  return true;
}

void DescribeSegments(const SearchOptions& options, std::string& text) {
  if (!options.reading.segments) return;
  text += " Transcriptions split into symbols";
  if (*options.reading.segments != lexicon::kSegmentsByRule) {
    text += ", the symbols of ";
    text += *options.reading.segments;
    text += " taken whole";
  }
  text += '.';
}

void DescribeContexts(const SearchOptions& options, std::string& text) {
  if (options.contexts.empty()) return;
  text += " Only the pairs whose every replaced place fits ";
  for (std::size_t n = 0; n < options.contexts.size(); ++n) {
    const std::string& context = options.contexts[n].text;
    if (n > 0) text += " or ";
    text += IsPosition(context) ? "the position " : "the context ";
    text += context;
  }
  text += '.';
}

void DescribeStrip(const SearchOptions& options, std::string& text) {
  if (options.strip.empty()) return;
  text += " Symbols folded: ";
  text += options.strip;
  text += " stripped from every symbol before matching.";
}

void DescribeMinFrequency(const SearchOptions& options, std::string& text) {
  if (!options.reading.min_frequency) return;
  text += " Words below the frequency ";
  text += options.reading.min_frequency->typed;
  text += " left out.";
}

using enum HelpSection;

const std::array kOptions{
    RunOption{.name = "--input",
              .argument = "FILE",
              .section = kLexicon,
              .help = "read the words from FILE instead of FOLDER/in.txt",
              .runs = kEveryRun,
              .take = TakeInput,
              .repeat = RepeatInput},
    RunOption{.name = "--format",
              .argument = "FORMAT",
              .section = kLexicon,
              .help = "plain (default: one transcription per line), tsv (columns\n"
                      "named by the first line: transcription, spelling, frequency,\n"
                      "gloss) or cmudict (\"CAT  K AE1 T\")",
              .runs = kEveryRun,
              .take = TakeFormat,
              .repeat = RepeatFormat},
    RunOption{.name = "--columns",
              .argument = "ROLES",
              .section = kLexicon,
              .help = "the tsv's own names for its columns, ROLE=NAME,...:\n"
                      "transcription=IPA,spelling=Word,frequency=Freq,gloss=Notes;\n"
                      "with --no-header the roles in order, - to skip one:\n"
                      "spelling,transcription",
              .runs = kEveryRun,
              .take = TakeColumns,
              .repeat = RepeatColumns,
              .needs_tsv = "--columns needs --format tsv: it names a tsv lexicon's columns"},
    RunOption{.name = "--no-header",
              .section = kLexicon,
              .help = "the tsv has no line of column names: --columns lists them",
              .runs = kEveryRun,
              .take = TakeNoHeader,
              .repeat = RepeatNoHeader,
              .needs_tsv = "--no-header needs --format tsv: only a tsv lexicon has a header"},
    RunOption{.name = "--segments",
              .argument = "auto|FILE",
              .section = kLexicon,
              .help = "split transcriptions written without spaces into symbols:\n"
                      "auto by rule (marks and modifiers join the letter before),\n"
                      "or FILE, one symbol a line, whose symbols are taken whole",
              .runs = kEveryRun,
              .take = TakeSegments,
              .repeat = RepeatSegments,
              .describe = DescribeSegments},
    RunOption{.name = "--min-frequency",
              .argument = "N",
              .section = kLexicon,
              .help = "leave out words whose frequency is below N (tsv)",
              .runs = kEveryRun,
              .take = TakeMinFrequency,
              .suffix_rank = 3,
              .named_in_files = NameMinFrequency,
              .repeat = RepeatMinFrequency,
              .describe = DescribeMinFrequency,
              .needs_frequency_column = "--min-frequency"},
    RunOption{.name = "--sort",
              .argument = "frequency",
              .section = kLexicon,
              .help = "order the pairs table by frequency, common words first (tsv)",
              .runs = kSearchRun | kClassRun,
              .take = TakeSort,
              .needs_frequency_column = "--sort frequency",
              .refusal = "--sort frequency orders a search's pairs; the survey has none to order"},
    RunOption{.name = "--context",
              .argument = "ENV",
              .section = kPlaces,
              .help = "only places in ENV, written LEFT _ RIGHT: '# _', '_ AE1',\n"
                      "'{ a e } _ #', '@vowel _' (may be given more than once)",
              .runs = kEveryRun,
              .take = TakeContext,
              .suffix_rank = 1,
              .named_in_files = NameContexts,
              .repeat = RepeatContexts,
              .describe = DescribeContexts},
    // Named, repeated and described with the contexts, in the order given.
    RunOption{.name = "--position",
              .argument = "POSITION",
              .section = kPlaces,
              .help = "initial, medial or final (may be given more than once); a\n"
                      "place fits when it fits any context or position",
              .runs = kEveryRun,
              .take = TakePosition},
    RunOption{.name = "--strip",
              .argument = "CHARS",
              .section = kPlaces,
              .help = "remove these characters from every symbol before matching,\n"
                      "such as 012 for stress digits",
              .runs = kEveryRun,
              .take = TakeStrip,
              .suffix_rank = 2,
              .named_in_files = NameStrip,
              .repeat = RepeatStrip,
              .describe = DescribeStrip},
    RunOption{.name = "--rule",
              .argument = "RULE",
              .section = kPlaces,
              .help = "which pairs to list: every-place (the default: the second word\n"
                      "becomes the first when SECOND is replaced by FIRST), one-place\n"
                      "(words that differ in one place only, FIRST in one, SECOND in\n"
                      "the other) or same-difference (words that differ only where\n"
                      "one holds FIRST and the other SECOND); FIRST and SECOND must\n"
                      "then be one symbol each",
              .runs = kSearchRun | kClassRun,
              .take = TakeRule,
              .suffix_rank = 4,
              .named_in_files = NameRule,
              .names_only_pairs = true,
              .refusal = "--rule chooses the pairs a search lists; the survey counts every rule "
                         "in SurveyOfFunctionalLoad.tsv"},
    RunOption{.name = "--classes",
              .argument = "FILE",
              .section = kPlaces,
              .help = "classes of symbols for @NAME, lines 'NAME = SYMBOL SYMBOL ...';\n"
                      "FIRST @A and SECOND @B, two classes of the same size,\n"
                      "contrast their symbols pair by pair in their order",
              .runs = kEveryRun,
              .take = TakeClasses},
    RunOption{.name = "--dir",
              .argument = "FOLDER",
              .section = kOther,
              .help = "the folder that holds in.txt and output/ (default: the current one)",
              .runs = kEveryRun,
              .take = TakeFolder,
              .needs = "a folder"},
    RunOption{.name = "--both-ways",
              .section = kOther,
              .help = "list each pair of words that FIRST SECOND or SECOND FIRST\n"
                      "finds once, the word with FIRST first",
              .runs = kSearchRun | kClassRun,
              .take = TakeBothWays,
              .suffix_rank = 5,
              .named_in_files = NameBothWays,
              .names_only_pairs = true,
              .repeat = RepeatBothWays,
              .refusal = "--both-ways pairs a search's words one way and the other; the "
                         "survey's contrasts count both ways already"},
    RunOption{.name = "--sheet",
              .section = kOther,
              .help = "also write the pairs as a practice sheet to print, cards in\n"
                      "order of frequency: VendrelForFIRSTAndSECOND.html",
              .runs = kSearchRun | kClassRun,
              .take = TakeSheet,
              .refusal = "--sheet prints a search's pairs; the survey page prints the practice "
                         "sheet of each contrast from its row"},
    RunOption{.name = "--survey",
              .section = kOther,
              .help = "survey every pair of symbols instead of searching one",
              .runs = kSurveyRun,
              .take = TakeAction<Action::kSurvey>},
    RunOption{.name = "--quiet",
              .short_name = "-q",
              .section = kOther,
              .help = "do not print the status texts",
              .runs = kEveryRun,
              .take = TakeQuiet},
    RunOption{.name = "--help",
              .short_name = "-h",
              .section = kOther,
              .help = "print this help",
              .runs = 0,
              .take = TakeAction<Action::kHelp>},
    RunOption{.name = "--version",
              .section = kOther,
              .help = "print the version",
              .runs = 0,
              .take = TakeAction<Action::kVersion>},
    RunOption{.name = "--",
              .section = kOther,
              .help = "what follows are symbols, even where they begin with -",
              .runs = kSearchRun | kClassRun,
              .take = nullptr},
};

constexpr std::size_t kHelpColumn = 24;

void AppendHelpLines(const RunOption& option, std::string& text) {
  std::string head = "  ";
  head += option.name;
  if (!option.short_name.empty()) (head += ", ") += option.short_name;
  if (!option.argument.empty()) (head += ' ') += option.argument;
  head.resize(std::max(kHelpColumn, head.size() + 1), ' ');
  std::string_view help = option.help;
  bool first = true;
  while (!help.empty()) {
    const std::size_t end = std::min(help.find('\n'), help.size());
    text += first ? head : std::string(kHelpColumn, ' ');
    (text += help.substr(0, end)) += '\n';
    help.remove_prefix(std::min(end + 1, help.size()));
    first = false;
  }
}

void AppendSection(HelpSection section, std::string_view heading, std::string_view after,
                   std::string& text) {
  text += heading;
  for (const RunOption& option : kOptions) {
    if (option.section == section) AppendHelpLines(option, text);
  }
  text += after;
}

}  // namespace

std::span<const RunOption> RunOptions() { return kOptions; }

const RunOption* FindRunOption(std::string_view name) {
  for (const RunOption& option : kOptions) {
    if (option.name == name || (!option.short_name.empty() && option.short_name == name)) {
      return &option;
    }
  }
  return nullptr;
}

std::string HelpText() {
  std::string text =
      "usage: minpairs [--dir FOLDER] [OPTIONS] [--quiet] [--] FIRST SECOND\n"
      "       minpairs --survey [--dir FOLDER] [OPTIONS] [--quiet]\n"
      "       minpairs FILE\n"
      "       minpairs --help | --version\n"
      "\n"
      "Finds the minimal pairs of the symbols FIRST and SECOND in FOLDER/in.txt\n"
      "(one word per line, symbols separated by spaces, such as \"K AE1 T\") and\n"
      "writes three files into FOLDER/output/, which must exist:\n"
      "  ListOfWordsWith FIRST.txt, ListOfWordsWith SECOND.txt and\n"
      "  VendrelForFIRSTAndSECOND.txt (one pair per line, the words separated by a tab).\n"
      "\n"
      "With --survey it counts the minimal pairs of every ordered pair of symbols and\n"
      "writes five files: SurveyOfMinimalPairs.tsv, SurveyOfSymbols.tsv,\n"
      "SurveyOfContrasts.tsv, SurveyOfFunctionalLoad.tsv and SurveyOfMinimalPairs.html.\n"
      "\n"
      "Given one existing FILE alone (a list dropped onto the program), it surveys\n"
      "FILE (.tsv as --format tsv, .dict as cmudict) into the output folder beside it,\n"
      "made if missing, and opens SurveyOfMinimalPairs.html in the browser.\n"
      "\n";
  AppendSection(kLexicon, "Lexicon options:\n",
                "With a spelling, frequency or gloss column, each file gets a .tsv table beside "
                "it.\n\n",
                text);
  AppendSection(kPlaces, "Where the contrast sits:\n",
                "The options that change which words take part are named in the files' names:\n"
                "  VendrelForKAndG (# _; strip 012; min-frequency 3).txt\n\n",
                text);
  AppendSection(kOther, "Other options:\n", "", text);
  return text;
}

namespace {

std::vector<std::string> Named(const SearchOptions& options, bool word_lists) {
  std::vector<const RunOption*> named_options;
  for (const RunOption& option : kOptions) {
    if (option.named_in_files == nullptr || (word_lists && option.names_only_pairs)) continue;
    named_options.push_back(&option);
  }
  std::ranges::stable_sort(named_options, {}, &RunOption::suffix_rank);
  std::vector<std::string> named;
  for (const RunOption* option : named_options) option->named_in_files(options, named);
  return named;
}

}  // namespace

std::vector<std::string> SearchOptions::NamedInFiles() const { return Named(*this, false); }

std::vector<std::string> SearchOptions::NamedInWordLists() const { return Named(*this, true); }

std::optional<std::vector<CommandOption>> CommandOptions(const SearchOptions& options) {
  std::vector<CommandOption> command;
  for (const RunOption& option : kOptions) {
    if (option.repeat != nullptr && !option.repeat(options, command)) return std::nullopt;
  }
  return command;
}

std::string OptionsInProse(const SearchOptions& options) {
  std::vector<const RunOption*> described;
  for (const RunOption& option : kOptions) {
    if (option.describe != nullptr) described.push_back(&option);
  }
  std::ranges::stable_sort(described, {}, &RunOption::suffix_rank);
  std::string text;
  for (const RunOption* option : described) option->describe(options, text);
  return text;
}

namespace {
constexpr std::array<std::pair<PairRule, std::string_view>, 3> kRuleNames = {
    {{PairRule::kEveryPlace, "every-place"},
     {PairRule::kOnePlace, "one-place"},
     {PairRule::kSameDifference, "same-difference"}}};
}  // namespace

std::optional<PairRule> PairRuleNamed(std::string_view name) {
  for (const auto& [rule, rule_name] : kRuleNames) {
    if (rule_name == name) return rule;
  }
  return std::nullopt;
}

std::string_view PairRuleName(PairRule rule) {
  for (const auto& [named, rule_name] : kRuleNames) {
    if (named == rule) return rule_name;
  }
  return {};
}

bool IsPosition(std::string_view context_text) {
  return context_text == "initial" || context_text == "medial" || context_text == "final";
}

}  // namespace search::options
