// The options that shape a search or a survey beyond its folder: the lexicon,
// the contexts of the places, folded symbols and classes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/contexts/class_table.h"
#include "search/pairs/class_run.h"
#include "search/pairs/search_options.h"

namespace cli {

// The options as given, before the classes file is read.
struct SearchOptionArguments {
  search::pairs::SearchOptions search;
  // --context and --position, in the order given: a position's word, or a context's text.
  struct Place {
    bool position = false;
    std::string text;
  };
  std::vector<Place> places;
  std::optional<std::string> classes_file;
};

// True for an option that SearchOptionArguments takes, with a value.
bool IsSearchOption(std::string_view argument);

// Takes the value of such an option; false with a usage error for a bad one.
bool TakeSearchOption(std::string_view option, const std::string& value,
                      SearchOptionArguments& arguments, std::string& error);

// Checks the options against each other, the request and the typed symbols
// (none for a survey); false with a usage error.
bool CheckSearchOptions(const SearchOptionArguments& arguments, bool survey,
                        const std::vector<std::string>& symbols, std::string& error);

// The two classes that the typed `symbols` name ("@voiceless" where `classes`
// defines voiceless), or none when neither does: such a symbol is literal.
// Raises contexts::ContextError for a usage error: only one names a class, or
// the classes differ in size.
struct ClassPair {
  search::pairs::SymbolClass first;
  search::pairs::SymbolClass second;
};
std::optional<ClassPair> ClassesNamed(const std::vector<std::string>& symbols,
                                      const search::contexts::ClassTable* classes);

// Parses the contexts and positions into arguments.search, with the classes of
// `classes` (none without --classes), and checks that the fold leaves
// something of them and of the typed `symbols`; raises contexts::ContextError
// for a usage error.
void ParsePlaces(SearchOptionArguments& arguments, const search::contexts::ClassTable* classes,
                 const std::vector<std::string>& symbols);

}  // namespace cli
