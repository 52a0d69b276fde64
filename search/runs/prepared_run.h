// A request made ready to run, and run: the same for every front end.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "search/contexts/class_table.h"
#include "search/options/run_request.h"
#include "search/os/run_host.h"
#include "search/runs/class_run.h"
#include "search/runs/search_run.h"
#include "search/runs/search_state.h"

namespace search::runs {

// The two classes that the typed symbols name ("@voiceless" where the table
// defines voiceless).
struct ClassPair {
  SymbolClass first;
  SymbolClass second;
};

struct PreparedRun {
  options::RunRequest request;  // its search options hold the parsed places
  std::optional<contexts::ClassTable> classes;
  std::optional<ClassPair> class_pair;  // when the symbols name two classes
};

// Reads the classes file, if any, then finds the classes the symbols name and
// parses the places with them. Raises texts::SearchError when the classes file
// cannot be read or is faulty, and contexts::ContextError for a usage error: a
// symbol names a class and the other does not, the classes differ in size, a
// context or position is malformed, or the fold leaves nothing of a symbol.
PreparedRun PrepareRun(options::RunRequest request);

// The two classes that `symbols` name, or none when neither does: such a
// symbol is literal. Raises contexts::ContextError as PrepareRun does.
std::optional<ClassPair> ClassesNamed(const std::vector<std::string>& symbols,
                                      const contexts::ClassTable* classes);

// Runs the search, the class run or the survey; the files a search or class
// run wrote, none for a survey. Throws texts::SearchError as they do.
std::optional<WrittenFiles> Run(const PreparedRun& run, os::RunHost& host, SearchState& state);

}  // namespace search::runs
