#include "cli/command_line.h"

#include <cstdint>
#include <exception>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/console_host.h"
#include "cli/search_option_parsing.h"
#include "search/contexts/class_table.h"
#include "search/contexts/context_error.h"
#include "search/lexicon/lexicon_format.h"
#include "search/lexicon/transcription.h"
#include "search/pairs/class_run.h"
#include "search/pairs/look_alikes.h"
#include "search/pairs/search_run.h"
#include "search/survey/survey_run.h"
#include "search/texts/message_text.h"
#include "version.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "usage: minpairs [--dir FOLDER] [OPTIONS] [--quiet] [--] FIRST SECOND\n"
    "       minpairs --survey [--dir FOLDER] [OPTIONS] [--quiet]\n"
    "       minpairs --help | --version\n"
    "\n"
    "Finds the minimal pairs of the symbols FIRST and SECOND in FOLDER/in.txt\n"
    "(one word per line, symbols separated by spaces, such as \"K AE1 T\") and\n"
    "writes three files into FOLDER/output/, which must exist:\n"
    "  ListOfWordsWith FIRST.txt, ListOfWordsWith SECOND.txt and\n"
    "  VendrelForFIRSTAndSECOND.txt (one pair per line, the words separated by a tab).\n"
    "\n"
    "With --survey it counts the minimal pairs of every ordered pair of symbols and\n"
    "writes SurveyOfMinimalPairs.tsv, SurveyOfSymbols.tsv and SurveyOfMinimalPairs.html.\n"
    "\n"
    "  --dir FOLDER  the folder that holds in.txt and output/ (default: the current one)\n"
    "\n"
    "Lexicon options:\n"
    "  --input FILE            read the words from FILE instead of FOLDER/in.txt\n"
    "  --format FORMAT         plain (default: one transcription per line), tsv (columns\n"
    "                          named by the first line: transcription, spelling, frequency,\n"
    "                          gloss) or cmudict (\"CAT  K AE1 T\")\n"
    "  --min-frequency N       leave out words whose frequency is below N (tsv)\n"
    "  --sort frequency        order the pairs table by frequency, common words first (tsv)\n"
    "With a spelling, frequency or gloss column, each file gets a .tsv table beside it.\n"
    "\n"
    "Where the contrast sits:\n"
    "  --context ENV           only places in ENV, written LEFT _ RIGHT: '# _', '_ AE1',\n"
    "                          '{ a e } _ #', '@vowel _' (may be given more than once)\n"
    "  --position POSITION     initial, medial or final (may be given more than once); a\n"
    "                          place fits when it fits any context or position\n"
    "  --strip CHARS           remove these characters from every symbol before matching,\n"
    "                          such as 012 for stress digits\n"
    "  --classes FILE          classes of symbols for @NAME, lines 'NAME = SYMBOL SYMBOL ...';\n"
    "                          FIRST @A and SECOND @B, two classes of the same size,\n"
    "                          contrast their symbols pair by pair in their order\n"
    "The options that change which words take part are named in the files' names:\n"
    "  VendrelForKAndG (# _; strip 012; min-frequency 3).txt\n"
    "\n"
    "  --survey      survey every pair of symbols instead of searching one\n"
    "  --quiet       do not print the status texts\n"
    "  --help        print this help\n"
    "  --version     print the version\n";

struct Options {
  std::string folder = ".";
  bool quiet = false;
  bool survey = false;
  std::vector<std::string> symbols;
  SearchOptionArguments search;
  std::optional<ClassPair> classes;  // when the symbols name two classes
};

enum class Request { kSearch, kSurvey, kHelp, kVersion };

// The folder as the run joins it: without trailing separators ("/" becomes "").
#ifdef _WIN32
constexpr std::string_view kSeparators = "/\\";
#else
constexpr std::string_view kSeparators = "/";  // a backslash is part of a name here
#endif

std::string WithoutTrailingSeparator(std::string folder) {
  while (!folder.empty() && kSeparators.find(folder.back()) != std::string_view::npos) {
    folder.pop_back();
  }
  return folder;
}

// Returns the request, or a usage error message.
std::optional<Request> Parse(const std::vector<std::string>& arguments, Options& options,
                             std::string& error) {
  bool only_symbols = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (only_symbols || argument.empty() || argument.front() != '-' || argument == "-") {
      options.symbols.push_back(argument);
    } else if (argument == "--") {
      only_symbols = true;
    } else if (argument == "--help" || argument == "-h") {
      return Request::kHelp;
    } else if (argument == "--version") {
      return Request::kVersion;
    } else if (argument == "--survey") {
      options.survey = true;
    } else if (argument == "--quiet" || argument == "-q") {
      options.quiet = true;
    } else if (argument == "--dir") {
      if (++i == arguments.size() || arguments[i].empty()) {
        error = "--dir needs a folder";
        return std::nullopt;
      }
      options.folder = WithoutTrailingSeparator(arguments[i]);
    } else if (IsSearchOption(argument)) {
      if (++i == arguments.size() || arguments[i].empty()) {
        error = argument + " needs a value";
        return std::nullopt;
      }
      if (!TakeSearchOption(argument, arguments[i], options.search, error)) return std::nullopt;
    } else {
      error = "unknown option '" + search::texts::EscapedForMessage(argument) + "'";
      return std::nullopt;
    }
  }
  if (!CheckSearchOptions(options.search, options.survey, options.symbols, error)) {
    return std::nullopt;
  }
  if (options.survey) {
    if (options.symbols.empty()) return Request::kSurvey;
    error = "--survey takes no symbols, got " + std::to_string(options.symbols.size());
    return std::nullopt;
  }
  if (options.symbols.size() != 2) {
    error = "expected two symbols, got " + std::to_string(options.symbols.size());
    return std::nullopt;
  }
  return Request::kSearch;
}

// Where the file system made one file of both lists' names ("s" and "S" where
// case is ignored), says where the second list went.
void NoteDerivedName(const Options& options, const search::pairs::WrittenFiles& written,
                     std::ostream& err) {
  if (!written.second_list_derived) return;
  const std::string_view first = search::lexicon::TrimSpaces(options.symbols[0]);
  const std::string_view second = search::lexicon::TrimSpaces(options.symbols[1]);
  err << search::texts::EscapedForMessage(
             "minpairs: note: '" + std::string(first) + "' and '" + std::string(second) +
             "' name the same list file in this folder; the words with '" + std::string(second) +
             "' are in '" + written.second_list + "'")
      << '\n';
}

// For each typed symbol that is in no word, names a symbol of the list that looks
// like it, if there is one.
void NoteLookAlikes(const Options& options, const search::pairs::SearchState& state,
                    const search::pairs::WrittenFiles& written, std::ostream& err) {
  const auto note = [&](const std::string& typed, std::int32_t count) {
    if (count != 0) return;
    if (const auto text =
            search::pairs::LookAlikeNote(typed, state.Words, written.word_list_encoding)) {
      err << search::texts::EscapedForMessage("minpairs: note: " + *text) << '\n';
    }
  };
  note(options.symbols[0], state.FirstCount);
  if (search::lexicon::TrimSpaces(options.symbols[0]) !=
      search::lexicon::TrimSpaces(options.symbols[1])) {
    note(options.symbols[1], state.SecondCount);
  }
}

// Runs the search of the two symbols, or the survey, in the options' folder, with the
// statuses and the summary on the console. Returns the exit status: 0 when every file
// was written in full, 1 after one error line on `err`.
int RunSearchOrSurvey(Request request, const Options& options, std::ostream& out,
                      std::ostream& err) {
  ConsoleHost host(options.folder, options.quiet, out, err);
  search::pairs::SearchState state;
  try {
    if (request == Request::kSurvey) {
      search::survey::RunSurvey(host, options.search.search);
    } else if (options.classes) {
      const search::pairs::WrittenFiles written = search::pairs::RunClassSearch(
          options.classes->first, options.classes->second, state, host, options.search.search);
      NoteDerivedName(options, written, err);
    } else {
      const search::pairs::WrittenFiles written = search::pairs::RunSearch(
          options.symbols[0], options.symbols[1], state, host, options.search.search);
      NoteDerivedName(options, written, err);
      NoteLookAlikes(options, state, written, err);
    }
    return 0;
  } catch (const std::exception& error) {  // SearchError, or the unforeseen
    err << "minpairs: error: " << error.what() << '\n';
  }
  return 1;
}

// The summary or the help is part of the result: losing it is a failure.
int CheckOutput(int status, std::ostream& out, std::ostream& err) {
  if (out.flush()) return status;
  err << "minpairs: error: cannot write to standard output\n";
  return 1;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
  Options options;
  std::string error;
  const auto request = Parse(arguments, options, error);
  if (!request) {
    err << "minpairs: " << error << "\n" << kUsage;
    return 2;
  }
  switch (*request) {
    case Request::kHelp:
      out << kUsage;
      return CheckOutput(0, out, err);
    case Request::kVersion:
      out << "minpairs " << minpairs::kVersion << '\n';
      return CheckOutput(0, out, err);
    case Request::kSearch:
    case Request::kSurvey:
      break;
  }
  // The classes file is read before the contexts that name its classes; its
  // faults are the run's (status 1), the contexts' are usage errors.
  std::optional<search::contexts::ClassTable> classes;
  try {
    if (options.search.classes_file) {
      classes = search::contexts::ReadClassFile(*options.search.classes_file);
    }
  } catch (const std::exception& fault) {
    err << "minpairs: error: " << fault.what() << '\n';
    return 1;
  }
  try {
    options.classes = ClassesNamed(options.symbols, classes ? &*classes : nullptr);
    std::vector<std::string> matched = options.symbols;
    if (options.classes) {  // the fold must leave something of every symbol of the classes
      matched = options.classes->first.symbols;
      matched.insert(matched.end(), options.classes->second.symbols.begin(),
                     options.classes->second.symbols.end());
    }
    ParsePlaces(options.search, classes ? &*classes : nullptr, matched);
  } catch (const search::contexts::ContextError& fault) {
    err << "minpairs: " << search::texts::EscapedForMessage(fault.what()) << "\n" << kUsage;
    return 2;
  }
  const int status = RunSearchOrSurvey(*request, options, out, err);
  return status == 0 ? CheckOutput(status, out, err) : status;
}

}  // namespace cli
