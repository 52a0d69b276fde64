#include "cli/command_line.h"

#include <new>
#include <optional>
#include <ostream>

#include "cli/console_host.h"
#include "cli/version.h"
#include "search/search_error.h"
#include "search/search_run.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "usage: minpairs [--dir FOLDER] [--quiet] [--] FIRST SECOND\n"
    "       minpairs --help | --version\n"
    "\n"
    "Finds the minimal pairs of the symbols FIRST and SECOND in FOLDER/in.txt\n"
    "(one word per line, symbols separated by spaces, such as \"K AE1 T\") and\n"
    "writes three files into FOLDER/output/, which must exist:\n"
    "  ListOfWordsWith FIRST.txt, ListOfWordsWith SECOND.txt and\n"
    "  VendrelForFIRSTAndSECOND.txt (one pair per line, the words separated by a tab).\n"
    "\n"
    "  --dir FOLDER  the folder that holds in.txt and output/ (default: the current one)\n"
    "  --quiet       do not print the status texts\n"
    "  --help        print this help\n"
    "  --version     print the version\n";

struct Options {
  std::string folder = ".";
  bool quiet = false;
  std::vector<std::string> symbols;
};

enum class Request { kSearch, kHelp, kVersion };

// The folder as the run joins it: without trailing separators ("/" becomes "").
std::string WithoutTrailingSeparator(std::string folder) {
  while (!folder.empty() && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
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
    } else if (argument == "--quiet" || argument == "-q") {
      options.quiet = true;
    } else if (argument == "--dir") {
      if (++i == arguments.size()) {
        error = "--dir needs a folder";
        return std::nullopt;
      }
      options.folder = WithoutTrailingSeparator(arguments[i]);
    } else {
      error = "unknown option '" + argument + "'";
      return std::nullopt;
    }
  }
  if (options.symbols.size() != 2) {
    error = "expected two symbols, got " + std::to_string(options.symbols.size());
    return std::nullopt;
  }
  return Request::kSearch;
}

int Search(const Options& options, std::ostream& out, std::ostream& err) {
  ConsoleHost host(options.folder, options.quiet, out, err);
  search::SearchState state;
  try {
    search::RunSearch(options.symbols[0], options.symbols[1], state, host);
    return 0;
  } catch (const search::SearchError& error) {
    err << "minpairs: error: " << error.what() << '\n';
  } catch (const std::bad_alloc&) {
    err << "minpairs: error: not enough memory for the word list in '" << options.folder
        << "/in.txt'\n";
  }
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
      return 0;
    case Request::kVersion:
      out << "minpairs " << kVersion << '\n';
      return 0;
    case Request::kSearch:
      break;
  }
  return Search(options, out, err);
}

}  // namespace cli
