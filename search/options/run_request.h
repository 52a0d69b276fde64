// What a front end asks of the search, as given: the action, the folder, the
// typed symbols and the options, before any file is read.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "search/options/search_options.h"

namespace search::options {

enum class Action { kSearch, kSurvey, kHelp, kVersion };

// A --context or --position as given: a position's word, or a context's text.
struct PlaceArgument {
  bool position = false;
  std::string text;
};

struct RunRequest {
  Action action = Action::kSearch;
  std::string folder = ".";  // without trailing separators
  bool quiet = false;
  std::vector<std::string> symbols;
  SearchOptions search;
  std::vector<PlaceArgument> places;  // in the order given
  std::optional<std::string> classes_file;
  // A word list given alone (see FileAloneArguments): the survey makes its
  // output folder when it is missing, and the front end opens the page.
  bool file_alone = false;
  // The names of the options given, in order, each once.
  std::vector<std::string> given;
};

}  // namespace search::options
